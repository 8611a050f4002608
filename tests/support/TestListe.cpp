// The positional list against a plain model: random operations, the record's
// invariants after each; then printing, the initialisation check, refusals.
#include <random>

#include "Liste.h"
#include "OutilsTest.h"

namespace {

// Empty: no node, no cursor. Otherwise the circle closes after Nb steps both
// ways and the cursor is the node at its position.
bool Coherente(const Liste* l) {
    bool ok = l->Controle == l && (l->Nb == 0) == (l->Premier == nullptr) &&
              (l->Nb == 0 ? l->Courant == nullptr && l->PosCourant == 0
                          : l->PosCourant >= 1 && l->PosCourant <= l->Nb);
    const Noeud* n = l->Premier;
    for (int pos = 1; ok && pos <= l->Nb; ++pos, n = n->Suivant) {
        ok = n->Suivant->Precedent == n && (pos == l->Nb || n->Suivant != l->Premier) &&
             (pos == l->PosCourant) == (n == l->Courant);
    }
    return ok && n == l->Premier;
}

int Modulo(int a, int n) {
    return ((a % n) + n) % n;
}

TEST(Liste, OperationsAuHasardCommeLeModele) {
    std::mt19937 hasard(12345);
    for (int serie = 0; serie < 40; ++serie) {
        Liste* l = CreerListeMots();
        std::vector<std::string> m; // the model: words and cursor
        int c = 0;
        // Inserting into an empty list takes any position.
        const auto inserer = [&](int p, const std::string& mot) {
            const int n = static_cast<int>(m.size());
            p = n == 0 ? 1 : p;
            if (p >= 1 && p <= n + 1) {
                m.insert(m.begin() + p - 1, mot);
                c = n == 0 ? 1 : c + (p <= c);
            }
        };
        // Deleting the only element empties the list whatever the position.
        const auto supprimer = [&](int p) {
            const int n = static_cast<int>(m.size());
            if (n == 1 || (p >= 1 && p <= n)) {
                m.erase(m.begin() + (n == 1 ? 0 : p - 1));
                c = n == 1 ? 0 : c - (p < c || (p == c && p == n));
            }
        };
        for (int pas = 0; pas < 200; ++pas) {
            const int n = static_cast<int>(m.size()), op = static_cast<int>(hasard() % 10);
            const int p = static_cast<int>(hasard() % (n + 3)),
                      k = static_cast<int>(hasard() % 13) - 6;
            const std::string mot(1, static_cast<char>('a' + hasard() % 6));
            SCOPED_TRACE("operation " + std::to_string(op) + " at " + std::to_string(p) + " by " +
                         std::to_string(k) + " on " + std::to_string(n) + " words");
            EnregistreurRapports rapports;
            const bool signale = (op == 0 && n > 0 && (p == 0 || p > n + 1)) ||
                                 (op == 5 && n > 1 && p > n) || (op == 7 && n > 0 && p > n);
            if (op == 0) {
                inserer(p, mot), InsereMotPos(l, static_cast<Position>(p), mot.c_str());
            } else if (op == 1) {
                inserer(1, mot), InsereMotTete(l, mot.c_str());
            } else if (op == 2) {
                inserer(n + 1, mot), InsereMotFin(l, mot.c_str());
            } else if (op == 3) {
                inserer(c, mot), InsereMotCourant(l, mot.c_str());
            } else if (op == 4) {
                inserer(c + 1, mot), InsereMotApres(l, mot.c_str());
            } else if (op == 5 && n > 0) {
                supprimer(p), SupprimeMotPos(l, static_cast<Position>(p));
            } else if (op == 6 && n > 0) {
                for (int i = p; p >= 1 && i <= n; ++i) {
                    supprimer(p);
                }
                SupprimeMotsDepuis(l, static_cast<Position>(p));
            } else if (op == 7 && n > 0) {
                c = p >= 1 && p <= n ? p : c, AllerPos(l, static_cast<Position>(p));
            } else if (op == 8 && n > 0) {
                c = Modulo(c - 1 + k, n) + 1, DeplaceCourant(l, static_cast<Pas>(k));
            } else if (op == 9 && n > 0) {
                std::rotate(m.begin(), m.begin() + Modulo(k, n), m.end());
                c = Modulo(c - 1 - k, n) + 1, DecaleTete(l, static_cast<Pas>(k));
            }
            ASSERT_TRUE(Coherente(l));
            ASSERT_EQ(Mots(l), m);
            const auto premier = std::find(m.begin(), m.end(), mot);
            ASSERT_EQ(PositionMot(mot.c_str(), l),
                      premier == m.end() ? 0 : premier - m.begin() + 1);
            ASSERT_EQ(PosCourante(l), c) << "searching must not move the cursor";
            ASSERT_EQ(rapports.rapports().size(), signale ? 1u : 0u) << rapports.texte();
        }
        DetruitListeMots(l);
    }
}

TEST(Liste, AffichageEtCopieNonInitialisee) {
    Liste* l = CreerListeMots();
    testing::internal::CaptureStdout();
    AfficheListe(l, AfficherChVar);
    for (const char* mot : {"a", "b", "c"}) {
        InsereMotFin(l, mot);
    }
    AfficheListe(l, AfficherChVar);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[]\n[a, b, c]\n");
    EnregistreurRapports rapports;
    Liste copie = *l;
    InsereMotFin(&copie, "x");
    SupprimeMotPos(&copie, 1);
    EXPECT_EQ(
        rapports.compter("La liste n'a pas été initialisée !", "GESTION DES LISTES", "VerifInit"),
        2);
    EXPECT_TRUE(Coherente(l) && Mots(l) == std::vector<std::string>({"a", "b", "c"}));
    DetruitListeMots(l);
}

TEST(Liste, PleineOuMemoireSatureeRienNEstInsere) {
    EnregistreurRapports rapports;
    Liste* l = nullptr;
    for (int permises : {0, 1, 1, 2}) { // the record, the word's copy, the node, then all
        AllocateurDefaillant echec(permises);
        l = l ? l : CreerListeMots();
        InsereMotFin(l, "a");
    }
    EXPECT_EQ(rapports.texte(),
              "Mémoire saturée ! Impossible de créer une nouvelle liste.\tGESTION DES "
              "LISTES\tAllocListe\n"
              "Mémoire saturée ! Impossible de créer une chaîne variable.\tCHVAR\tAllocChVar\n"
              "Mémoire saturée ! Impossible de créer un nouveau noeud.\tGESTION DES "
              "LISTES\tAllocNoeud\n");
    EXPECT_TRUE(Coherente(l) && NbElements(l) == 1);
    int x = 0;
    for (int i = 0; i < UINT16_MAX; ++i) {
        InsereFin(l, &x);
    }
    EXPECT_EQ(NbElements(l), UINT16_MAX);
    EXPECT_EQ(
        rapports.compter("Position de noeud hors limites.", "GESTION DES LISTES", "InserePos"), 1);
    SupprimeDepuis(l, 2, nullptr);
    DetruitListeMots(l);
}

} // namespace
