// The positional list against a plain model: random operations, the record's
// invariants after each, then printing, the initialisation check and refusals.
#include <random>

#include "Liste.h"
#include "OutilsTest.h"

namespace {

const std::string kDepasse =
    "La position donnée dépasse la fin de la liste.\tGESTION DES LISTES\tAdrNoeudPos\n";

// Empty: no node, no cursor. Otherwise the circle closes after Nb steps both
// ways and the cursor is the node at its position.
testing::AssertionResult Coherente(const Liste* l) {
    if (l->Controle != l || (l->Nb == 0) != (l->Premier == nullptr) ||
        (l->Nb == 0 ? l->Courant != nullptr || l->PosCourant != 0
                    : l->PosCourant < 1 || l->PosCourant > l->Nb)) {
        return testing::AssertionFailure() << "record fields";
    }
    const Noeud* n = l->Premier;
    for (int pos = 1; pos <= l->Nb; ++pos, n = n->Suivant) {
        if (n->Suivant->Precedent != n || (pos < l->Nb && n->Suivant == l->Premier) ||
            (pos == l->PosCourant) != (n == l->Courant)) {
            return testing::AssertionFailure() << "links or cursor at " << pos;
        }
    }
    return n == l->Premier ? testing::AssertionSuccess()
                           : testing::AssertionFailure() << "open circle";
}

struct Modele {
    std::vector<std::string> mots;
    int curseur = 0;
    int n() const { return static_cast<int>(mots.size()); }
    bool inserer(int p, const std::string& mot) {
        if (n() > 0 && (p < 1 || p > n() + 1)) {
            return false;
        }
        p = n() == 0 ? 1 : p;
        mots.insert(mots.begin() + p - 1, mot);
        curseur = n() == 1 ? 1 : curseur + (p <= curseur);
        return true;
    }
    // Deleting the only element empties the list whatever the position.
    void supprimer(int p) {
        if (n() == 1) {
            mots.clear(), curseur = 0;
        } else if (p >= 1 && p <= n()) {
            mots.erase(mots.begin() + p - 1);
            curseur -= p < curseur || (p == curseur && p == n() + 1);
        }
    }
    static int Modulo(int a, int n) { return ((a % n) + n) % n; }
};

TEST(Liste, OperationsAuHasardCommeLeModele) {
    std::mt19937 hasard(12345);
    for (int serie = 0; serie < 40; ++serie) {
        Liste* l = CreerListeMots();
        Modele m;
        EnregistreurRapports rapports;
        for (int pas = 0; pas < 200; ++pas) {
            const int op = static_cast<int>(hasard() % 10);
            const int p = static_cast<int>(hasard() % (m.n() + 3));
            const std::string mot(1, static_cast<char>('a' + hasard() % 6));
            const int k = static_cast<int>(hasard() % 13) - 6;
            bool signale = false;
            const std::string trace = "op " + std::to_string(op) + " p " + std::to_string(p) +
                                      " k " + std::to_string(k) + " n " + std::to_string(m.n());
            if (op == 0) {
                signale = !m.inserer(p, mot);
                InsereMotPos(l, static_cast<Position>(p), mot.c_str());
            } else if (op == 1) {
                m.inserer(1, mot), InsereMotTete(l, mot.c_str());
            } else if (op == 2) {
                m.inserer(m.n() + 1, mot), InsereMotFin(l, mot.c_str());
            } else if (op == 3) {
                m.inserer(m.curseur, mot), InsereMotCourant(l, mot.c_str());
            } else if (op == 4) {
                m.inserer(m.curseur + 1, mot), InsereMotApres(l, mot.c_str());
            } else if (op == 5) {
                signale = m.n() > 1 && p > m.n();
                if (m.n() > 0) {
                    m.supprimer(p);
                }
                SupprimeMotPos(l, static_cast<Position>(p));
            } else if (op == 6 && m.n() > 0) {
                for (; p >= 1 && p <= m.n();) {
                    m.supprimer(p);
                }
                SupprimeMotsDepuis(l, static_cast<Position>(p));
            } else if (op == 7 && m.n() > 0) {
                signale = p > m.n();
                m.curseur = p >= 1 && p <= m.n() ? p : m.curseur;
                AllerPos(l, static_cast<Position>(p));
            } else if (op == 8 && m.n() > 0) {
                m.curseur = Modele::Modulo(m.curseur - 1 + k, m.n()) + 1;
                DeplaceCourant(l, static_cast<Pas>(k));
            } else if (op == 9 && m.n() > 0) {
                std::rotate(m.mots.begin(), m.mots.begin() + Modele::Modulo(k, m.n()),
                            m.mots.end());
                m.curseur = Modele::Modulo(m.curseur - 1 - k, m.n()) + 1;
                DecaleTete(l, static_cast<Pas>(k));
            }
            ASSERT_TRUE(Coherente(l)) << trace;
            ASSERT_EQ(NbElements(l), m.n()) << trace;
            ASSERT_EQ(PosCourante(l), m.curseur) << trace;
            for (int i = 1; i <= m.n(); ++i) {
                ASSERT_STREQ(MotPos(l, static_cast<Position>(i)), m.mots[i - 1].c_str()) << trace;
            }
            const auto premier = std::find(m.mots.begin(), m.mots.end(), mot);
            ASSERT_EQ(PositionMot(mot.c_str(), l),
                      premier == m.mots.end() ? 0 : premier - m.mots.begin() + 1);
            ASSERT_EQ(PosCourante(l), m.curseur) << "search moved the cursor";
            ASSERT_EQ(rapports.rapports().size(), signale ? 1u : 0u) << trace;
            rapports.vider();
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
    EXPECT_TRUE(Coherente(l));
    EXPECT_STREQ(MotPos(l, 1), "a");
    DetruitListeMots(l);
}

TEST(Liste, PleineOuMemoireSatureeRienNEstInsere) {
    EnregistreurRapports rapports;
    {
        AllocateurDefaillant echec(0);
        EXPECT_EQ(CreerListeMots(), nullptr);
    }
    Liste* l = CreerListeMots();
    InsereMotFin(l, "a");
    for (int permises : {0, 1}) { // the word's copy fails, then the node
        AllocateurDefaillant echec(permises);
        InsereMotFin(l, "b");
    }
    EXPECT_EQ(rapports.texte(),
              "Mémoire saturée ! Impossible de créer une nouvelle liste.\tGESTION DES "
              "LISTES\tAllocListe\n"
              "Mémoire saturée ! Impossible de créer une chaîne variable.\tCHVAR\tAllocChVar\n"
              "Mémoire saturée ! Impossible de créer un nouveau noeud.\tGESTION DES "
              "LISTES\tAllocNoeud\n");
    EXPECT_TRUE(Coherente(l) && NbElements(l) == 1);
    int x = 0;
    Liste* pleine = InitListe();
    for (int i = 0; i <= UINT16_MAX; ++i) {
        InsereFin(pleine, &x);
    }
    EXPECT_EQ(NbElements(pleine), UINT16_MAX);
    EXPECT_EQ(
        rapports.compter("Position de noeud hors limites.", "GESTION DES LISTES", "InserePos"), 1);
    DetruitListe(pleine, nullptr);
    DetruitListeMots(l);
}

} // namespace
