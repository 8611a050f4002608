// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Regression test of the shipped lexicons: loads data/except_*.lex and
// measures the engine over a fixed sample of French adjective forms.
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "AdjoraConfig.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"

namespace {

// Accuracy the shipped lexicons reach on the sample; a lower figure means a
// regression in the lexicons or in the rules.
constexpr double kSeuilLemme = 99.7;
constexpr double kSeuilGenre = 98.9;
constexpr double kSeuilNombre = 99.8;
// The common adjectives miss only what no lexicon can reach (aiguë, chic, faux).
constexpr double kSeuilCourantsLemme = 99.0;
constexpr double kSeuilCourantsGenre = 98.9;

// One reference analysis: lemma, gender (m, f, e for both), number (s, p, i for both).
struct Reference {
    std::string lemme;
    char genre;
    char nombre;
};

struct Forme {
    std::string mot;
    std::vector<Reference> references;
    bool courante;
};

// Lines "form lemma gender number common", tab-separated; a form with several
// analyses takes several consecutive lines.
std::vector<Forme> LireEchantillon() {
    std::ifstream fichier(ADJORA_ECHANTILLON);
    std::vector<Forme> formes;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        std::istringstream champs(ligne);
        std::string mot, lemme, genre, nombre, courant;
        for (std::string* champ : {&mot, &lemme, &genre, &nombre, &courant}) {
            std::getline(champs, *champ, '\t');
        }
        if (mot.empty() || lemme.empty() || genre.size() != 1 || nombre.size() != 1) {
            ADD_FAILURE() << "ligne illisible : " << ligne;
        } else if (formes.empty() || formes.back().mot != mot) {
            formes.push_back({mot, {{lemme, genre[0], nombre[0]}}, courant == "1"});
        } else {
            formes.back().references.push_back({lemme, genre[0], nombre[0]});
        }
    }
    return formes;
}

struct Bilan {
    std::size_t formes = 0, lemmes = 0, genres = 0, nombres = 0;
    std::string fautes; // the first thirty, for the failure message
    double pc(std::size_t n) const { return formes ? 100.0 * n / formes : 0.0; }
};

// Scores each answer against the reference whose lemma it gave, else the first one.
Bilan Mesurer(const std::vector<Forme>& formes, bool seulementCourantes) {
    Bilan b;
    int fautes = 0;
    for (const Forme& f : formes) {
        if (seulementCourantes && !f.courante) {
            continue;
        }
        const Resultat r = Analyser(f.mot);
        const Reference* cible = &f.references.front();
        for (const Reference& ref : f.references) {
            cible = ref.lemme == r.lemme ? &ref : cible;
        }
        const bool lemme = cible->lemme == r.lemme;
        // The letter of each code: 'e' and 'i' take the undetermined and invariable codes.
        const bool genre = r.genre < 4 && "mfee"[r.genre] == cible->genre;
        const bool nombre = r.nombre < 4 && "spii"[r.nombre] == cible->nombre;
        ++b.formes;
        b.lemmes += lemme;
        b.genres += genre;
        b.nombres += nombre;
        if (!(lemme && genre && nombre) && ++fautes <= 30) {
            b.fautes += "  " + f.mot + " -> " + r.lemme + "/" + std::to_string(r.genre) + "/" +
                        std::to_string(r.nombre) + "\n";
        }
    }
    return b;
}

// Loads the shipped lexicons; returns the reports raised meanwhile.
std::vector<std::string> ChargerLivres() {
    EnregistreurRapports rapports;
    DansDossier donnees(ADJORA_DONNEES_BUILD);
    ChargerExceptions();
    return rapports.rapports();
}

class LexiquesLivres : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        rapports_ = ChargerLivres();
        formes_ = LireEchantillon();
    }
    static void TearDownTestSuite() { LibererExceptions(); }
    static inline std::vector<std::string> rapports_;
    static inline std::vector<Forme> formes_;
};

TEST_F(LexiquesLivres, ChargesSansRapportRemplisEtApparies) {
    EXPECT_EQ(rapports_, std::vector<std::string>{});
    for (Liste* liste : {ListeA, ListeB, ListeD, ListeF, ListeH}) {
        EXPECT_GT(NbElements(liste), 0);
    }
    for (const ListeDouble* paires : {&ListeC, &ListeE, &ListeG}) {
        EXPECT_GT(NbElements(paires->Formes), 0);
        EXPECT_EQ(NbElements(paires->Formes), NbElements(paires->Lemmes));
    }
}

TEST_F(LexiquesLivres, PrecisionSurLEchantillonEtLesAdjectifsCourants) {
    const Bilan b = Mesurer(formes_, false);
    ASSERT_GE(b.formes, 5000u);
    EXPECT_GE(b.pc(b.lemmes), kSeuilLemme) << b.fautes;
    EXPECT_GE(b.pc(b.genres), kSeuilGenre) << b.fautes;
    EXPECT_GE(b.pc(b.nombres), kSeuilNombre) << b.fautes;
    const Bilan courants = Mesurer(formes_, true);
    ASSERT_GT(courants.formes, 500u);
    EXPECT_GE(courants.pc(courants.lemmes), kSeuilCourantsLemme) << courants.fautes;
    EXPECT_GE(courants.pc(courants.genres), kSeuilCourantsGenre) << courants.fautes;
}

// The thresholds are out of reach of the rules alone: without the lexicons
// the same measure fails, so a lost or emptied lexicon cannot go unnoticed.
TEST_F(LexiquesLivres, LesReglesSeulesNAtteignentPasLesSeuils) {
    LibererExceptions();
    const Bilan seules = Mesurer(formes_, false);
    const Bilan courants = Mesurer(formes_, true);
    EXPECT_TRUE(ChargerLivres().empty());
    EXPECT_LT(seules.pc(seules.lemmes), kSeuilLemme);
    EXPECT_LT(seules.pc(seules.genres), kSeuilGenre);
    EXPECT_LT(courants.pc(courants.lemmes), kSeuilCourantsLemme);
}

// The cases of the original complaint, each fixed by a different lexicon.
TEST_F(LexiquesLivres, CasSignales) {
    const struct {
        const char* mot;
        const char* lemme;
        int genre;
        int nombre;
    } table[] = {
        {"faciles", "facile", GENRE_INDETERMINE, NOMBRE_PLURIEL},
        {"anglais", "anglais", GENRE_MASCULIN, NOMBRE_INDETERMINE},
        {"africaine", "africain", GENRE_FEMININ, NOMBRE_SINGULIER},
        {"belles", "beau", GENRE_FEMININ, NOMBRE_PLURIEL},
        {"jalouse", "jaloux", GENRE_FEMININ, NOMBRE_SINGULIER},
        {"nouvel", "nouveau", GENRE_MASCULIN, NOMBRE_SINGULIER},
        {"hébreux", "hébreu", GENRE_MASCULIN, NOMBRE_PLURIEL},
        {"menteuse", "menteur", GENRE_FEMININ, NOMBRE_SINGULIER},
        {"laide", "laid", GENRE_FEMININ, NOMBRE_SINGULIER},
        {"kaki", "kaki", GENRE_INVARIABLE, NOMBRE_INVARIABLE},
    };
    for (const auto& c : table) {
        const Resultat r = Analyser(c.mot);
        EXPECT_EQ(r.lemme, c.lemme) << "row " << c.mot;
        EXPECT_EQ(r.genre, c.genre) << "row " << c.mot;
        EXPECT_EQ(r.nombre, c.nombre) << "row " << c.mot;
    }
}

} // namespace
