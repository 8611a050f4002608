// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Choice of the lexicon directory (the loading runs end to end in cas/).
#include <gtest/gtest.h>

#include "Lexiques.h"
#include "OutilsTest.h"

namespace {

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
    const std::string chemin = dossier.chemin.string();
    EXPECT_FALSE(cli::ContientLexiques(chemin));
    dossier.ecrire("autre.txt", "x");
    std::filesystem::create_directory(dossier.chemin / "except_A.lex"); // a directory is no lexicon
    EXPECT_FALSE(cli::ContientLexiques(chemin));
    dossier.ecrire("except_H.lex", "marron\n");
    EXPECT_TRUE(cli::ContientLexiques(chemin));
    EXPECT_FALSE(cli::ContientLexiques("/nulle/part/adjora"));
}

} // namespace
