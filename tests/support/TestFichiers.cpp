#include "Fichiers.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kTropGrand =
    "fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en mémoire.\n"_cp850;

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

    // Every (code, word) pair up to and including FIN_FICHIER.
    std::vector<std::pair<int, std::string>> LireTout(const std::string& contenu,
                                                      std::uint16_t taille = 50) {
        std::FILE* f = Ouvrir(contenu);
        std::vector<std::pair<int, std::string>> lus;
        if (f == nullptr) {
            return lus;
        }
        std::vector<char> mot(taille + 1, '\x7F');
        for (int garde = 0; garde < 10000; ++garde) {
            std::uint16_t longueur = 9999;
            const int code = fLireMot(f, mot.data(), &longueur, taille);
            if (code == FIN_FICHIER) {
                lus.emplace_back(code, "");
                break;
            }
            EXPECT_EQ(longueur, std::strlen(mot.data()));
            lus.emplace_back(code, mot.data());
        }
        EXPECT_EQ(mot[taille], '\x7F') << "byte written past the buffer";
        return lus;
    }

    fs::path dossier_;
    std::vector<std::FILE*> ouverts_;
};

using Lus = std::vector<std::pair<int, std::string>>;

TEST_F(FichiersTest, DeuxMotsAvecFinDeLigneFinale) {
    EXPECT_EQ(LireTout("grand gris\n"),
              (Lus{{MOT_LU, "grand"}, {MOT_LU, "gris"}, {FIN_FICHIER, ""}}));
}

TEST_F(FichiersTest, DeuxMotsSansFinDeLigneFinale) {
    EXPECT_EQ(LireTout("grand gris"),
              (Lus{{MOT_LU, "grand"}, {DERNIER_MOT, "gris"}, {FIN_FICHIER, ""}}));
}

TEST_F(FichiersTest, LongueurRenseignee) {
    std::FILE* f = Ouvrir("heureux");
    ASSERT_NE(f, nullptr);
    char mot[50];
    std::uint16_t longueur = 0;
    EXPECT_EQ(fLireMot(f, mot, &longueur, 50), DERNIER_MOT);
    EXPECT_EQ(longueur, 7);
    EXPECT_EQ(fLireMot(f, mot, &longueur, 50), FIN_FICHIER);
    EXPECT_EQ(fLireMot(f, mot, &longueur, 50), FIN_FICHIER);
}

TEST_F(FichiersTest, FichierVideOuSeparateursSeulsLaissentLeTampon) {
    for (const std::string& contenu : {std::string(), std::string(" \t\n\r,;.'0123 \n\n")}) {
        std::FILE* f = Ouvrir(contenu);
        ASSERT_NE(f, nullptr);
        char mot[50] = "avant";
        std::uint16_t longueur = 42;
        EXPECT_EQ(fLireMot(f, mot, &longueur, 50), FIN_FICHIER);
        EXPECT_STREQ(mot, "avant");
        EXPECT_EQ(longueur, 42);
    }
}

TEST_F(FichiersTest, SeparateursDeToutesSortes) {
    EXPECT_EQ(LireTout("  \t\tun,\n\n;deux ... trois\r\n!?quatre"), (Lus{{MOT_LU, "un"},
                                                                         {MOT_LU, "deux"},
                                                                         {MOT_LU, "trois"},
                                                                         {DERNIER_MOT, "quatre"},
                                                                         {FIN_FICHIER, ""}}));
}

TEST_F(FichiersTest, TraitsDUnionApostrophesEtChiffres) {
    EXPECT_EQ(LireTout("aigre-doux - l'air a2b\n"), (Lus{{MOT_LU, "aigre-doux"},
                                                         {MOT_LU, "-"},
                                                         {MOT_LU, "l"},
                                                         {MOT_LU, "air"},
                                                         {MOT_LU, "a"},
                                                         {MOT_LU, "b"},
                                                         {FIN_FICHIER, ""}}));
}

TEST_F(FichiersTest, Octet255SepareEtLaLectureContinue) {
    EXPECT_EQ(LireTout("gris\xFFvert\xFF\xFFrouge"),
              (Lus{{MOT_LU, "gris"}, {MOT_LU, "vert"}, {DERNIER_MOT, "rouge"}, {FIN_FICHIER, ""}}));
}

TEST_F(FichiersTest, LettresAccentueesDeLaPage850) {
    const std::string mot = "fâché"_cp850;
    EXPECT_EQ(LireTout(mot + "\n"), (Lus{{MOT_LU, mot}, {FIN_FICHIER, ""}}));
    // In Windows-1252 the e acute is a separator.
    EXPECT_EQ(LireTout(std::string("fâché"_cp1252) + "\n"),
              (Lus{{MOT_LU, "f" + std::string("â"_cp1252) + "ch"}, {FIN_FICHIER, ""}}));
}

TEST_F(FichiersTest, MotDeTailleMoinsUnLivreEntierAvecUnRapport) {
    Enregistreur e;
    const std::string long49(49, 'a');
    EXPECT_EQ(LireTout(long49 + " b\n"), (Lus{{MOT_LU, long49}, {MOT_LU, "b"}, {FIN_FICHIER, ""}}));
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, kTropGrand);
    EXPECT_EQ(e.Dernier().module, "FICHIERS");
    EXPECT_EQ(e.Dernier().fonction, "fLireMot");
    // The message ends in a line feed: an empty line comes before the module.
    EXPECT_NE(e.Dernier().texte.find("en mémoire.\n\n* MODULE : FICHIERS\n"_cp850),
              std::string::npos);
}

TEST_F(FichiersTest, MotTropLongTronqueEtLectureReprendApresLui) {
    Enregistreur e;
    const std::string enorme(500, 'z');
    EXPECT_EQ(LireTout("court " + enorme + " suivant\n" + enorme),
              (Lus{{MOT_LU, "court"},
                   {MOT_LU, std::string(49, 'z')},
                   {MOT_LU, "suivant"},
                   {DERNIER_MOT, std::string(49, 'z')},
                   {FIN_FICHIER, ""}}));
    EXPECT_EQ(e.Nombre(), 2u); // once per long word
}

TEST_F(FichiersTest, PetitsTampons) {
    Enregistreur e;
    EXPECT_EQ(LireTout("ab c\n", 2), (Lus{{MOT_LU, "a"}, {MOT_LU, "c"}, {FIN_FICHIER, ""}}));
    EXPECT_EQ(e.Nombre(), 2u);
    e.rapports.clear();
    // Room for the terminator only: every word is empty, once reported.
    EXPECT_EQ(LireTout("ab c\n", 1), (Lus{{MOT_LU, ""}, {MOT_LU, ""}, {FIN_FICHIER, ""}}));
    EXPECT_EQ(e.Nombre(), 2u);
    // Nothing at all is written with taille 0.
    std::FILE* f = Ouvrir("mot suite");
    ASSERT_NE(f, nullptr);
    char garde = 'G';
    std::uint16_t longueur = 99;
    EXPECT_EQ(fLireMot(f, &garde, &longueur, 0), MOT_LU);
    EXPECT_EQ(garde, 'G');
    EXPECT_EQ(longueur, 0);
    EXPECT_EQ(fLireMot(f, nullptr, nullptr, 0), DERNIER_MOT);
    EXPECT_EQ(fLireMot(f, &garde, &longueur, 0), FIN_FICHIER);
}

TEST_F(FichiersTest, FluxNul) {
    char mot[8] = "x";
    std::uint16_t longueur = 3;
    EXPECT_EQ(fLireMot(nullptr, mot, &longueur, 8), FIN_FICHIER);
    EXPECT_STREQ(mot, "x");
    EXPECT_TRUE(fFinFichier(nullptr));
    EXPECT_EQ(fPosition(nullptr), -1);
    EXPECT_FALSE(fChercherMot(nullptr, "x"));
    EXPECT_NE(fFermer(nullptr), 0);
}

TEST_F(FichiersTest, FinFichierNeConsommeRien) {
    std::FILE* f = Ouvrir("ab");
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(fFinFichier(f));
    EXPECT_EQ(fPosition(f), 0);
    EXPECT_EQ(std::fgetc(f), 'a');
    EXPECT_EQ(fPosition(f), 1);
    EXPECT_FALSE(fFinFichier(f));
    EXPECT_EQ(std::fgetc(f), 'b');
    EXPECT_TRUE(fFinFichier(f));
    EXPECT_EQ(fPosition(f), 2);
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
    std::FILE* vide = Ouvrir("");
    ASSERT_NE(vide, nullptr);
    EXPECT_FALSE(fChercherMot(vide, "un"));
}

TEST_F(FichiersTest, ExisteEtFermer) {
    const std::string nom = Ecrire("x", "present.lex");
    EXPECT_TRUE(fExiste(nom.c_str()));
    EXPECT_FALSE(fExiste((dossier_ / "absent.lex").string().c_str()));
    EXPECT_FALSE(fExiste(nullptr));
    std::FILE* f = fOuvrir(nom.c_str(), "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fFermer(f), 0);
}

TEST_F(FichiersTest, OuvertureImpossibleAfficheeEtSignalee) {
    Enregistreur e;
    const std::string absent = (dossier_ / "except_Z.lex").string();
    testing::internal::CaptureStdout();
    EXPECT_EQ(fOuvrir(absent.c_str(), "r"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Impossible d'ouvrir le fichier " + absent + ".\n");
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, std::string("Opération impossible"_cp850));
    EXPECT_EQ(e.Dernier().module, "GESTION DES FICHIERS");
    EXPECT_EQ(e.Dernier().fonction, "fOuvrir");
}

TEST_F(FichiersTest, UnRepertoireNEstPasUnFichierDeMots) {
    Enregistreur e;
    testing::internal::CaptureStdout();
    EXPECT_EQ(fOuvrir(dossier_.string().c_str(), "r"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Impossible d'ouvrir le fichier " + dossier_.string() + ".\n");
    EXPECT_EQ(e.Nombre(), 1u);
}

TEST_F(FichiersTest, ArgumentsNulsOuModeInvalide) {
    Enregistreur e;
    testing::internal::CaptureStdout();
    EXPECT_EQ(fOuvrir(nullptr, "r"), nullptr);
    EXPECT_EQ(fOuvrir(Ecrire("x").c_str(), nullptr), nullptr);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(e.Nombre(), 2u);
}

} // namespace
