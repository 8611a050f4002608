// The gender stage and the whole analysis through AnalyserAdjectif.
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Explications.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"
#include "PagesDeCode.h"

namespace {

using namespace explication;

struct Cas {
    const char* mot;
    const char* lemme;
};

class AnalyseGenre : public ::testing::Test {
  protected:
    void SetUp() override { LibererExceptions(); }
    void TearDown() override { LibererExceptions(); }

    // Every word gives its lemma, the gender and number codes and ends its
    // explanation with `fin`, after the number stage's text `debut`.
    static void Verifier(const std::vector<Cas>& cas, int genre, int nombre, const char* debut,
                         const char* fin) {
        for (const Cas& c : cas) {
            const Resultat r = Analyser(c.mot);
            EXPECT_EQ(r.lemme, c.lemme) << c.mot;
            EXPECT_EQ(r.genre, genre) << c.mot;
            EXPECT_EQ(r.nombre, nombre) << c.mot;
            EXPECT_EQ(r.explication, std::string(debut) + fin) << c.mot;
        }
    }
};

TEST_F(AnalyseGenre, SansEFinalMasculin) {
    Verifier({{"petit", "petit"}, {"", ""}, {"nouvel", "nouvel"}, {"aiguë", "aiguë"}},
             GENRE_MASCULIN, NOMBRE_SINGULIER, N8, G1);
    Verifier({{"grands", "grand"}}, GENRE_MASCULIN, NOMBRE_PLURIEL, N3, G1);
    Verifier({{"heureux", "heureux"}}, GENRE_MASCULIN, NOMBRE_INDETERMINE, N7, G1);
}

TEST_F(AnalyseGenre, FormeDevantVoyelleDeLaListeE) {
    Remplir(ListeE, {{"bel", "beau"}, {"nouvel", "nouveau"}});
    Verifier({{"nouvel", "nouveau"}, {"bel", "beau"}}, GENRE_MASCULIN, NOMBRE_SINGULIER, N8,
             (std::string(G1) + G2).c_str());
    Verifier({{"bels", "beau"}}, GENRE_MASCULIN, NOMBRE_PLURIEL, N3,
             (std::string(G1) + G2).c_str());
}

TEST_F(AnalyseGenre, EuseVersEuxOuEur) {
    Verifier({{"heureuse", "heureux"}, {"trompeuse", "trompeux"}, {"menteuse", "menteux"}},
             GENRE_FEMININ, NOMBRE_SINGULIER, N8, G3);
    Remplir(ListeF, {"trompeuse", "menteuse"});
    Verifier({{"trompeuse", "trompeur"}, {"menteuse", "menteur"}, {"heureuse", "heureux"}},
             GENRE_FEMININ, NOMBRE_SINGULIER, N8, G3);
    Verifier({{"menteuses", "menteur"}}, GENRE_FEMININ, NOMBRE_PLURIEL, N3, G3);
}

TEST_F(AnalyseGenre, FereIsteIdeIndeterminesSaufListeG) {
    Verifier({{"triste", "triste"},
              {"rapide", "rapide"},
              {"laide", "laide"},
              {"mammifère", "mammifère"}},
             GENRE_INDETERMINE, NOMBRE_SINGULIER, N8, G5);
    Remplir(ListeG, {{"laide", "laid"}, {"froide", "froid"}});
    Verifier({{"laide", "laid"}, {"froide", "froid"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8, G4);
    Verifier({{"laides", "laid"}}, GENRE_FEMININ, NOMBRE_PLURIEL, N3, G4);
    Verifier({{"rapide", "rapide"}}, GENRE_INDETERMINE, NOMBRE_SINGULIER, N8, G5);
}

TEST_F(AnalyseGenre, EuseFereIsteIdeIgnorentLesListesCEtD) {
    Remplir(ListeC, {{"menteuse", "faux"}, {"triste", "faux"}, {"laide", "faux"}});
    Remplir(ListeD, {"menteuse", "triste", "laide"});
    Verifier({{"menteuse", "menteux"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8, G3);
    Verifier({{"triste", "triste"}, {"laide", "laide"}}, GENRE_INDETERMINE, NOMBRE_SINGULIER, N8,
             G5);
}

TEST_F(AnalyseGenre, ListeCPuisListeDAvantLesTerminaisons) {
    Verifier({{"blanche", "blanche"}}, GENRE_INDETERMINE, NOMBRE_SINGULIER, N8, G16);
    Verifier({{"facile", "facil"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8, G15);
    Remplir(ListeC, {{"blanche", "blanc"}, {"nouvelle", "nouveau"}, {"facile", "facile"}});
    Remplir(ListeD, {"facile", "rouge", "grave"});
    // C wins over D, and both over the doubled consonant and the endings.
    Verifier({{"blanche", "blanc"}, {"nouvelle", "nouveau"}, {"facile", "facile"}}, GENRE_FEMININ,
             NOMBRE_SINGULIER, N8, G6);
    Verifier({{"rouge", "rouge"}, {"grave", "grave"}}, GENRE_INDETERMINE, NOMBRE_SINGULIER, N8, G7);
}

TEST_F(AnalyseGenre, OlleAvantLaConsonneDoublee) {
    Verifier({{"molle", "mou"}, {"folle", "fou"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8, G8);
    Verifier({{"molles", "mou"}}, GENRE_FEMININ, NOMBRE_PLURIEL, N3, G8);
}

TEST_F(AnalyseGenre, ConsonneDoubleeAvantLesAutresTerminaisons) {
    Verifier({{"belle", "bel"},
              {"bonne", "bon"},
              {"cruelle", "cruel"},
              {"grosse", "gros"},
              {"nette", "net"},
              {"elle", "el"}},
             GENRE_FEMININ, NOMBRE_SINGULIER, N8, G9);
    Verifier({{"belles", "bel"}}, GENRE_FEMININ, NOMBRE_PLURIEL, N3, G9);
    Verifier({{"lle", "lle"}}, GENRE_INDETERMINE, NOMBRE_SINGULIER, N8, G16);
}

TEST_F(AnalyseGenre, TerminaisonsParticulieres) {
    Verifier({{"protectrice", "protecteur"}, {"créatrice", "créateur"}}, GENRE_FEMININ,
             NOMBRE_SINGULIER, N8, G10);
    Verifier({{"grise", "gris"}, {"jalouse", "jalous"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8, G11);
    Verifier({{"neuve", "neuf"}, {"active", "actif"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8, G12);
    Verifier({{"chère", "cher"}, {"première", "premier"}}, GENRE_FEMININ, NOMBRE_SINGULIER, N8,
             G13);
    Verifier({{"complète", "complet"}, {"inquiète", "inquiet"}}, GENRE_FEMININ, NOMBRE_SINGULIER,
             N8, G14);
    Verifier({{"créatrices", "créateur"}}, GENRE_FEMININ, NOMBRE_PLURIEL, N3, G10);
}

TEST_F(AnalyseGenre, RegleGenerale) {
    Verifier({{"bleue", "bleu"},
              {"aisée", "aisé"},
              {"grande", "grand"},
              {"petite", "petit"},
              {"jolie", "joli"},
              {"légale", "légal"},
              {"espagnole", "espagnol"},
              {"civile", "civil"}},
             GENRE_FEMININ, NOMBRE_SINGULIER, N8, G15);
    Verifier({{"bleues", "bleu"}, {"grandes", "grand"}}, GENRE_FEMININ, NOMBRE_PLURIEL, N3, G15);
}

TEST_F(AnalyseGenre, GenreIndetermine) {
    Verifier({{"publique", "publique"},
              {"vague", "vague"},
              {"rouge", "rouge"},
              {"mince", "mince"},
              {"e", "e"},
              {"blanche", "blanche"}},
             GENRE_INDETERMINE, NOMBRE_SINGULIER, N8, G16);
}

TEST_F(AnalyseGenre, EtapeDuNombreConcluanteSansEtapeDuGenre) {
    Remplir(ListeH, {"orange"});
    Remplir(ListeA, {"gris"});
    Remplir(ListeB, {"hébreux"});
    // Forms the gender stage would rewrite if it ran.
    Remplir(ListeE, {{"gris", "faux"}, {"hébreu", "faux"}, {"beau", "faux"}, {"loyal", "faux"}});
    struct Attendu {
        const char* mot;
        const char* lemme;
        int genre;
        int nombre;
        const char* explication;
    };
    for (const Attendu& a :
         {Attendu{"orange", "orange", 3, 3, N1}, Attendu{"gris", "gris", 0, 2, N2},
          Attendu{"beaux", "beau", 0, 1, N4}, Attendu{"loyaux", "loyal", 0, 1, N5},
          Attendu{"hébreux", "hébreu", 0, 1, N6}}) {
        const Resultat r = Analyser(a.mot);
        EXPECT_EQ(r.lemme, a.lemme);
        EXPECT_EQ(r.genre, a.genre);
        EXPECT_EQ(r.nombre, a.nombre);
        EXPECT_EQ(r.explication, a.explication) << a.mot;
    }
}

TEST_F(AnalyseGenre, LexiquesNonChargesSansPlantage) {
    ASSERT_EQ(ListeC.Formes, nullptr);
    for (const char* mot : {"blanche", "facile", "nouvel", "laide", "trompeuse", "bleues"}) {
        const Resultat r = Analyser(mot);
        EXPECT_FALSE(r.explication.empty()) << mot;
    }
}

TEST(ConsonneDoublee, CasLimites) {
    EXPECT_TRUE(ConsonneDoublee("elle"));
    EXPECT_TRUE(ConsonneDoublee("bonne"));
    EXPECT_TRUE(ConsonneDoublee("yyye")); // y is a consonant
    EXPECT_FALSE(ConsonneDoublee("lle")); // three characters
    EXPECT_FALSE(ConsonneDoublee(""));
    EXPECT_FALSE(ConsonneDoublee("aiee")); // i and e differ
    EXPECT_FALSE(ConsonneDoublee("baae")); // doubled vowel
    EXPECT_FALSE(ConsonneDoublee("b--e")); // doubled hyphen
    EXPECT_FALSE(ConsonneDoublee("bll"));
    EXPECT_TRUE(ConsonneDoublee("elll")); // the last character is not examined
    // In Windows-1252 é is no letter, while â happens to be one of the table letters.
    EXPECT_FALSE(ConsonneDoublee("b\xE9\xE9"
                                 "e"));
    EXPECT_TRUE(ConsonneDoublee("b\xE2\xE2"
                                "e"));
}

class Correspondance : public ::testing::Test {
  protected:
    void SetUp() override {
        Remplir(formes_, {"un", "deux", "trois", "deux"});
        Remplir(lemmes_, {"1", "2", "3", "4"});
    }
    void TearDown() override {
        DetruitListeMots(formes_);
        DetruitListeMots(lemmes_);
    }
    Liste* formes_ = nullptr;
    Liste* lemmes_ = nullptr;
};

TEST_F(Correspondance, LemmeALaMemePosition) {
    EnregistreurRapports rapports;
    char mot[TAILLE_MOT] = "trois";
    EXPECT_EQ(LemmeCorrespondant(mot, formes_, lemmes_), mot);
    EXPECT_STREQ(mot, "3");
    std::strcpy(mot, "deux"); // listed twice: the first occurrence wins
    LemmeCorrespondant(mot, formes_, lemmes_);
    EXPECT_STREQ(mot, "2");
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Correspondance, FormeAbsenteSignaleeEtMotInchange) {
    EnregistreurRapports rapports;
    char mot[TAILLE_MOT] = "quatre";
    EXPECT_EQ(LemmeCorrespondant(mot, formes_, lemmes_), mot);
    EXPECT_STREQ(mot, "quatre");
    LemmeCorrespondant(mot, nullptr, nullptr);
    EXPECT_STREQ(mot, "quatre");
    EXPECT_EQ(rapports.compter("Le lemme n'appartient pas à la liste d'entrée", "ADJORA",
                               "LemmeCorrespondant"),
              2);
}

TEST_F(Correspondance, ListeDesLemmesIncompleteSansLectureHorsListe) {
    EnregistreurRapports rapports;
    Liste* courte = nullptr;
    Remplir(courte, {"1"});
    char mot[TAILLE_MOT] = "trois";
    LemmeCorrespondant(mot, formes_, courte);
    EXPECT_STREQ(mot, "trois");
    LemmeCorrespondant(mot, formes_, nullptr);
    EXPECT_STREQ(mot, "trois");
    DetruitListeMots(courte);
}

TEST_F(Correspondance, LemmeTropLongCoupeALaTailleDuMot) {
    Liste* longs = nullptr;
    const std::string long70(70, 'l');
    Remplir(longs, {"1", "2", long70.c_str()});
    char mot[TAILLE_MOT] = "trois";
    LemmeCorrespondant(mot, formes_, longs);
    EXPECT_EQ(std::string(mot), std::string(TAILLE_MOT - 1, 'l'));
    DetruitListeMots(longs);
}

class Entree : public ::testing::Test {
  protected:
    void SetUp() override { LibererExceptions(); }
};

TEST_F(Entree, MotDePlusDeCinquanteCaracteresCoupe) {
    // The 51st character onwards would make this a plural.
    const std::string debut = std::string(44, 'p') + "grande";
    ASSERT_EQ(debut.size(), 50u);
    const Resultat r = Analyser(debut + "ssssssssss");
    EXPECT_EQ(r.lemme, std::string(44, 'p') + "grand");
    EXPECT_EQ(r.nombre, NOMBRE_SINGULIER);
    EXPECT_EQ(r.explication, std::string(N8) + G15);

    Analyse analyse;
    const std::string enorme(100000, 'a');
    AnalyserAdjectif(enorme.c_str(), &analyse);
    EXPECT_EQ(std::strlen(analyse.Mot), TAILLE_MOT - 1);
}

TEST_F(Entree, MotVideOuNul) {
    Analyse analyse;
    std::memset(&analyse, 0x55, sizeof analyse);
    const char* explication = AnalyserAdjectif(nullptr, &analyse);
    EXPECT_EQ(explication, BufExplication);
    EXPECT_STREQ(analyse.Mot, "");
    EXPECT_EQ(analyse.CodeGenre, GENRE_MASCULIN);
    EXPECT_EQ(analyse.CodeNombre, NOMBRE_SINGULIER);
    EXPECT_EQ(std::string(explication), std::string(N8) + G1);
    EXPECT_EQ(AnalyserAdjectif("petit", nullptr), BufExplication);
}

TEST_F(Entree, DeuxAnalysesDeSuiteSansResteDeLaPremiere) {
    Remplir(ListeG, {{"laide", "laid"}});
    EXPECT_EQ(Analyser("laide").explication, std::string(N8) + G4);
    EXPECT_EQ(Analyser("heureux").explication, std::string(N7) + G1);
    EXPECT_EQ(Analyser("beaux").explication, N4);
    LibererExceptions();
}

} // namespace
