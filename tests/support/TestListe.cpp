// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The positional list: the cases of liste.tsv and the record's invariants
// after each, then printing, the initialisation check, refusals.
#include <functional>

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

// "a [b] c": the words, the cursor's in brackets.
std::string Rendre(Liste* l) {
    std::string texte;
    for (Position p = 1; p <= NbElements(l); ++p) {
        const std::string mot = MotPos(l, p);
        texte += (p > 1 ? " " : "") + (p == PosCourante(l) ? "[" + mot + "]" : mot);
    }
    return texte.empty() ? "-" : texte;
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
        const std::string& op = cas[1];
        const auto n = static_cast<std::int16_t>(std::atoi(cas[2].c_str())); // a word gives 0
        const auto p = static_cast<Position>(n);
        std::string apres;
        EnregistreurRapports rapports;
        const std::map<std::string, std::function<void()>> operations = {
            {"InsereMotPos", [&] { InsereMotPos(l, p, "x"); }},
            {"InsereMotTete", [&] { InsereMotTete(l, "x"); }},
            {"InsereMotFin", [&] { InsereMotFin(l, "x"); }},
            {"InsereMotCourant", [&] { InsereMotCourant(l, "x"); }},
            {"InsereMotApres", [&] { InsereMotApres(l, "x"); }},
            {"SupprimeMotPos", [&] { SupprimeMotPos(l, p); }},
            {"SupprimeMotsDepuis", [&] { SupprimeMotsDepuis(l, p); }},
            {"SupprimeMotCourant", [&] { SupprimeMotCourant(l); }},
            {"AllerPos", [&] { AllerPos(l, p); }},
            {"DeplaceCourant", [&] { DeplaceCourant(l, n); }},
            {"DecaleTete", [&] { DecaleTete(l, n); }},
            {"PositionMot",
             [&] { apres = " = " + std::to_string(PositionMot(cas[2].c_str(), l)); }}};
        ASSERT_EQ(operations.count(op), 1u) << "unknown operation " << op;
        operations.at(op)();
        EXPECT_TRUE(Coherente(l)) << cas[0] << " " << op << " " << cas[2];
        EXPECT_EQ(
            Rendre(l) + apres + " / " +
                std::to_string(std::count(rapports.texte.begin(), rapports.texte.end(), '\n')),
            cas[3] + " / " + cas[4])
            << cas[0] << " " << op << " " << cas[2];
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
        l = l ? l : CreerListeMots();
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
