// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The positional list: the cases of liste.tsv and the record's invariants
// after each, then printing, the initialisation check, refusals.
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
    for (int pos = 1; ok && pos <= l->Nb; ++pos) {
        ok = n->Suivant->Precedent == n && (pos == l->Nb || n->Suivant != l->Premier) &&
             (pos == l->PosCourant) == (n == l->Courant);
        n = n->Suivant;
    }
    return ok && n == l->Premier;
}

// "a [b] c": the words, the cursor's in brackets.
std::string Rendre(Liste* l) {
    std::string texte;
    for (Position p = 1; p <= NbElements(l); ++p) {
        const std::string mot = MotPos(l, p);
        texte += (p > 1 ? " " : "") + (p == PosCourante(l) ? "[" + mot + "]" : mot);
    }
    return texte.empty() ? "-" : texte;
}

// Runs an operation of liste.tsv ("x" inserted; `argument` a position, a step or a
// word); false when the operation is unknown.
bool Executer(Liste* l, const std::string& op, const std::string& argument, std::string& apres) {
    const auto n = static_cast<std::int16_t>(std::atoi(argument.c_str())); // a word gives 0
    const auto p = static_cast<Position>(n);
    if (op == "InsereMotPos") {
        InsereMotPos(l, p, "x");
    } else if (op == "InsereMotTete") {
        InsereMotTete(l, "x");
    } else if (op == "InsereMotFin") {
        InsereMotFin(l, "x");
    } else if (op == "InsereMotCourant") {
        InsereMotCourant(l, "x");
    } else if (op == "InsereMotApres") {
        InsereMotApres(l, "x");
    } else if (op == "SupprimeMotPos") {
        SupprimeMotPos(l, p);
    } else if (op == "SupprimeMotsDepuis") {
        SupprimeMotsDepuis(l, p);
    } else if (op == "SupprimeMotCourant") {
        SupprimeMotCourant(l);
    } else if (op == "AllerPos") {
        AllerPos(l, p);
    } else if (op == "DeplaceCourant") {
        DeplaceCourant(l, n);
    } else if (op == "DecaleTete") {
        DecaleTete(l, n);
    } else if (op == "PositionMot") {
        apres = " = " + std::to_string(PositionMot(argument.c_str(), l));
    } else {
        return false;
    }
    return true;
}

TEST(Liste, CasDuFichier) {
    for (const auto& cas : LireCas(ADJORA_CAS "/liste.tsv", 5)) {
        Liste* l = CreerListeMots();
        std::istringstream avant(cas[0] == "-" ? "" : cas[0]);
        for (std::string mot; avant >> mot;) {
            InsereMotFin(l, mot[0] == '[' ? mot.substr(1, mot.size() - 2).c_str() : mot.c_str());
            if (mot[0] == '[') {
                AllerDernier(l);
            }
        }
        std::string apres;
        EnregistreurRapports rapports;
        EXPECT_TRUE(Executer(l, cas[1], cas[2], apres)) << "unknown operation " << cas[1];
        EXPECT_TRUE(Coherente(l)) << cas[0] << " " << cas[1] << " " << cas[2];
        EXPECT_EQ(
            Rendre(l) + apres + " / " +
                std::to_string(std::count(rapports.texte.begin(), rapports.texte.end(), '\n')),
            cas[3] + " / " + cas[4])
            << cas[0] << " " << cas[1] << " " << cas[2];
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
    EXPECT_EQ(rapports.texte,
              "La liste n'a pas été initialisée !\tGESTION DES LISTES\tVerifInit\n"
              "La liste n'a pas été initialisée !\tGESTION DES LISTES\tVerifInit\n");
    EXPECT_TRUE(Coherente(l) && Mots(l) == std::vector<std::string>({"a", "b", "c"}));
    DetruitListeMots(l);
}

TEST(Liste, PleineOuMemoireSatureeRienNEstInsere) {
    EnregistreurRapports rapports;
    Liste* l = nullptr;
    for (int permises : {0, 1, 1, 2}) { // the record, the word's copy, the node, then all
        AllocateurDefaillant echec(permises);
        if (l == nullptr) {
            l = CreerListeMots();
        }
        InsereMotFin(l, "a");
    }
    EXPECT_EQ(rapports.texte,
              "Mémoire saturée ! Impossible de créer une nouvelle liste.\tGESTION DES "
              "LISTES\tAllocListe\n"
              "Mémoire saturée ! Impossible de créer une chaîne variable.\tCHVAR\tAllocChVar\n"
              "Mémoire saturée ! Impossible de créer un nouveau noeud.\tGESTION DES "
              "LISTES\tAllocNoeud\n");
    EXPECT_TRUE(Coherente(l) && NbElements(l) == 1);
    EnregistreurRapports pleine;
    int x = 0;
    for (int i = 0; i < UINT16_MAX; ++i) {
        InsereFin(l, &x);
    }
    EXPECT_EQ(NbElements(l), UINT16_MAX);
    EXPECT_EQ(pleine.texte, "Position de noeud hors limites.\tGESTION DES LISTES\tInserePos\n");
    SupprimeDepuis(l, 2, nullptr);
    DetruitListeMots(l);
}

} // namespace
