#include "ChVar.h"
#include "Liste.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

namespace {

using Mots = std::vector<std::string>;

const std::string kHorsLimites = "Position de noeud hors limites.";
const std::string kDepasse = "La position donnée dépasse la fin de la liste."_cp850;
const std::string kNonInitialisee = "La liste n'a pas été initialisée !"_cp850;

// Checks every invariant of a list record.
testing::AssertionResult Coherente(const Liste* l) {
    if (l == nullptr || l->Controle != l) {
        return testing::AssertionFailure() << "record not initialised";
    }
    if (l->Nb == 0) {
        if (l->Premier != nullptr || l->Courant != nullptr || l->PosCourant != 0) {
            return testing::AssertionFailure() << "empty list with a node or a cursor";
        }
        return testing::AssertionSuccess();
    }
    if (l->Premier == nullptr || l->PosCourant < 1 || l->PosCourant > l->Nb) {
        return testing::AssertionFailure() << "bad first node or cursor position";
    }
    const Noeud* n = l->Premier;
    for (int pos = 1; pos <= l->Nb; ++pos) {
        if (n->Suivant == nullptr || n->Suivant->Precedent != n) {
            return testing::AssertionFailure() << "links broken at " << pos;
        }
        if (pos == l->PosCourant && n != l->Courant) {
            return testing::AssertionFailure() << "cursor not at its position";
        }
        if (pos < l->Nb && n->Suivant == l->Premier) {
            return testing::AssertionFailure() << "circle shorter than Nb";
        }
        n = n->Suivant;
    }
    if (n != l->Premier) {
        return testing::AssertionFailure() << "circle not closed after Nb steps";
    }
    for (int pas = 0; pas < l->Nb; ++pas) {
        n = n->Precedent;
    }
    if (n != l->Premier) {
        return testing::AssertionFailure() << "backward circle not closed";
    }
    return testing::AssertionSuccess();
}

Mots Contenu(const Liste* l) {
    Mots mots;
    const Noeud* n = l->Premier;
    for (int i = 0; i < l->Nb; ++i) {
        mots.emplace_back(static_cast<const char*>(n->Element));
        n = n->Suivant;
    }
    return mots;
}

std::string MotCourant(const Liste* l) {
    return static_cast<const char*>(l->Courant->Element);
}

Liste* ListeDeMots(const Mots& mots) {
    Liste* l = CreerListeMots();
    for (const std::string& mot : mots) {
        InsereMotFin(l, mot.c_str());
    }
    return l;
}

const Mots kCinq = {"a", "b", "c", "d", "e"};

// ---- Building and the cursor ----

TEST(Liste, CreationVide) {
    Liste* l = CreerListeMots();
    ASSERT_NE(l, nullptr);
    EXPECT_TRUE(Coherente(l));
    EXPECT_TRUE(ListeVide(l));
    EXPECT_EQ(NbElements(l), 0);
    EXPECT_EQ(PosCourante(l), 0);
    EXPECT_FALSE(CourantPremier(l));
    EXPECT_FALSE(CourantDernier(l));
    DetruitListeMots(l);
}

TEST(Liste, AjoutEnFinGardeLeCurseurEnTete) {
    Liste* l = ListeDeMots({"a", "b", "c"});
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "c"}));
    EXPECT_STREQ(static_cast<const char*>(l->Premier->Element), "a");
    EXPECT_EQ(MotCourant(l), "a");
    EXPECT_EQ(PosCourante(l), 1);
    EXPECT_STREQ(MotPos(l, 1), "a");
    EXPECT_STREQ(MotPos(l, 2), "b");
    EXPECT_STREQ(MotPos(l, 3), "c");
    EXPECT_TRUE(CourantPremier(l));
    DetruitListeMots(l);
}

TEST(Liste, LesMotsSontDesCopies) {
    char mot[] = "gris";
    Liste* l = CreerListeMots();
    InsereMotFin(l, mot);
    mot[0] = 'X';
    EXPECT_STREQ(MotPos(l, 1), "gris");
    EXPECT_NE(MotPos(l, 1), mot);
    DetruitListeMots(l);
}

TEST(Liste, InsertionEnTeteDecaleLeCurseur) {
    Liste* l = ListeDeMots({"a", "b", "c"});
    AllerPos(l, 2);
    InsereMotTete(l, "x");
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), (Mots{"x", "a", "b", "c"}));
    EXPECT_EQ(MotCourant(l), "b");
    EXPECT_EQ(PosCourante(l), 3);
    DetruitListeMots(l);
}

TEST(Liste, InsertionEnQuatrePositionDUneListeDeQuatre) {
    Liste* l = ListeDeMots({"a", "b", "c", "d"});
    InsereMotPos(l, 4, "x");
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "c", "x", "d"}));
    EXPECT_EQ(PosCourante(l), 1);
    DetruitListeMots(l);
}

TEST(Liste, InsertionDansUneListeVideAToutePosition) {
    Enregistreur e;
    for (Position p : {Position(0), Position(1), Position(2), Position(999)}) {
        Liste* l = CreerListeMots();
        InsereMotPos(l, p, "seul");
        EXPECT_TRUE(Coherente(l));
        EXPECT_EQ(Contenu(l), (Mots{"seul"}));
        EXPECT_EQ(l->Premier->Suivant, l->Premier);
        EXPECT_EQ(l->Premier->Precedent, l->Premier);
        DetruitListeMots(l);
    }
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(Liste, InsertionAChaquePositionPourChaqueCurseur) {
    for (Position c = 1; c <= 5; ++c) {
        for (Position p = 1; p <= 6; ++p) {
            Liste* l = ListeDeMots(kCinq);
            AllerPos(l, c);
            InsereMotPos(l, p, "x");
            Mots attendu = kCinq;
            attendu.insert(attendu.begin() + (p - 1), "x");
            EXPECT_TRUE(Coherente(l)) << c << " " << p;
            EXPECT_EQ(Contenu(l), attendu) << c << " " << p;
            EXPECT_EQ(MotCourant(l), kCinq[c - 1]) << c << " " << p;
            EXPECT_STREQ(MotPos(l, p), "x");
            DetruitListeMots(l);
        }
    }
}

TEST(Liste, InsertionAuCourantEtApres) {
    Liste* l = ListeDeMots(kCinq);
    AllerPos(l, 3);
    InsereMotCourant(l, "x");
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "x", "c", "d", "e"}));
    EXPECT_EQ(MotCourant(l), "c");
    EXPECT_EQ(PosCourante(l), 4);
    InsereMotApres(l, "y");
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "x", "c", "y", "d", "e"}));
    EXPECT_EQ(PosCourante(l), 4);
    AllerDernier(l);
    InsereMotApres(l, "z"); // after the last: appended
    EXPECT_EQ(Contenu(l).back(), "z");
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
    Liste* vide = CreerListeMots();
    InsereMotCourant(vide, "seul");
    EXPECT_EQ(Contenu(vide), (Mots{"seul"}));
    DetruitListeMots(vide);
}

TEST(Liste, InsertionHorsLimitesSignaleeSansInsertion) {
    Enregistreur e;
    Liste* l = ListeDeMots({"a", "b"});
    InsereMotPos(l, 0, "x");
    InsereMotPos(l, 4, "y");
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), (Mots{"a", "b"}));
    ASSERT_EQ(e.Nombre(), 2u);
    for (const RapportRecu& r : e.rapports) {
        EXPECT_EQ(r.message, kHorsLimites);
        EXPECT_EQ(r.module, "GESTION DES LISTES");
        EXPECT_EQ(r.fonction, "InserePos");
    }
    DetruitListeMots(l);
}

TEST(Liste, CurseurAllerEtDeplacer) {
    Enregistreur e;
    Liste* l = ListeDeMots(kCinq);
    AllerDernier(l);
    EXPECT_EQ(PosCourante(l), 5);
    EXPECT_TRUE(CourantDernier(l));
    EXPECT_FALSE(CourantPremier(l));
    AllerPremier(l);
    EXPECT_TRUE(CourantPremier(l));
    AllerPos(l, 4);
    EXPECT_EQ(MotCourant(l), "d");
    EXPECT_EQ(e.Nombre(), 0u);
    // Out of range: the cursor stays; past the end is reported.
    AllerPos(l, 0);
    AllerPos(l, 6);
    EXPECT_EQ(PosCourante(l), 4);
    EXPECT_EQ(MotCourant(l), "d");
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, kDepasse);
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
}

TEST(Liste, AllerSurListeVideNeFaitRien) {
    Enregistreur e;
    Liste* l = CreerListeMots();
    AllerPremier(l);
    AllerDernier(l);
    AllerPos(l, 0);
    DeplaceCourant(l, 3);
    DecaleTete(l, 2);
    EXPECT_TRUE(Coherente(l));
    AllerPos(l, 1);
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(e.Nombre(), 1u); // position 1 lies past the end of an empty list
    DetruitListeMots(l);
}

TEST(Liste, DeplacementDuCurseurAutourDuCercle) {
    for (int pas : {-12, -6, -5, -3, -1, 0, 1, 2, 4, 5, 9, 32767, -32768}) {
        Liste* l = ListeDeMots(kCinq);
        AllerPos(l, 2);
        DeplaceCourant(l, static_cast<Pas>(pas));
        const int attendu = (((2 - 1 + pas) % 5) + 5) % 5 + 1;
        EXPECT_EQ(PosCourante(l), attendu) << pas;
        EXPECT_EQ(MotCourant(l), kCinq[attendu - 1]) << pas;
        EXPECT_TRUE(Coherente(l)) << pas;
        DetruitListeMots(l);
    }
}

TEST(Liste, DecalageDeLaTeteRenumerote) {
    for (int pas = -7; pas <= 7; ++pas) {
        Liste* l = ListeDeMots(kCinq);
        AllerPos(l, 3);
        DecaleTete(l, static_cast<Pas>(pas));
        const int debut = ((pas % 5) + 5) % 5;
        Mots attendu;
        for (int i = 0; i < 5; ++i) {
            attendu.push_back(kCinq[(debut + i) % 5]);
        }
        EXPECT_EQ(Contenu(l), attendu) << pas;
        EXPECT_EQ(MotCourant(l), "c") << pas;
        EXPECT_TRUE(Coherente(l)) << pas;
        DetruitListeMots(l);
    }
}

// ---- Addressing ----

// A list record whose first node and cursor lead into labelled chains:
// the label of the node reached tells where the walk started and how many
// steps it took ("P+3": three forward from the first node, "C-1": one back
// from the cursor).
class Sonde {
  public:
    Sonde(std::uint16_t nb, Position curseur) {
        liste.Nb = nb;
        liste.PosCourant = curseur;
        liste.Premier = Chaine("P", nb);
        liste.Courant = Chaine("C", nb);
        liste.Controle = &liste;
    }
    std::string Atteint(Position p) {
        Noeud* n = AdrNoeudPos(&liste, p);
        return n == nullptr ? "<nul>" : *static_cast<std::string*>(n->Element);
    }
    Liste liste{};

  private:
    Noeud* Nouveau(const std::string& nom) {
        noms_.push_back(nom);
        noeuds_.push_back(Noeud{&noms_.back(), nullptr, nullptr});
        return &noeuds_.back();
    }
    Noeud* Chaine(const std::string& depart, int longueur) {
        Noeud* centre = Nouveau(depart);
        Noeud* avant = centre;
        Noeud* arriere = centre;
        for (int k = 1; k <= longueur; ++k) {
            avant->Suivant = Nouveau(depart + "+" + std::to_string(k));
            avant = avant->Suivant;
            arriere->Precedent = Nouveau(depart + "-" + std::to_string(k));
            arriere = arriere->Precedent;
        }
        return centre;
    }
    std::deque<std::string> noms_;
    std::deque<Noeud> noeuds_;
};

TEST(AdrNoeudPos, ChoixDuParcoursSurDixNoeudsCurseurEnSept) {
    Sonde s(10, 7);
    EXPECT_EQ(s.Atteint(1), "P");   // the first node itself
    EXPECT_EQ(s.Atteint(4), "C-3"); // +3 from the first ties with -3: the cursor wins
    EXPECT_EQ(s.Atteint(6), "C-1"); // +5/-5 tie goes backward, loses to the cursor's -1
    EXPECT_EQ(s.Atteint(10), "P-1");
    EXPECT_EQ(s.Atteint(7), "C");
}

TEST(AdrNoeudPos, ToujoursLeParcoursLePlusCourt) {
    for (int n = 1; n <= 12; ++n) {
        for (int c = 1; c <= n; ++c) {
            Sonde s(static_cast<std::uint16_t>(n), static_cast<Position>(c));
            for (int p = 1; p <= n; ++p) {
                const std::string nom = s.Atteint(static_cast<Position>(p));
                const int k = nom.size() == 1 ? 0 : std::stoi(nom.substr(1));
                const int plusCourt = std::min({p - 1, n + 1 - p, std::abs(p - c)});
                EXPECT_EQ(std::abs(k), plusCourt) << n << " " << c << " " << p << " " << nom;
                if (nom[0] == 'P') {
                    EXPECT_EQ(((k % n) + n) % n + 1, p) << n << " " << c << " " << p;
                } else {
                    EXPECT_EQ(c + k, p) << n << " " << c << " " << p;
                }
            }
        }
    }
}

TEST(AdrNoeudPos, AtteintLeBonNoeudDUneVraieListe) {
    const Mots dix = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    Liste* l = ListeDeMots(dix);
    for (Position c = 1; c <= 10; ++c) {
        AllerPos(l, c);
        for (Position p = 1; p <= 10; ++p) {
            EXPECT_EQ(static_cast<const char*>(AdrNoeudPos(l, p)->Element), dix[p - 1]);
        }
        EXPECT_EQ(PosCourante(l), c); // reading does not move the cursor
    }
    DetruitListeMots(l);
}

TEST(AdrNoeudPos, AuDelaDeLaFinSignaleEtTourneAutourDuCercle) {
    Enregistreur e;
    Liste* l = ListeDeMots({"a", "b", "c"});
    EXPECT_STREQ(MotPos(l, 5), "b");
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, kDepasse);
    EXPECT_EQ(e.Dernier().module, "GESTION DES LISTES");
    EXPECT_EQ(e.Dernier().fonction, "AdrNoeudPos");
    DetruitListeMots(l);
}

TEST(AdrNoeudPos, ListeVideRendNul) {
    Enregistreur e;
    Liste* l = CreerListeMots();
    EXPECT_EQ(AdrNoeudPos(l, 0), nullptr);
    EXPECT_EQ(e.Nombre(), 0u);
    EXPECT_EQ(AdrNoeudPos(l, 1), nullptr);
    EXPECT_EQ(MotPos(l, 1), nullptr);
    EXPECT_EQ(e.Nombre(), 2u);
    DetruitListeMots(l);
}

TEST(DeplaceAdr, AvanceReculeOuReste) {
    Liste* l = ListeDeMots(kCinq);
    Noeud* n = l->Premier;
    DeplaceAdr(&n, 2);
    EXPECT_STREQ(static_cast<const char*>(n->Element), "c");
    DeplaceAdr(&n, -4);
    EXPECT_STREQ(static_cast<const char*>(n->Element), "d");
    DeplaceAdr(&n, 0);
    EXPECT_STREQ(static_cast<const char*>(n->Element), "d");
    DeplaceAdr(nullptr, 3);
    Noeud* nul = nullptr;
    DeplaceAdr(&nul, 3);
    EXPECT_EQ(nul, nullptr);
    DetruitListeMots(l);
}

// ---- Deletion ----

TEST(Suppression, AChaquePositionPourChaqueCurseur) {
    for (Position c = 1; c <= 5; ++c) {
        for (Position p = 1; p <= 5; ++p) {
            Liste* l = ListeDeMots(kCinq);
            AllerPos(l, c);
            SupprimeMotPos(l, p);
            Mots attendu = kCinq;
            attendu.erase(attendu.begin() + (p - 1));
            EXPECT_TRUE(Coherente(l)) << c << " " << p;
            EXPECT_EQ(Contenu(l), attendu) << c << " " << p;
            if (p != c) {
                EXPECT_EQ(MotCourant(l), kCinq[c - 1]) << c << " " << p;
            } else if (p == 5) {
                EXPECT_EQ(MotCourant(l), "d");
                EXPECT_EQ(PosCourante(l), 4);
            } else {
                EXPECT_EQ(MotCourant(l), kCinq[p]) << c << " " << p;
                EXPECT_EQ(PosCourante(l), p);
            }
            DetruitListeMots(l);
        }
    }
}

TEST(Suppression, CasDeLaTeteEtDeLaFin) {
    Liste* l = ListeDeMots(kCinq);
    SupprimeMotPos(l, 1);
    EXPECT_EQ(MotCourant(l), "b");
    EXPECT_EQ(PosCourante(l), 1);
    AllerPos(l, 3); // "d"
    SupprimeMotPos(l, 1);
    EXPECT_EQ(MotCourant(l), "d");
    EXPECT_EQ(PosCourante(l), 2);
    AllerDernier(l);
    SupprimeMotCourant(l);
    EXPECT_EQ(MotCourant(l), "d");
    EXPECT_TRUE(CourantDernier(l));
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
}

TEST(Suppression, ElementUniqueQuellePosition) {
    Enregistreur e;
    for (Position p : {Position(0), Position(1), Position(7)}) {
        Liste* l = ListeDeMots({"seul"});
        SupprimeMotPos(l, p);
        EXPECT_TRUE(Coherente(l));
        EXPECT_TRUE(ListeVide(l));
        DetruitListeMots(l);
    }
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(Suppression, ListeVideEtPositionsHorsLimites) {
    Enregistreur e;
    Liste* vide = CreerListeMots();
    SupprimeMotPos(vide, 1);
    SupprimeMotCourant(vide);
    EXPECT_TRUE(Coherente(vide));
    EXPECT_EQ(e.Nombre(), 0u);
    DetruitListeMots(vide);

    Liste* l = ListeDeMots({"a", "b", "c"});
    AllerPos(l, 2);
    SupprimeMotPos(l, 0);
    EXPECT_EQ(e.Nombre(), 0u);
    SupprimeMotPos(l, 4);
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, kDepasse);
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "c"}));
    EXPECT_EQ(MotCourant(l), "b");
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
}

std::vector<std::string>& Liberes() {
    static std::vector<std::string> liberes;
    return liberes;
}

void NoterLiberation(void* element) {
    Liberes().emplace_back(static_cast<const char*>(element));
}

TEST(Suppression, DepuisUnePositionEtDestructionDansLOrdre) {
    std::vector<std::string> elements = kCinq;
    Liste* l = InitListe();
    for (std::string& e : elements) {
        InsereFin(l, e.data());
    }
    Liberes().clear();
    SupprimeDepuis(l, 0, NoterLiberation);
    SupprimeDepuis(l, 9, NoterLiberation);
    EXPECT_TRUE(Liberes().empty());
    SupprimeDepuis(l, 4, NoterLiberation);
    EXPECT_EQ(Liberes(), (Mots{"d", "e"}));
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "c"}));
    EXPECT_TRUE(Coherente(l));
    SupprimeTete(l, NoterLiberation);
    EXPECT_EQ(Contenu(l), (Mots{"b", "c"}));
    Liberes().clear();
    DetruitListe(l, NoterLiberation);
    EXPECT_EQ(Liberes(), (Mots{"b", "c"}));
}

TEST(Suppression, MotsDepuisEtDestructionLibèrentLesCopies) {
    // Leaks would show under the sanitizer build.
    Liste* l = ListeDeMots({"un", "deux", "trois", "quatre"});
    SupprimeMotsDepuis(l, 2);
    EXPECT_EQ(Contenu(l), (Mots{"un"}));
    DetruitListeMots(l);
    DetruitListeMots(ListeDeMots({"a", "b", "c"}));
    DetruitListeMots(CreerListeMots());
}

// ---- Search and printing ----

TEST(Recherche, PositionMot) {
    Liste* vide = CreerListeMots();
    EXPECT_EQ(PositionMot("a", vide), 0);
    DetruitListeMots(vide);

    Liste* l = ListeDeMots({"gris", "vert", "gris", "bleu"});
    AllerPos(l, 4);
    EXPECT_EQ(PositionMot("gris", l), 1);
    EXPECT_EQ(PositionMot("bleu", l), 4);
    EXPECT_EQ(PositionMot("vert", l), 2);
    EXPECT_EQ(PositionMot("Vert", l), 0);
    EXPECT_EQ(PositionMot("", l), 0);
    EXPECT_EQ(PositionMot(nullptr, l), 0);
    EXPECT_EQ(PosCourante(l), 4);
    EXPECT_EQ(MotCourant(l), "bleu");
    DetruitListeMots(l);
}

std::uint8_t MemeInitiale(const void* element, const void* cle) {
    return *static_cast<const char*>(element) == *static_cast<const char*>(cle);
}

TEST(Recherche, ComparateurFourni) {
    Liste* l = ListeDeMots({"abc", "bcd", "bxx"});
    EXPECT_EQ(CherchePos("b", l, MemeInitiale), 2);
    EXPECT_EQ(CherchePos("z", l, MemeInitiale), 0);
    EXPECT_EQ(CherchePos("b", l, nullptr), 0);
    DetruitListeMots(l);
}

TEST(Affichage, CrochetsEtVirgules) {
    Liste* l = ListeDeMots({"a", "b", "c"});
    Liste* vide = CreerListeMots();
    testing::internal::CaptureStdout();
    AfficheListe(l, AfficherChVar);
    AfficheListe(vide, AfficherChVar);
    AfficheListe(l, nullptr); // no printer: separators only
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[a, b, c]\n[]\n[, , ]\n");
    DetruitListeMots(l);
    DetruitListeMots(vide);
}

// ---- Checks and failures ----

TEST(VerifInit, CopieParValeurSignaleeEtOriginalIntact) {
    Enregistreur e;
    Liste* l = ListeDeMots({"a", "b", "c"});
    Liste copie = *l;
    testing::internal::CaptureStdout();
    AfficheListe(&copie, AfficherChVar);
    const std::string sortie = testing::internal::GetCapturedStdout();
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, kNonInitialisee);
    EXPECT_EQ(e.Dernier().module, "GESTION DES LISTES");
    EXPECT_EQ(e.Dernier().fonction, "VerifInit");
    EXPECT_EQ(sortie, "");
    // Changes through the copy would corrupt the list it shares nodes with.
    InsereMotFin(&copie, "x");
    SupprimeMotPos(&copie, 1);
    AllerPos(&copie, 3);
    DetruitListeMots(&copie);
    EXPECT_EQ(e.Nombre(), 5u);
    EXPECT_EQ(PosCourante(&copie), 0);
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), (Mots{"a", "b", "c"}));
    EXPECT_EQ(PosCourante(l), 1);
    DetruitListeMots(l);
}

TEST(VerifInit, ListeInitialiseeSansRapport) {
    Enregistreur e;
    Liste* l = InitListe();
    VerifInit(l);
    EXPECT_EQ(e.Nombre(), 0u);
    DetruitListe(l, nullptr);
    VerifInit(nullptr);
    EXPECT_EQ(e.Nombre(), 1u);
}

TEST(ListeNulle, AucuneOperationNePlante) {
    Enregistreur e;
    Liste* nulle = nullptr;
    int element = 0;
    EXPECT_EQ(AdrNoeudPos(nulle, 1), nullptr);
    EXPECT_EQ(ElementPos(nulle, 1), nullptr);
    EXPECT_EQ(MotPos(nulle, 1), nullptr);
    InserePos(nulle, 1, &element);
    InsereVide(nulle, &element);
    InsereFin(nulle, &element);
    InsereTete(nulle, &element);
    InsereCourant(nulle, &element);
    InsereApres(nulle, &element);
    InsereMotFin(nulle, "a");
    InsereMotTete(nulle, "a");
    InsereMotCourant(nulle, "a");
    InsereMotApres(nulle, "a");
    InsereMotPos(nulle, 1, "a");
    SupprimePos(nulle, 1, nullptr);
    SupprimeTete(nulle, nullptr);
    SupprimeCourant(nulle, nullptr);
    SupprimeDepuis(nulle, 1, nullptr);
    SupprimeMotPos(nulle, 1);
    SupprimeMotCourant(nulle);
    SupprimeMotsDepuis(nulle, 1);
    DetruitListe(nulle, nullptr);
    DetruitListeMots(nulle);
    EXPECT_EQ(CherchePos("a", nulle, EgalesChVar), 0);
    EXPECT_EQ(PositionMot("a", nulle), 0);
    testing::internal::CaptureStdout();
    AfficheListe(nulle, AfficherChVar);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(NbElements(nulle), 0);
    EXPECT_TRUE(ListeVide(nulle));
    EXPECT_FALSE(EstPremier(nulle, nullptr));
    EXPECT_FALSE(EstDernier(nulle, nullptr));
    EXPECT_FALSE(CourantPremier(nulle));
    EXPECT_FALSE(CourantDernier(nulle));
    EXPECT_EQ(PosCourante(nulle), 0);
    AllerPos(nulle, 1);
    AllerPremier(nulle);
    AllerDernier(nulle);
    DeplaceCourant(nulle, 1);
    DecaleTete(nulle, 1);
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(MemoireSaturee, EnregistrementDeListe) {
    Enregistreur e;
    {
        AllocateurDefaillant echec(0);
        EXPECT_EQ(InitListe(), nullptr);
        EXPECT_EQ(CreerListeMots(), nullptr);
    }
    ASSERT_EQ(e.Nombre(), 2u);
    EXPECT_EQ(e.Dernier().message,
              std::string("Mémoire saturée ! Impossible de créer une nouvelle liste."_cp850));
    EXPECT_EQ(e.Dernier().module, "GESTION DES LISTES");
    EXPECT_EQ(e.Dernier().fonction, "AllocListe");
}

TEST(MemoireSaturee, NoeudNonAlloueRienNEstInsere) {
    Enregistreur e;
    int x = 0;
    Liste* l = InitListe();
    {
        AllocateurDefaillant echec(0);
        InsereFin(l, &x); // into the empty list
        EXPECT_TRUE(ListeVide(l));
    }
    InsereFin(l, &x);
    {
        AllocateurDefaillant echec(0);
        InsereFin(l, &x);
        InsereTete(l, &x);
        InserePos(l, 1, &x);
    }
    EXPECT_EQ(NbElements(l), 1);
    EXPECT_TRUE(Coherente(l));
    ASSERT_EQ(e.Nombre(), 4u);
    EXPECT_EQ(e.Dernier().message,
              std::string("Mémoire saturée ! Impossible de créer un nouveau noeud."_cp850));
    EXPECT_EQ(e.Dernier().fonction, "AllocNoeud");
    DetruitListe(l, nullptr);
}

TEST(MemoireSaturee, CoucheDesMotsNeStockeJamaisDeCopieNulle) {
    Enregistreur e;
    Liste* l = ListeDeMots({"a"});
    {
        AllocateurDefaillant echec(0); // the copy fails
        InsereMotFin(l, "b");
    }
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().module, "CHVAR");
    {
        AllocateurDefaillant echec(1); // the copy succeeds, the node fails
        InsereMotFin(l, "c");
    }
    {
        AllocateurDefaillant echec(1);
        InsereMotTete(l, "c");
    }
    ASSERT_EQ(e.Nombre(), 3u);
    EXPECT_EQ(e.Dernier().fonction, "AllocNoeud");
    EXPECT_EQ(Contenu(l), (Mots{"a"}));
    EXPECT_EQ(PositionMot("b", l), 0);
    // A refused position releases the copy too (checked by the leak detector).
    InsereMotPos(l, 5, "d");
    EXPECT_EQ(e.Dernier().fonction, "InserePos");
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
}

TEST(Capacite, UneListePleineRefuseLesInsertions) {
    Enregistreur e;
    int x = 0;
    Liste* l = InitListe();
    for (int i = 0; i < UINT16_MAX; ++i) {
        InsereFin(l, &x);
    }
    ASSERT_EQ(NbElements(l), UINT16_MAX);
    EXPECT_EQ(e.Nombre(), 0u);
    InsereFin(l, &x);
    InsereTete(l, &x);
    EXPECT_EQ(NbElements(l), UINT16_MAX);
    EXPECT_EQ(e.Nombre(), 2u);
    EXPECT_EQ(e.Dernier().message, kHorsLimites);
    EXPECT_TRUE(Coherente(l));
    AllerDernier(l);
    EXPECT_EQ(PosCourante(l), UINT16_MAX);
    DetruitListe(l, nullptr);
}

} // namespace
