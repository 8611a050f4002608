// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChVar.h"
#include "Liste.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <sstream>
#include <string>

namespace {

const std::string kModule = "GESTION DES LISTES";
const std::string kHorsLimites = "Position de noeud hors limites.";
const std::string kDepasse = "La position donnée dépasse la fin de la liste."_cp850;

// Checks every invariant of a list record: an empty list has no node and no
// cursor; otherwise the circle closes after Nb steps both ways and the cursor
// is the node at its position.
testing::AssertionResult Coherente(const Liste* l) {
    if (l == nullptr || l->Controle != l) {
        return testing::AssertionFailure() << "record not initialised";
    }
    if (l->Nb == 0) {
        return l->Premier == nullptr && l->Courant == nullptr && l->PosCourant == 0
                   ? testing::AssertionSuccess()
                   : testing::AssertionFailure() << "empty list with a node or a cursor";
    }
    if (l->Premier == nullptr || l->PosCourant < 1 || l->PosCourant > l->Nb) {
        return testing::AssertionFailure() << "bad first node or cursor position";
    }
    const Noeud* n = l->Premier;
    for (int pos = 1; pos <= l->Nb; ++pos, n = n->Suivant) {
        if (n->Suivant == nullptr || n->Suivant->Precedent != n ||
            (pos < l->Nb && n->Suivant == l->Premier)) {
            return testing::AssertionFailure() << "links broken at " << pos;
        }
        if (pos == l->PosCourant && n != l->Courant) {
            return testing::AssertionFailure() << "cursor not at its position";
        }
    }
    if (n != l->Premier) {
        return testing::AssertionFailure() << "circle not closed after Nb steps";
    }
    for (int pas = 0; pas < l->Nb; ++pas) {
        n = n->Precedent;
    }
    return n == l->Premier ? testing::AssertionSuccess()
                           : testing::AssertionFailure() << "backward circle not closed";
}

// The words of a list, separated by spaces.
std::string Contenu(const Liste* l) {
    std::string mots;
    const Noeud* n = l->Premier;
    for (int i = 0; i < l->Nb; ++i, n = n->Suivant) {
        mots += (i == 0 ? "" : " ") + std::string(static_cast<const char*>(n->Element));
    }
    return mots;
}

std::string MotCourant(const Liste* l) {
    return static_cast<const char*>(l->Courant->Element);
}

// A word list built by appending the words of `mots`, cursor then moved to `curseur`.
Liste* ListeDeMots(const std::string& mots, Position curseur = 1) {
    Liste* l = CreerListeMots();
    std::istringstream flux(mots);
    for (std::string mot; flux >> mot;) {
        InsereMotFin(l, mot.c_str());
    }
    if (curseur != 1) {
        AllerPos(l, curseur);
    }
    return l;
}

std::string Mot(const std::string& mots, Position p) {
    return mots.substr(2 * (p - 1), 1); // single-letter words
}

TEST(Liste, CreationAjoutEnFinEtAffichage) {
    Liste* vide = CreerListeMots();
    ASSERT_TRUE(Coherente(vide));
    EXPECT_TRUE(ListeVide(vide));
    EXPECT_FALSE(CourantPremier(vide) || CourantDernier(vide));
    Liste* l = CreerListeMots();
    char mot[] = "a";
    InsereMotFin(l, mot);
    mot[0] = 'X'; // the list holds its own copy
    InsereMotFin(l, "b");
    InsereMotFin(l, "c");
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), "a b c");
    EXPECT_STREQ(MotPos(l, 3), "c");
    EXPECT_EQ(MotCourant(l), "a");
    EXPECT_EQ(PosCourante(l), 1);
    testing::internal::CaptureStdout();
    AfficheListe(l, AfficherChVar);
    AfficheListe(vide, AfficherChVar);
    AfficheListe(l, nullptr); // no printer: separators only
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[a, b, c]\n[]\n[, , ]\n");
    DetruitListeMots(l);
    DetruitListeMots(vide);
}

// Every kind of insertion, then the cursor's word and position; an empty
// list takes any position, an out-of-range one is reported and inserts nothing.
TEST(Insertion, ChaqueSorteDInsertion) {
    const struct {
        std::string depart;
        Position curseur;
        std::function<void(Liste*)> inserer;
        std::string contenu;
        std::string courant;
        Position posCourant;
        std::size_t rapports;
    } cas[] = {
        {"a b c d e", 3, [](Liste* l) { InsereMotFin(l, "x"); }, "a b c d e x", "c", 3, 0},
        {"a b c d e", 3, [](Liste* l) { InsereMotTete(l, "x"); }, "x a b c d e", "c", 4, 0},
        {"a b c d e", 3, [](Liste* l) { InsereMotCourant(l, "x"); }, "a b x c d e", "c", 4, 0},
        {"a b c d e", 3, [](Liste* l) { InsereMotApres(l, "x"); }, "a b c x d e", "c", 3, 0},
        {"a b c d e", 5, [](Liste* l) { InsereMotApres(l, "x"); }, "a b c d e x", "e", 5, 0},
        {"a b c d e", 2, [](Liste* l) { InsereMotPos(l, 2, "x"); }, "a x b c d e", "b", 3, 0},
        {"", 1, [](Liste* l) { InsereMotPos(l, 0, "x"); }, "x", "x", 1, 0},
        {"", 1, [](Liste* l) { InsereMotPos(l, 999, "x"); }, "x", "x", 1, 0},
        {"", 1, [](Liste* l) { InsereMotCourant(l, "x"); }, "x", "x", 1, 0},
        {"a b", 2, [](Liste* l) { InsereMotPos(l, 0, "x"); }, "a b", "b", 2, 1},
        {"a b", 2, [](Liste* l) { InsereMotPos(l, 4, "x"); }, "a b", "b", 2, 1}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        Enregistreur e;
        Liste* l = ListeDeMots(cas[i].depart, cas[i].curseur);
        cas[i].inserer(l);
        EXPECT_TRUE(Coherente(l));
        EXPECT_EQ(Contenu(l), cas[i].contenu);
        EXPECT_EQ(MotCourant(l), cas[i].courant);
        EXPECT_EQ(PosCourante(l), cas[i].posCourant);
        e.Attendre(cas[i].rapports, kHorsLimites, kModule, "InserePos");
        DetruitListeMots(l);
    }
}

// Includes inserting at 4 into four elements with the cursor on 1: the new
// word lands at 4 and the former fourth at 5.
TEST(Insertion, AChaquePositionPourChaqueCurseurEtChaqueTaille) {
    for (Position n = 1; n <= 5; ++n) {
        const std::string depart = std::string("a b c d e").substr(0, 2 * n - 1);
        for (Position c = 1; c <= n; ++c) {
            for (Position p = 1; p <= n + 1; ++p) {
                Liste* l = ListeDeMots(depart, c);
                InsereMotPos(l, p, "x");
                std::string attendu = (depart + " ").insert(2 * (p - 1), "x ");
                attendu.pop_back();
                const std::string ligne = "n " + std::to_string(n) + " cursor " +
                                          std::to_string(c) + " at " + std::to_string(p);
                EXPECT_TRUE(Coherente(l)) << ligne;
                EXPECT_EQ(Contenu(l), attendu) << ligne;
                EXPECT_EQ(MotCourant(l), Mot(depart, c)) << ligne;
                EXPECT_EQ(PosCourante(l), p <= c ? c + 1 : c) << ligne;
                DetruitListeMots(l);
            }
        }
    }
}

TEST(Insertion, UneListePleineRefuse) {
    Enregistreur e;
    int x = 0;
    Liste* l = InitListe();
    for (int i = 0; i < UINT16_MAX; ++i) {
        InsereFin(l, &x);
    }
    ASSERT_EQ(NbElements(l), UINT16_MAX);
    InsereFin(l, &x);
    InsereTete(l, &x);
    EXPECT_EQ(NbElements(l), UINT16_MAX);
    e.Attendre(2, kHorsLimites, kModule, "InserePos");
    EXPECT_TRUE(Coherente(l));
    DetruitListe(l, nullptr);
}

TEST(Curseur, AllerEtHorsLimites) {
    Enregistreur e;
    Liste* l = ListeDeMots("a b c d e");
    AllerDernier(l);
    EXPECT_EQ(PosCourante(l), 5);
    EXPECT_TRUE(CourantDernier(l) && !CourantPremier(l));
    AllerPremier(l);
    EXPECT_TRUE(CourantPremier(l));
    AllerPos(l, 4);
    EXPECT_EQ(MotCourant(l), "d");
    // Out of range: the cursor stays; past the end is reported.
    AllerPos(l, 0);
    AllerPos(l, 6);
    EXPECT_EQ(PosCourante(l), 4);
    EXPECT_EQ(MotCourant(l), "d");
    e.Attendre(1, kDepasse, kModule, "AdrNoeudPos");
    DetruitListeMots(l);
    Liste* vide = CreerListeMots();
    AllerPremier(vide);
    AllerDernier(vide);
    AllerPos(vide, 0);
    DeplaceCourant(vide, 3);
    DecaleTete(vide, 2);
    AllerPos(vide, 1); // position 1 lies past the end of an empty list
    EXPECT_TRUE(Coherente(vide));
    EXPECT_EQ(e.Nombre(), 2u);
    DetruitListeMots(vide);
}

TEST(Curseur, DeplacementEtDecalageAutourDuCercle) {
    for (int pas : {-12, -6, -5, -3, -1, 0, 1, 2, 4, 5, 9, 32767, -32768}) {
        Liste* l = ListeDeMots("a b c d e", 2);
        DeplaceCourant(l, static_cast<Pas>(pas));
        const int attendu = (((2 - 1 + pas) % 5) + 5) % 5 + 1;
        EXPECT_EQ(PosCourante(l), attendu) << "step " << pas;
        EXPECT_EQ(MotCourant(l), Mot("a b c d e", attendu)) << "step " << pas;
        EXPECT_TRUE(Coherente(l)) << "step " << pas;
        DetruitListeMots(l);
    }
    for (int pas = -7; pas <= 7; ++pas) {
        Liste* l = ListeDeMots("a b c d e", 3);
        DecaleTete(l, static_cast<Pas>(pas));
        EXPECT_EQ(Contenu(l).substr(0, 1), Mot("a b c d e", ((pas % 5) + 5) % 5 + 1)) << pas;
        EXPECT_EQ(MotCourant(l), "c") << "shift " << pas;
        EXPECT_TRUE(Coherente(l)) << "shift " << pas;
        DetruitListeMots(l);
    }
}

// A list record whose first node and cursor lead into labelled chains:
// the label of the node reached tells where the walk started and how many
// steps it took ("P+3": three forward from the first node, "C-1": one back
// from the cursor).
class Sonde {
  public:
    Sonde(std::uint16_t nb, Position curseur) {
        liste = Liste{nb, Chaine("C", nb), curseur, Chaine("P", nb), &liste};
    }
    std::string Atteint(Position p) {
        return *static_cast<std::string*>(AdrNoeudPos(&liste, p)->Element);
    }
    Liste liste{};

  private:
    Noeud* Nouveau(const std::string& nom) {
        noms_.push_back(nom);
        return &noeuds_.emplace_back(Noeud{&noms_.back(), nullptr, nullptr});
    }
    Noeud* Chaine(const std::string& depart, int longueur) {
        Noeud* centre = Nouveau(depart);
        Noeud* avant = centre;
        Noeud* arriere = centre;
        for (int k = 1; k <= longueur; ++k) {
            avant = avant->Suivant = Nouveau(depart + "+" + std::to_string(k));
            arriere = arriere->Precedent = Nouveau(depart + "-" + std::to_string(k));
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
                const std::string ligne = std::to_string(n) + " nodes, cursor " +
                                          std::to_string(c) + ", position " + std::to_string(p);
                const int k = nom.size() == 1 ? 0 : std::stoi(nom.substr(1));
                EXPECT_EQ(std::abs(k), std::min({p - 1, n + 1 - p, std::abs(p - c)})) << ligne;
                EXPECT_EQ(nom[0] == 'P' ? ((k % n) + n) % n + 1 : c + k, p) << ligne;
            }
        }
    }
}

TEST(AdrNoeudPos, AuDelaDeLaFinSignaleEtListeVideNulle) {
    Enregistreur e;
    Liste* l = ListeDeMots("a b c");
    EXPECT_STREQ(MotPos(l, 5), "b"); // counted on round the circle
    Liste* vide = CreerListeMots();
    EXPECT_EQ(AdrNoeudPos(vide, 0), nullptr);
    EXPECT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(MotPos(vide, 1), nullptr);
    e.Attendre(2, kDepasse, kModule, "AdrNoeudPos");
    DeplaceAdr(nullptr, 3);
    Noeud* nul = nullptr;
    DeplaceAdr(&nul, 3);
    EXPECT_EQ(nul, nullptr);
    DetruitListeMots(l);
    DetruitListeMots(vide);
}

// Includes the first node under the cursor (the next takes position 1), the
// first node before the cursor (the cursor's position drops) and the last
// node under the cursor (the cursor moves back).
TEST(Suppression, AChaquePositionPourChaqueCurseur) {
    for (Position c = 1; c <= 5; ++c) {
        for (Position p = 1; p <= 5; ++p) {
            Liste* l = ListeDeMots("a b c d e", c);
            SupprimeMotPos(l, p);
            const std::string attendu = std::string("a b c d e ").erase(2 * (p - 1), 2);
            const std::string ligne = "cursor " + std::to_string(c) + " at " + std::to_string(p);
            EXPECT_TRUE(Coherente(l)) << ligne;
            EXPECT_EQ(Contenu(l) + " ", attendu) << ligne;
            const Position pos = p < c ? c - 1 : (p == c && p == 5) ? 4 : c;
            EXPECT_EQ(PosCourante(l), pos) << ligne;
            EXPECT_EQ(MotCourant(l), Mot(attendu, pos)) << ligne;
            DetruitListeMots(l);
        }
    }
}

TEST(Suppression, CourantElementUniqueEtHorsLimites) {
    Enregistreur e;
    Liste* l = ListeDeMots("a b c d e", 5);
    SupprimeMotCourant(l);
    EXPECT_TRUE(CourantDernier(l));
    EXPECT_EQ(MotCourant(l), "d");
    SupprimeMotPos(l, 0);
    EXPECT_EQ(e.Nombre(), 0u);
    SupprimeMotPos(l, 5);
    e.Attendre(1, kDepasse, kModule, "AdrNoeudPos");
    EXPECT_EQ(Contenu(l), "a b c d");
    EXPECT_EQ(PosCourante(l), 4);
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
    for (Position p : {0, 1, 7}) {
        Liste* seul = ListeDeMots("seul");
        SupprimeMotPos(seul, p);
        EXPECT_TRUE(Coherente(seul) && ListeVide(seul)) << "position " << p;
        SupprimeMotPos(seul, 1);
        SupprimeMotCourant(seul);
        EXPECT_TRUE(Coherente(seul));
        DetruitListeMots(seul);
    }
    EXPECT_EQ(e.Nombre(), 1u);
}

std::string& Liberes() {
    static std::string liberes;
    return liberes;
}

void NoterLiberation(void* element) {
    Liberes() += static_cast<const char*>(element);
}

TEST(Suppression, DepuisUnePositionEtDestructionDansLOrdre) {
    std::string elements[] = {"a", "b", "c", "d", "e"};
    Liste* l = InitListe();
    for (std::string& e : elements) {
        InsereFin(l, e.data());
    }
    Liberes().clear();
    SupprimeDepuis(l, 0, NoterLiberation);
    SupprimeDepuis(l, 9, NoterLiberation);
    EXPECT_EQ(Liberes(), "");
    SupprimeDepuis(l, 4, NoterLiberation);
    EXPECT_EQ(Liberes(), "de");
    EXPECT_EQ(Contenu(l), "a b c");
    EXPECT_TRUE(Coherente(l));
    SupprimeTete(l, NoterLiberation);
    SupprimeCourant(l, NoterLiberation);
    EXPECT_EQ(Liberes(), "deab");
    InsereFin(l, elements[4].data());
    DetruitListe(l, NoterLiberation);
    EXPECT_EQ(Liberes(), "deabce");
    // The word layer frees its copies (leaks would show under the sanitizer build).
    Liste* mots = ListeDeMots("un deux trois quatre");
    SupprimeMotsDepuis(mots, 2);
    EXPECT_EQ(Contenu(mots), "un");
    DetruitListeMots(mots);
    DetruitListeMots(ListeDeMots("a b c"));
}

std::uint8_t MemeInitiale(const void* element, const void* cle) {
    return *static_cast<const char*>(element) == *static_cast<const char*>(cle);
}

TEST(Recherche, PremiereOccurrenceSansBougerLeCurseur) {
    Liste* vide = CreerListeMots();
    EXPECT_EQ(PositionMot("a", vide), 0);
    DetruitListeMots(vide);
    Liste* l = ListeDeMots("gris vert gris bleu", 4);
    EXPECT_EQ(PositionMot("gris", l), 1);
    EXPECT_EQ(PositionMot("bleu", l), 4);
    EXPECT_EQ(PositionMot("Vert", l) + PositionMot("", l) + PositionMot(nullptr, l), 0);
    EXPECT_EQ(PosCourante(l), 4);
    EXPECT_EQ(MotCourant(l), "bleu");
    EXPECT_EQ(CherchePos("v", l, MemeInitiale), 2);
    EXPECT_EQ(CherchePos("z", l, MemeInitiale), 0);
    EXPECT_EQ(CherchePos("v", l, nullptr), 0);
    DetruitListeMots(l);
}

TEST(VerifInit, CopieParValeurSignaleeEtOriginalIntact) {
    Enregistreur e;
    Liste* l = ListeDeMots("a b c");
    VerifInit(l);
    EXPECT_EQ(e.Nombre(), 0u);
    Liste copie = *l;
    testing::internal::CaptureStdout();
    AfficheListe(&copie, AfficherChVar);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    e.Attendre(1, "La liste n'a pas été initialisée !"_cp850, kModule, "VerifInit");
    // Changes through the copy would corrupt the list it shares nodes with.
    InsereMotFin(&copie, "x");
    SupprimeMotPos(&copie, 1);
    AllerPos(&copie, 3);
    DetruitListeMots(&copie);
    VerifInit(nullptr);
    EXPECT_EQ(e.Nombre(), 6u);
    EXPECT_TRUE(Coherente(l));
    EXPECT_EQ(Contenu(l), "a b c");
    EXPECT_EQ(PosCourante(l), 1);
    DetruitListeMots(l);
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
    EXPECT_FALSE(EstPremier(nulle, nullptr) || EstDernier(nulle, nullptr));
    EXPECT_FALSE(CourantPremier(nulle) || CourantDernier(nulle));
    EXPECT_EQ(PosCourante(nulle), 0);
    AllerPos(nulle, 1);
    AllerPremier(nulle);
    AllerDernier(nulle);
    DeplaceCourant(nulle, 1);
    DecaleTete(nulle, 1);
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(MemoireSaturee, ListeEtNoeudsNonAllouesRienNEstInsere) {
    Enregistreur e;
    {
        AllocateurDefaillant echec(0);
        EXPECT_EQ(InitListe(), nullptr);
        EXPECT_EQ(CreerListeMots(), nullptr);
    }
    e.Attendre(2, "Mémoire saturée ! Impossible de créer une nouvelle liste."_cp850, kModule,
               "AllocListe");
    e.rapports.clear();
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
    }
    EXPECT_EQ(NbElements(l), 1);
    EXPECT_TRUE(Coherente(l));
    e.Attendre(3, "Mémoire saturée ! Impossible de créer un nouveau noeud."_cp850, kModule,
               "AllocNoeud");
    DetruitListe(l, nullptr);
}

TEST(MemoireSaturee, CoucheDesMotsNeStockeJamaisDeCopieNulle) {
    Enregistreur e;
    Liste* l = ListeDeMots("a");
    {
        AllocateurDefaillant echec(0); // the copy fails
        InsereMotFin(l, "b");
    }
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().module, "CHVAR");
    {
        AllocateurDefaillant echec(1); // the copy succeeds, the node fails
        InsereMotTete(l, "c");
    }
    ASSERT_EQ(e.Nombre(), 2u);
    EXPECT_EQ(e.Dernier().fonction, "AllocNoeud");
    EXPECT_EQ(Contenu(l), "a");
    // A refused position releases the copy too (checked by the leak detector).
    InsereMotPos(l, 5, "d");
    EXPECT_EQ(e.Dernier().fonction, "InserePos");
    EXPECT_TRUE(Coherente(l));
    DetruitListeMots(l);
}

} // namespace
