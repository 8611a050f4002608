// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fichiers.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class FichiersTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "adjora-fichiers-XXXXXX").string();
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier_ = modele;
    }
    void TearDown() override {
        for (std::FILE* f : ouverts_) {
            fFermer(f);
        }
        fs::remove_all(dossier_);
    }

    std::string Ecrire(const std::string& contenu, const std::string& nom = "mots.lex") {
        const fs::path chemin = dossier_ / nom;
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin.string();
    }

    std::FILE* Ouvrir(const std::string& contenu) {
        std::FILE* f = fOuvrir(Ecrire(contenu).c_str(), "r");
        if (f != nullptr) {
            ouverts_.push_back(f);
        }
        return f;
    }

    // The words read, each followed by "," (MOT_LU) or "." (DERNIER_MOT), up to
    // FIN_FICHIER, which must leave the buffer and the length as they were and
    // come again at the next call.
    std::string LireTout(const std::string& contenu, std::uint16_t taille = 50) {
        std::FILE* f = Ouvrir(contenu);
        std::string lus;
        std::vector<char> mot(taille + 1, '\x7F');
        for (int garde = 0; f != nullptr && garde < 10000; ++garde) {
            const std::vector<char> avant = mot;
            std::uint16_t longueur = 9999;
            const int code = fLireMot(f, mot.data(), &longueur, taille);
            if (code == FIN_FICHIER) {
                EXPECT_EQ(mot, avant);
                EXPECT_EQ(longueur, 9999);
                EXPECT_EQ(fLireMot(f, mot.data(), &longueur, taille), FIN_FICHIER);
                break;
            }
            EXPECT_EQ(longueur, std::strlen(mot.data()));
            lus += mot.data() + std::string(code == MOT_LU ? "," : ".");
        }
        EXPECT_EQ(mot[taille], '\x7F') << "byte written past the buffer";
        return lus;
    }

    fs::path dossier_;
    std::vector<std::FILE*> ouverts_;
};

TEST_F(FichiersTest, LectureMotAMot) {
    const std::string l49(49, 'a');
    const std::string l500(500, 'z');
    const std::string coupe(49, 'z'); // a longer word keeps its first 49 letters
    const struct {
        std::string contenu;
        std::uint16_t taille;
        std::string lus;
        std::size_t rapports;
    } cas[] = {{"grand gris\n", 50, "grand,gris,", 0},
               {"grand gris", 50, "grand,gris.", 0},
               {"", 50, "", 0},
               {" \t\n\r,;.'0123 \n\n", 50, "", 0},
               {"  \t\tun,\n\n;deux ... trois\r\n!?quatre", 50, "un,deux,trois,quatre.", 0},
               {"aigre-doux - l'air a2b\n", 50, "aigre-doux,-,l,air,a,b,", 0},
               {"gris\xFFvert\xFF\xFFrouge", 50, "gris,vert,rouge.", 0},
               {"fâché\n"_cp850, 50, "fâché,"_cp850, 0},
               // In Windows-1252 the e acute is a separator.
               {"fâché\n"_cp1252, 50, "fâch,"_cp1252, 0},
               // A word of taille - 1 letters fits whole and is still reported.
               {l49 + " b\n", 50, l49 + ",b,", 1},
               {"court " + l500 + " suivant\n" + l500, 50,
                "court," + coupe + ",suivant," + coupe + ".", 2},
               {"ab c\n", 2, "a,c,", 2},
               // Room for the terminator only: every word is empty, once reported.
               {"ab c\n", 1, ",,", 2}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        Enregistreur e;
        EXPECT_EQ(LireTout(cas[i].contenu, cas[i].taille), cas[i].lus);
        e.Attendre(
            cas[i].rapports,
            "fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en mémoire.\n"_cp850,
            "FICHIERS", "fLireMot");
    }
}

TEST_F(FichiersTest, TailleNulleOuFluxNulNEcriventRien) {
    Enregistreur e;
    std::FILE* f = Ouvrir("mot suite");
    ASSERT_NE(f, nullptr);
    char garde = 'G';
    std::uint16_t longueur = 99;
    EXPECT_EQ(fLireMot(f, &garde, &longueur, 0), MOT_LU);
    EXPECT_EQ(garde, 'G');
    EXPECT_EQ(longueur, 0);
    EXPECT_EQ(fLireMot(f, nullptr, nullptr, 0), DERNIER_MOT);
    EXPECT_EQ(fLireMot(f, &garde, &longueur, 0), FIN_FICHIER);
    EXPECT_EQ(fLireMot(nullptr, &garde, &longueur, 8), FIN_FICHIER);
    EXPECT_EQ(garde, 'G');
    EXPECT_TRUE(fFinFichier(nullptr));
    EXPECT_EQ(fPosition(nullptr), -1);
    EXPECT_FALSE(fChercherMot(nullptr, "x"));
    EXPECT_NE(fFermer(nullptr), 0);
}

TEST_F(FichiersTest, FinFichierNeConsommeRienEtFermer) {
    std::FILE* f = fOuvrir(Ecrire("ab").c_str(), "r");
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(fFinFichier(f));
    EXPECT_EQ(fPosition(f), 0);
    EXPECT_EQ(std::fgetc(f), 'a');
    EXPECT_FALSE(fFinFichier(f));
    EXPECT_EQ(std::fgetc(f), 'b');
    EXPECT_TRUE(fFinFichier(f));
    EXPECT_EQ(fPosition(f), 2);
    EXPECT_EQ(fFermer(f), 0);
}

TEST_F(FichiersTest, ChercherMot) {
    std::FILE* f = Ouvrir("un deux\ntrois-quatre cinq");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(fChercherMot(f, "cinq")); // last word, no final line end
    EXPECT_TRUE(fChercherMot(f, "un"));   // rewinds first
    EXPECT_EQ(fPosition(f), 3);           // just after "un" and its separator
    EXPECT_TRUE(fChercherMot(f, "trois-quatre"));
    EXPECT_FALSE(fChercherMot(f, "trois"));
    EXPECT_FALSE(fChercherMot(f, "cin"));
    EXPECT_FALSE(fChercherMot(f, ""));
    EXPECT_FALSE(fChercherMot(Ouvrir(""), "un"));
}

TEST_F(FichiersTest, OuvertureImpossibleAfficheeEtSignalee) {
    const std::string absent = (dossier_ / "except_Z.lex").string();
    const std::string present = Ecrire("x");
    EXPECT_TRUE(fExiste(present.c_str()));
    EXPECT_FALSE(fExiste(absent.c_str()) || fExiste(nullptr));
    // A directory is no word file.
    const struct {
        const char* nom;
        const char* mode;
    } cas[] = {
        {absent.c_str(), "r"}, {dossier_.c_str(), "r"}, {nullptr, "r"}, {present.c_str(), nullptr}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        Enregistreur e;
        testing::internal::CaptureStdout();
        EXPECT_EQ(fOuvrir(cas[i].nom, cas[i].mode), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Impossible d'ouvrir le fichier " + std::string(cas[i].nom ? cas[i].nom : "") +
                      ".\n");
        e.Attendre(1, "Opération impossible"_cp850, "GESTION DES FICHIERS", "fOuvrir");
    }
}

} // namespace
