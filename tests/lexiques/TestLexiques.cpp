// Regression test of the shipped lexicons: loads data/except_*.lex and
// measures the engine over a fixed sample of French adjective forms.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AdjoraConfig.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

namespace {

// Accuracy the shipped lexicons reach on the sample; a lower figure means a
// regression in the lexicons or in the rules.
constexpr double kSeuilLemme = 99.7;
constexpr double kSeuilGenre = 98.9;
constexpr double kSeuilNombre = 99.8;
// The common adjectives miss only what no lexicon can reach (aiguë, chic, faux).
constexpr double kSeuilCourantsLemme = 99.0;
constexpr double kSeuilCourantsGenre = 98.9;
constexpr std::size_t kFormesMin = 5000;

struct Analyse_ {
    std::string lemme;
    char genre;  // m, f, e (both)
    char nombre; // s, p, i (both)
};

struct Forme {
    std::string mot;
    std::vector<Analyse_> analyses;
    bool courante = false;
};

std::vector<Forme> LireEchantillon() {
    std::ifstream f(ADJORA_ECHANTILLON);
    std::vector<Forme> formes;
    std::string ligne;
    while (std::getline(f, ligne)) {
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        std::istringstream champs(ligne);
        std::string mot, lemme, genre, nombre, courant;
        std::getline(champs, mot, '\t');
        std::getline(champs, lemme, '\t');
        std::getline(champs, genre, '\t');
        std::getline(champs, nombre, '\t');
        std::getline(champs, courant, '\t');
        if (mot.empty() || lemme.empty() || genre.size() != 1 || nombre.size() != 1) {
            ADD_FAILURE() << "ligne illisible : " << ligne;
            continue;
        }
        if (formes.empty() || formes.back().mot != mot) {
            formes.push_back({mot, {}, courant == "1"});
        }
        formes.back().analyses.push_back({lemme, genre[0], nombre[0]});
    }
    return formes;
}

bool GenreJuste(char attendu, std::uint8_t code) {
    switch (attendu) {
    case 'm':
        return code == GENRE_MASCULIN;
    case 'f':
        return code == GENRE_FEMININ;
    default:
        return code == GENRE_INDETERMINE || code == GENRE_INVARIABLE;
    }
}

bool NombreJuste(char attendu, std::uint8_t code) {
    switch (attendu) {
    case 's':
        return code == NOMBRE_SINGULIER;
    case 'p':
        return code == NOMBRE_PLURIEL;
    default:
        return code == NOMBRE_INDETERMINE || code == NOMBRE_INVARIABLE;
    }
}

struct Note {
    bool lemme, genre, nombre;
    std::string obtenu;
};

// Scores the engine's answer against the analysis whose lemma it gave, else
// against the first one.
Note Noter(const Forme& forme) {
    const pages::Conversion1252 mot = pages::Utf8VersCp1252(forme.mot);
    EXPECT_TRUE(mot.representable) << forme.mot;
    Analyse analyse;
    AnalyserAdjectif(mot.texte.c_str(), &analyse);
    const std::string lemme = pages::Cp1252VersUtf8(analyse.Mot);
    const Analyse_* cible = &forme.analyses.front();
    for (const Analyse_& a : forme.analyses) {
        if (a.lemme == lemme) {
            cible = &a;
        }
    }
    const std::string obtenu =
        lemme + "/" + std::to_string(analyse.CodeGenre) + "/" + std::to_string(analyse.CodeNombre);
    return {cible->lemme == lemme, GenreJuste(cible->genre, analyse.CodeGenre),
            NombreJuste(cible->nombre, analyse.CodeNombre), obtenu};
}

struct Bilan {
    std::size_t formes = 0, lemmes = 0, genres = 0, nombres = 0;
    std::vector<std::string> fautes;
    double pc(std::size_t n) const { return formes ? 100.0 * n / formes : 0.0; }
};

Bilan Mesurer(const std::vector<Forme>& formes, bool seulementCourantes) {
    Bilan b;
    for (const Forme& f : formes) {
        if (seulementCourantes && !f.courante) {
            continue;
        }
        const Note n = Noter(f);
        ++b.formes;
        b.lemmes += n.lemme;
        b.genres += n.genre;
        b.nombres += n.nombre;
        if (!(n.lemme && n.genre && n.nombre) && b.fautes.size() < 30) {
            b.fautes.push_back(f.mot + " -> " + n.obtenu);
        }
    }
    return b;
}

std::string Lister(const std::vector<std::string>& fautes) {
    std::string texte;
    for (const std::string& f : fautes) {
        texte += "  " + f + "\n";
    }
    return texte;
}

// Loads the shipped lexicons; returns the reports raised meanwhile.
std::vector<std::string> ChargerLivres() {
    static std::vector<std::string> rapports;
    rapports.clear();
    auto precedent = InstallerPresentateur([](const char* rapport, const char*) {
        rapports.push_back(pages::Cp850VersUtf8(rapport));
        return 1;
    });
    const std::filesystem::path ici = std::filesystem::current_path();
    std::filesystem::current_path(ADJORA_DONNEES_BUILD);
    ChargerExceptions();
    std::filesystem::current_path(ici);
    InstallerPresentateur(precedent);
    return rapports;
}

class LexiquesLivres : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        rapports_ = new std::vector<std::string>(ChargerLivres());
        formes_ = new std::vector<Forme>(LireEchantillon());
    }
    static void TearDownTestSuite() {
        LibererExceptions();
        delete rapports_;
        delete formes_;
    }
    static std::vector<std::string>* rapports_;
    static std::vector<Forme>* formes_;
};

std::vector<std::string>* LexiquesLivres::rapports_ = nullptr;
std::vector<Forme>* LexiquesLivres::formes_ = nullptr;

TEST_F(LexiquesLivres, SeChargentSansRapport) {
    EXPECT_TRUE(rapports_->empty()) << Lister(*rapports_);
}

TEST_F(LexiquesLivres, ChaqueListeEstRemplieEtAppariee) {
    for (Liste* l : {ListeA, ListeB, ListeD, ListeF, ListeH}) {
        ASSERT_NE(l, nullptr);
        EXPECT_GT(NbElements(l), 0);
    }
    for (const ListeDouble* d : {&ListeC, &ListeE, &ListeG}) {
        ASSERT_NE(d->Formes, nullptr);
        ASSERT_NE(d->Lemmes, nullptr);
        EXPECT_GT(NbElements(d->Formes), 0);
        EXPECT_EQ(NbElements(d->Formes), NbElements(d->Lemmes));
    }
}

TEST_F(LexiquesLivres, EchantillonComplet) {
    EXPECT_GE(formes_->size(), kFormesMin);
    std::size_t courantes = 0;
    for (const Forme& f : *formes_) {
        courantes += f.courante;
    }
    EXPECT_GT(courantes, 500u);
}

TEST_F(LexiquesLivres, PrecisionSurLEchantillon) {
    const Bilan b = Mesurer(*formes_, false);
    ASSERT_GE(b.formes, kFormesMin);
    EXPECT_GE(b.pc(b.lemmes), kSeuilLemme) << Lister(b.fautes);
    EXPECT_GE(b.pc(b.genres), kSeuilGenre) << Lister(b.fautes);
    EXPECT_GE(b.pc(b.nombres), kSeuilNombre) << Lister(b.fautes);
}

TEST_F(LexiquesLivres, PrecisionSurLesAdjectifsCourants) {
    const Bilan b = Mesurer(*formes_, true);
    ASSERT_GT(b.formes, 0u);
    EXPECT_GE(b.pc(b.lemmes), kSeuilCourantsLemme) << Lister(b.fautes);
    EXPECT_GE(b.pc(b.genres), kSeuilCourantsGenre) << Lister(b.fautes);
}

// The thresholds are out of reach of the rules alone: without the lexicons
// the same measure fails, so a lost or emptied lexicon cannot go unnoticed.
TEST_F(LexiquesLivres, LesReglesSeulesNAtteignentPasLesSeuils) {
    LibererExceptions();
    const Bilan seules = Mesurer(*formes_, false);
    const Bilan courantes = Mesurer(*formes_, true);
    EXPECT_TRUE(ChargerLivres().empty());
    EXPECT_LT(seules.pc(seules.lemmes), kSeuilLemme);
    EXPECT_LT(seules.pc(seules.genres), kSeuilGenre);
    EXPECT_LT(courantes.pc(courantes.lemmes), kSeuilCourantsLemme);
}

// The cases of the original complaint, each fixed by a different lexicon.
TEST_F(LexiquesLivres, CasSignales) {
    struct Cas {
        const char* mot;
        const char* lemme;
        int genre;
        int nombre;
    };
    const Cas cas[] = {
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
    for (const Cas& c : cas) {
        Analyse a;
        AnalyserAdjectif(pages::Utf8VersCp1252(c.mot).texte.c_str(), &a);
        EXPECT_EQ(pages::Cp1252VersUtf8(a.Mot), c.lemme) << c.mot;
        EXPECT_EQ(a.CodeGenre, c.genre) << c.mot;
        EXPECT_EQ(a.CodeNombre, c.nombre) << c.mot;
    }
}

} // namespace
