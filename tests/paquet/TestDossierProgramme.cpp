// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The data directory that an installed adjora-cli finds beside itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "DossierProgramme.h"

namespace fs = std::filesystem;

namespace {

class DossierProgramme : public ::testing::Test {
  protected:
    void SetUp() override {
        racine_ =
            fs::temp_directory_path() /
            ("adjora-dossier-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(racine_);
        fs::create_directories(racine_ / "bin");
    }
    void TearDown() override { fs::remove_all(racine_); }

    void CreerLexique(const fs::path& dossier, const std::string& nom) {
        fs::create_directories(dossier);
        std::ofstream(dossier / nom) << "gris\n";
    }

    fs::path racine_;
};

TEST_F(DossierProgramme, TrouveLesDonneesInstalleesAcoteDuProgramme) {
    CreerLexique(racine_ / "share" / "adjora", "except_H.lex");
    const auto dossier = cli::DossierDonneesPres(racine_ / "bin" / "adjora-cli", "../share/adjora");
    ASSERT_TRUE(dossier.has_value());
    EXPECT_TRUE(fs::equivalent(*dossier, racine_ / "share" / "adjora"));
    EXPECT_EQ(fs::path(*dossier), fs::path(*dossier).lexically_normal());
}

TEST_F(DossierProgramme, IgnoreUnDossierSansLexique) {
    fs::create_directories(racine_ / "share" / "adjora");
    std::ofstream(racine_ / "share" / "adjora" / "Adjora.hlp") << "aide\n";
    EXPECT_FALSE(
        cli::DossierDonneesPres(racine_ / "bin" / "adjora-cli", "../share/adjora").has_value());
}

TEST_F(DossierProgramme, IgnoreUnLexiqueQuiEstUnRepertoire) {
    fs::create_directories(racine_ / "share" / "adjora" / "except_A.lex");
    EXPECT_FALSE(
        cli::DossierDonneesPres(racine_ / "bin" / "adjora-cli", "../share/adjora").has_value());
}

TEST_F(DossierProgramme, IgnoreUnDossierAbsentOuUnCheminVide) {
    EXPECT_FALSE(
        cli::DossierDonneesPres(racine_ / "bin" / "adjora-cli", "../share/adjora").has_value());
    EXPECT_FALSE(cli::DossierDonneesPres(fs::path(), "../share/adjora").has_value());
    CreerLexique(racine_ / "bin", "except_A.lex");
    EXPECT_FALSE(cli::DossierDonneesPres(racine_ / "bin" / "adjora-cli", "").has_value());
}

TEST_F(DossierProgramme, SuitUneDispositionPersonnalisee) {
    CreerLexique(racine_ / "lib" / "adjora" / "donnees", "except_C.lex");
    const auto dossier =
        cli::DossierDonneesPres(racine_ / "bin" / "adjora-cli", "../lib/adjora/donnees");
    ASSERT_TRUE(dossier.has_value());
    EXPECT_TRUE(fs::equivalent(*dossier, racine_ / "lib" / "adjora" / "donnees"));
}

// The copy in the build tree has no installed data beside it.
TEST(DossierProgrammeCourant, AucunDansLArbreDeConstruction) {
    EXPECT_FALSE(cli::DossierDonneesPresDuProgramme().has_value());
}

} // namespace
