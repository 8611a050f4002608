// The number stage on its own: plural marks, lexicons H, A and B.
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "Explications.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"
#include "PagesDeCode.h"

namespace {

using namespace explication;

constexpr std::uint8_t INCHANGE = 0xAA; // a gender code the stage must not touch

struct Nombre {
    std::string mot;
    int genre;
    int nombre;
    bool complet;
    std::string explication;
};

Nombre AnalyserLeNombre(const std::string& motUtf8) {
    char mot[TAILLE_MOT] = {};
    const std::string m = En1252(motUtf8);
    std::strncpy(mot, m.c_str(), TAILLE_MOT - 1);
    std::uint8_t genre = INCHANGE;
    std::uint8_t nombre = INCHANGE;
    const bool complet = AnalyserNombre(mot, &genre, &nombre);
    return {pages::Cp1252VersUtf8(mot), genre, nombre, complet, BufExplication};
}

class AnalyseNombre : public ::testing::Test {
  protected:
    void SetUp() override { LibererExceptions(); }
    void TearDown() override { LibererExceptions(); }
};

TEST_F(AnalyseNombre, SansMarqueDuPluriel) {
    for (const char* mot : {"petit", "grande", ""}) {
        const Nombre r = AnalyserLeNombre(mot);
        EXPECT_EQ(r.mot, mot);
        EXPECT_EQ(r.nombre, NOMBRE_SINGULIER);
        EXPECT_EQ(r.genre, INCHANGE);
        EXPECT_FALSE(r.complet);
        EXPECT_EQ(r.explication, N8);
    }
}

TEST_F(AnalyseNombre, SFinalMarqueDuPluriel) {
    Nombre r = AnalyserLeNombre("grands");
    EXPECT_EQ(r.mot, "grand");
    EXPECT_EQ(r.nombre, NOMBRE_PLURIEL);
    EXPECT_EQ(r.genre, INCHANGE);
    EXPECT_FALSE(r.complet);
    EXPECT_EQ(r.explication, N3);

    EXPECT_EQ(AnalyserLeNombre("grandes").mot, "grande");
    r = AnalyserLeNombre("s");
    EXPECT_EQ(r.mot, "");
    EXPECT_EQ(r.nombre, NOMBRE_PLURIEL);
    EXPECT_FALSE(r.complet);
}

TEST_F(AnalyseNombre, EauxPerdSeulementLeX) {
    for (const auto& [mot, lemme] :
         {std::pair{"beaux", "beau"}, std::pair{"eaux", "eau"}, std::pair{"nouveaux", "nouveau"}}) {
        const Nombre r = AnalyserLeNombre(mot);
        EXPECT_EQ(r.mot, lemme);
        EXPECT_EQ(r.genre, GENRE_MASCULIN);
        EXPECT_EQ(r.nombre, NOMBRE_PLURIEL);
        EXPECT_TRUE(r.complet);
        EXPECT_EQ(r.explication, N4);
    }
}

TEST_F(AnalyseNombre, AuxDevientAl) {
    for (const auto& [mot, lemme] :
         {std::pair{"loyaux", "loyal"}, std::pair{"aux", "al"}, std::pair{"normaux", "normal"}}) {
        const Nombre r = AnalyserLeNombre(mot);
        EXPECT_EQ(r.mot, lemme);
        EXPECT_EQ(r.genre, GENRE_MASCULIN);
        EXPECT_EQ(r.nombre, NOMBRE_PLURIEL);
        EXPECT_TRUE(r.complet);
        EXPECT_EQ(r.explication, N5);
    }
}

TEST_F(AnalyseNombre, XFinalIndetermineHorsListeB) {
    for (const char* mot : {"heureux", "x", "hébreux"}) {
        const Nombre r = AnalyserLeNombre(mot);
        EXPECT_EQ(r.mot, mot);
        EXPECT_EQ(r.nombre, NOMBRE_INDETERMINE);
        EXPECT_EQ(r.genre, INCHANGE);
        EXPECT_FALSE(r.complet);
        EXPECT_EQ(r.explication, N7);
    }
}

TEST_F(AnalyseNombre, XFinalDeLaListeB) {
    Remplir(ListeB, {"hébreux"});
    const Nombre r = AnalyserLeNombre("hébreux");
    EXPECT_EQ(r.mot, "hébreu");
    EXPECT_EQ(r.genre, GENRE_MASCULIN);
    EXPECT_EQ(r.nombre, NOMBRE_PLURIEL);
    EXPECT_TRUE(r.complet);
    EXPECT_EQ(r.explication, N6);
}

TEST_F(AnalyseNombre, SFinalDeLaListeA) {
    EXPECT_EQ(AnalyserLeNombre("gris").mot, "gri");
    Remplir(ListeA, {"anglais", "gris"});
    const Nombre r = AnalyserLeNombre("gris");
    EXPECT_EQ(r.mot, "gris");
    EXPECT_EQ(r.genre, GENRE_MASCULIN);
    EXPECT_EQ(r.nombre, NOMBRE_INDETERMINE);
    EXPECT_TRUE(r.complet);
    EXPECT_EQ(r.explication, N2);
}

TEST_F(AnalyseNombre, ListesAEtBConsulteesAvecLaFinale) {
    // Entries without their final letter do not match the typed word.
    Remplir(ListeA, {"gri"});
    Remplir(ListeB, {"hébreu"});
    EXPECT_EQ(AnalyserLeNombre("gris").explication, N3);
    EXPECT_EQ(AnalyserLeNombre("hébreux").explication, N7);
}

TEST_F(AnalyseNombre, ListeHAvantToutAutreTest) {
    Remplir(ListeH, {"marron", "bordeaux", "kakis"});
    for (const char* mot : {"marron", "bordeaux", "kakis"}) {
        const Nombre r = AnalyserLeNombre(mot);
        EXPECT_EQ(r.mot, mot);
        EXPECT_EQ(r.genre, GENRE_INVARIABLE);
        EXPECT_EQ(r.nombre, NOMBRE_INVARIABLE);
        EXPECT_TRUE(r.complet);
        EXPECT_EQ(r.explication, N1);
    }
    // Only the very form listed is invariable.
    const Nombre r = AnalyserLeNombre("marrons");
    EXPECT_EQ(r.mot, "marron");
    EXPECT_EQ(r.nombre, NOMBRE_PLURIEL);
    EXPECT_FALSE(r.complet);
    EXPECT_EQ(r.explication, N3);
}

TEST_F(AnalyseNombre, LexiquesVidesOuAbsentsNeCorrespondentJamais) {
    // Never loaded: null lists.
    ASSERT_EQ(ListeH, nullptr);
    EXPECT_EQ(AnalyserLeNombre("marron").explication, N8);
    EXPECT_EQ(AnalyserLeNombre("gris").explication, N3);
    // Loaded but empty.
    Remplir(ListeA, {});
    Remplir(ListeB, {});
    Remplir(ListeH, {});
    EXPECT_EQ(AnalyserLeNombre("marron").explication, N8);
    EXPECT_EQ(AnalyserLeNombre("gris").explication, N3);
    EXPECT_EQ(AnalyserLeNombre("hébreux").explication, N7);
}

TEST_F(AnalyseNombre, LeTexteRemplaceToujoursLePrecedent) {
    EcrireExplication(std::string(300, 'z').c_str());
    EXPECT_EQ(AnalyserLeNombre("grands").explication, N3);
    EXPECT_EQ(AnalyserLeNombre("petit").explication, N8);
}

TEST(EstDansListe, ListeNulleOuVideNeCorrespondJamais) {
    EXPECT_FALSE(EstDansListe("mot", nullptr));
    EXPECT_FALSE(EstDansListe("", nullptr));
    Liste* liste = nullptr;
    Remplir(liste, {});
    EXPECT_FALSE(EstDansListe("", liste));
    Remplir(liste, {"un", "deux"});
    EXPECT_TRUE(EstDansListe("deux", liste));
    EXPECT_FALSE(EstDansListe("deu", liste));
    EXPECT_FALSE(EstDansListe("Deux", liste));
    DetruitListeMots(liste);
}

} // namespace
