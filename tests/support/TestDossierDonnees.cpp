// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the programs find their data folder (the loading itself runs end to
// end in the command-line cases and the window tests).
#include "DossierDonnees.h"
#include "OutilsTest.h"

namespace {

TEST(DossierDonnees, LePremierCandidatQuiConvient) {
    const auto seulB = [](const std::string& d) { return d == "/b"; };
    EXPECT_EQ(dossiers::PremierDossier({"", "/a", "/b", "/b2"}, seulB), "/b");
    EXPECT_EQ(dossiers::PremierDossier({"/a", ""}, seulB), std::nullopt);
    EXPECT_EQ(dossiers::PremierDossier({"", "/b"}, [](const std::string&) { return true; }), "/b");
}

TEST(DossierDonnees, UnFichierDeLexiqueSuffit) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.chemin.string();
    EXPECT_FALSE(dossiers::ContientLexiques(chemin));
    dossier.ecrire("autre.txt", "x");
    std::filesystem::create_directory(dossier.chemin / "except_A.lex"); // a directory is no lexicon
    EXPECT_FALSE(dossiers::ContientLexiques(chemin));
    dossier.ecrire("except_H.lex", "marron\n");
    EXPECT_TRUE(dossiers::ContientLexiques(chemin));
    EXPECT_FALSE(dossiers::ContientLexiques("/nulle/part/adjora"));
}

TEST(DossierDonnees, ExecuteDansLeDossierPuisRevient) {
    DossierTemporaire dossier;
    const auto avant = std::filesystem::current_path();
    std::filesystem::path pendant;
    EXPECT_TRUE(
        dossiers::ExecuterDans(dossier.chemin, [&] { pendant = std::filesystem::current_path(); }));
    EXPECT_EQ(pendant, std::filesystem::canonical(dossier.chemin));
    EXPECT_EQ(std::filesystem::current_path(), avant);
    EXPECT_FALSE(dossiers::ExecuterDans("/nulle/part/adjora", [] { ADD_FAILURE(); }));
    EXPECT_EQ(std::filesystem::current_path(), avant);
}

} // namespace
