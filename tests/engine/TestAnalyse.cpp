// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The two analysis stages through AnalyserAdjectif, the bounds of its input,
// and the helpers of the gender stage.
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Explications.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"

namespace {

using namespace explication;

// Short names of the codes for the tables.
constexpr int Ma = GENRE_MASCULIN, Fe = GENRE_FEMININ, GI = GENRE_INDETERMINE;
constexpr int Si = NOMBRE_SINGULIER, Pl = NOMBRE_PLURIEL, NI = NOMBRE_INDETERMINE;
constexpr int V = GENRE_INVARIABLE; // the same code for the number

struct Cas {
    const char* mot;
    const char* lemme;
    int genre;
    int nombre;
    std::vector<const char*> textes; // the explanation, in order
};

void Verifier(const std::vector<Cas>& table) {
    for (const Cas& c : table) {
        std::string explication;
        for (const char* texte : c.textes) {
            explication += texte;
        }
        const Resultat r = Analyser(c.mot);
        EXPECT_EQ(r.lemme, c.lemme) << "row " << c.mot;
        EXPECT_EQ(r.genre, c.genre) << "row " << c.mot;
        EXPECT_EQ(r.nombre, c.nombre) << "row " << c.mot;
        EXPECT_EQ(r.explication, explication) << "row " << c.mot;
    }
}

class AnalyseComplete : public SansLexiques {};

// clang-format off
TEST_F(AnalyseComplete, ChaqueEtapeAvecLesLexiques) {
    Remplir(ListeH, {"marron", "bordeaux", "kakis"});
    Remplir(ListeA, {"gris"});
    Remplir(ListeB, {"hébreux"});
    Remplir(ListeC, {{"blanche", "blanc"}, {"nouvelle", "nouveau"}, {"facile", "facile"},
                     {"menteuse", "faux"}, {"rapide", "faux"}});
    Remplir(ListeD, {"facile", "rouge", "grave", "triste"});
    // Besides the forms used before a vowel, forms the gender stage would
    // rewrite if it ran after a conclusive number stage.
    Remplir(ListeE, {{"nouvel", "nouveau"}, {"bel", "beau"}, {"marron", "faux"}, {"gris", "faux"},
                     {"beau", "faux"}, {"loyal", "faux"}, {"hébreu", "faux"}});
    Remplir(ListeF, {"menteuse"});
    Remplir(ListeG, {{"laide", "laid"}});
    Verifier({
        // Number stage; list H comes before any cut.
        {"marron", "marron", V, V, {N1}},
        {"bordeaux", "bordeaux", V, V, {N1}},
        {"kakis", "kakis", V, V, {N1}},
        {"marrons", "faux", Ma, Pl, {N3, G1, G2}}, // only the form listed is invariable
        {"gris", "gris", Ma, NI, {N2}},
        {"grands", "grand", Ma, Pl, {N3, G1}},
        {"s", "", Ma, Pl, {N3, G1}},
        {"beaux", "beau", Ma, Pl, {N4}}, // "eaux" before "aux"
        {"eaux", "eau", Ma, Pl, {N4}},
        {"loyaux", "loyal", Ma, Pl, {N5}},
        {"aux", "al", Ma, Pl, {N5}},
        {"hébreux", "hébreu", Ma, Pl, {N6}},
        {"heureux", "heureux", Ma, NI, {N7, G1}},
        {"petit", "petit", Ma, Si, {N8, G1}},
        {"", "", Ma, Si, {N8, G1}},
        // Gender stage.
        {"aiguë", "aiguë", Ma, Si, {N8, G1}},
        {"nouvel", "nouveau", Ma, Si, {N8, G1, G2}},
        {"bels", "beau", Ma, Pl, {N3, G1, G2}},
        {"menteuse", "menteur", Fe, Si, {N8, G3}}, // "euse" before list C
        {"heureuse", "heureux", Fe, Si, {N8, G3}},
        {"menteuses", "menteur", Fe, Pl, {N3, G3}},
        {"laide", "laid", Fe, Si, {N8, G4}},
        {"laides", "laid", Fe, Pl, {N3, G4}},
        {"rapide", "rapide", GI, Si, {N8, G5}}, // "ide" before list C
        {"triste", "triste", GI, Si, {N8, G5}}, // "iste" before list D
        {"mammifère", "mammifère", GI, Si, {N8, G5}},
        {"blanche", "blanc", Fe, Si, {N8, G6}},
        {"nouvelle", "nouveau", Fe, Si, {N8, G6}}, // list C before the doubled consonant
        {"facile", "facile", Fe, Si, {N8, G6}},    // list C before list D
        {"rouge", "rouge", GI, Si, {N8, G7}},
        {"grave", "grave", GI, Si, {N8, G7}}, // list D before "ve"
        {"molle", "mou", Fe, Si, {N8, G8}},   // "olle" before the doubled consonant
        {"molles", "mou", Fe, Pl, {N3, G8}},
        {"belle", "bel", Fe, Si, {N8, G9}},
        {"grosse", "gros", Fe, Si, {N8, G9}}, // before "se"
        {"nette", "net", Fe, Si, {N8, G9}},   // before "te"
        {"elle", "el", Fe, Si, {N8, G9}},
        {"lle", "lle", GI, Si, {N8, G16}},
        {"protectrice", "protecteur", Fe, Si, {N8, G10}},
        {"créatrices", "créateur", Fe, Pl, {N3, G10}},
        {"grise", "gris", Fe, Si, {N8, G11}},
        {"neuve", "neuf", Fe, Si, {N8, G12}},
        {"chère", "cher", Fe, Si, {N8, G13}},
        {"complète", "complet", Fe, Si, {N8, G14}},
        {"bleue", "bleu", Fe, Si, {N8, G15}},
        {"aisée", "aisé", Fe, Si, {N8, G15}},
        {"grande", "grand", Fe, Si, {N8, G15}},
        {"petite", "petit", Fe, Si, {N8, G15}},
        {"jolie", "joli", Fe, Si, {N8, G15}},
        {"légale", "légal", Fe, Si, {N8, G15}},
        {"espagnole", "espagnol", Fe, Si, {N8, G15}},
        {"civile", "civil", Fe, Si, {N8, G15}},
        {"bleues", "bleu", Fe, Pl, {N3, G15}},
        {"publique", "publique", GI, Si, {N8, G16}},
        {"vague", "vague", GI, Si, {N8, G16}},
        {"mince", "mince", GI, Si, {N8, G16}},
        {"e", "e", GI, Si, {N8, G16}},
    });
}

// A lexicon never loaded (null) or loaded empty matches nothing.
TEST_F(AnalyseComplete, LexiquesAbsentsOuVides) {
    const std::vector<Cas> table = {
        {"marron", "marron", Ma, Si, {N8, G1}},
        {"gris", "gri", Ma, Pl, {N3, G1}},
        {"hébreux", "hébreux", Ma, NI, {N7, G1}},
        {"nouvel", "nouvel", Ma, Si, {N8, G1}},
        {"menteuse", "menteux", Fe, Si, {N8, G3}},
        {"laide", "laide", GI, Si, {N8, G5}}, // stops at the "ide" step
        {"blanche", "blanche", GI, Si, {N8, G16}},
        {"facile", "facil", Fe, Si, {N8, G15}},
    };
    Verifier(table);
    for (Liste** liste : {&ListeA, &ListeB, &ListeD, &ListeF, &ListeH,
                          &ListeC.Formes, &ListeC.Lemmes, &ListeE.Formes, &ListeE.Lemmes,
                          &ListeG.Formes, &ListeG.Lemmes}) {
        Remplir(*liste, {});
    }
    Verifier(table);
}
// clang-format on

TEST_F(AnalyseComplete, AucuneExplicationNeResteDeLaPrecedente) {
    Remplir(ListeG, {{"laide", "laid"}});
    EcrireExplication(std::string(300, 'z').c_str());
    EXPECT_EQ(Analyser("beaux").explication, N4);
    EXPECT_EQ(Analyser("laide").explication, std::string(N8) + G4);
    EXPECT_EQ(Analyser("heureux").explication, std::string(N7) + G1);
    EXPECT_EQ(Analyser("beaux").explication, N4);
}

TEST_F(AnalyseComplete, MotDeSoixanteCaracteresAnalyseSurCinquante) {
    // From the 51st character on, the word would be a plural.
    const Resultat r = Analyser(std::string(44, 'p') + "grande" + std::string(10, 's'));
    EXPECT_EQ(r.lemme, std::string(44, 'p') + "grand");
    EXPECT_EQ(r.nombre, NOMBRE_SINGULIER);
    EXPECT_EQ(r.explication, std::string(N8) + G15);
    EXPECT_EQ(Analyser(std::string(100000, 'a')).lemme, std::string(TAILLE_MOT - 1, 'a'));
}

TEST_F(AnalyseComplete, MotOuAnalyseNuls) {
    Analyse analyse;
    std::memset(&analyse, 0x55, sizeof analyse);
    EXPECT_EQ(AnalyserAdjectif(nullptr, &analyse), BufExplication);
    EXPECT_STREQ(analyse.Mot, "");
    EXPECT_EQ(analyse.CodeGenre, GENRE_MASCULIN);
    EXPECT_EQ(analyse.CodeNombre, NOMBRE_SINGULIER);
    EXPECT_EQ(std::string(BufExplication), std::string(N8) + G1);
    EXPECT_EQ(AnalyserAdjectif("petit", nullptr), BufExplication);
}

TEST(ConsonneDoublee, CasLimites) {
    // clang-format off
    const std::pair<std::string, bool> table[] = {
        {"elle", true}, {"bonne", true}, {"yyye", true}, // y is a consonant
        {"lle", false},                                  // three characters only
        {"", false}, {"aiee", false}, {"baae", false}, {"b--e", false},
        {"elll", true},                                  // the last character is not examined
        // In Windows-1252 é is no letter, while â is one of the table's consonants.
        {std::string("b\xE9\xE9") + "e", false}, {std::string("b\xE2\xE2") + "e", true},
    };
    // clang-format on
    for (const auto& [mot, attendu] : table) {
        EXPECT_EQ(ConsonneDoublee(mot.c_str()), attendu) << "row " << mot;
    }
}

TEST(LemmeCorrespondant, MemePositionSinonSignaleSansLectureHorsListe) {
    Liste *formes = nullptr, *lemmes = nullptr;
    Remplir(formes, {"un", "deux", "trois", "deux"});
    Remplir(lemmes, {"1", "2", "3", "4"});
    EnregistreurRapports rapports;
    char mot[TAILLE_MOT] = "trois";
    EXPECT_EQ(LemmeCorrespondant(mot, formes, lemmes), mot);
    EXPECT_STREQ(mot, "3");
    std::strcpy(mot, "deux"); // listed twice: the first occurrence wins
    LemmeCorrespondant(mot, formes, lemmes);
    EXPECT_STREQ(mot, "2");
    EXPECT_TRUE(rapports.rapports().empty());

    std::strcpy(mot, "quatre");
    LemmeCorrespondant(mot, formes, lemmes);
    LemmeCorrespondant(mot, nullptr, nullptr);
    EXPECT_STREQ(mot, "quatre");
    EXPECT_EQ(rapports.compter("Le lemme n'appartient pas à la liste d'entrée", "ADJORA",
                               "LemmeCorrespondant"),
              2);

    std::strcpy(mot, "trois");
    Remplir(lemmes, {"1"}); // no third lemma
    LemmeCorrespondant(mot, formes, lemmes);
    LemmeCorrespondant(mot, formes, nullptr);
    EXPECT_STREQ(mot, "trois");
    Remplir(lemmes, {"1", "2", std::string(70, 'l').c_str()}); // cut to the record's size
    LemmeCorrespondant(mot, formes, lemmes);
    EXPECT_EQ(std::string(mot), std::string(TAILLE_MOT - 1, 'l'));
    Detruire(formes);
    Detruire(lemmes);
}

} // namespace
