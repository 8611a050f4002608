// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Choice of the lexicon directory and the loading from it.
#include <gtest/gtest.h>

#include "Lexiques.h"
#include "OutilsTest.h"

namespace {

namespace fs = std::filesystem;

TEST(DossierLexiques, OptionPuisSourcesPuisInstalle) {
    const auto seulSources = [](const std::string& d) { return d == "/src/data"; };
    const auto aucun = [](const std::string&) { return false; };
    EXPECT_EQ(cli::ChoisirDossierLexiques("/choisi", "/src/data", "/usr/share/adjora", seulSources),
              "/choisi");
    EXPECT_EQ(
        cli::ChoisirDossierLexiques(std::nullopt, "/src/data", "/usr/share/adjora", seulSources),
        "/src/data");
    EXPECT_EQ(cli::ChoisirDossierLexiques(std::nullopt, "/src/data", "/usr/share/adjora", aucun),
              "/usr/share/adjora");
}

TEST(DossierLexiques, UnFichierDeLexiqueSuffit) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.chemin().string();
    EXPECT_FALSE(cli::ContientLexiques(chemin));
    dossier.ecrire850("autre.txt", "x");
    fs::create_directory(dossier.chemin() / "except_A.lex"); // a directory is no lexicon
    EXPECT_FALSE(cli::ContientLexiques(chemin));
    dossier.ecrire850("except_H.lex", "marron\n");
    EXPECT_TRUE(cli::ContientLexiques(chemin));
    EXPECT_FALSE(cli::ContientLexiques("/nulle/part/adjora"));
}

TEST_F(SansLexiques, ChargerLexiquesDepuisLeDossierPuisRevenir) {
    DossierTemporaire dossier;
    dossier.ecrire850("except_H.lex", "marron\n");
    dossier.ecrire850("except_B.lex", "hébreux\n");
    const fs::path avant = fs::current_path();
    EnregistreurRapports rapports;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    std::string raison;
    EXPECT_TRUE(cli::ChargerLexiques(dossier.chemin().string(), raison)) << raison;
    const std::string sortie = testing::internal::GetCapturedStdout();
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(fs::current_path(), avant);
    EXPECT_EQ(Mots(ListeH), (std::vector<std::string>{"marron"}));
    EXPECT_EQ(Analyser("hébreux").lemme, "hébreu");
    // The six missing files are named on standard error, never on standard output.
    EXPECT_EQ(sortie, "");
    for (const char* absent : {"A", "C", "D", "E", "F", "G"}) {
        EXPECT_NE(erreurs.find("Impossible d'ouvrir le fichier except_" + std::string(absent) +
                               ".lex.\n"),
                  std::string::npos)
            << "row " << absent;
    }
    EXPECT_EQ(rapports.compter("Opération impossible", "GESTION DES FICHIERS", "fOuvrir"), 6);
}

} // namespace
