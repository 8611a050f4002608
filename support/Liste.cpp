// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Liste.h"

#include "ChVar.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const kModule = "GESTION DES LISTES";

std::uint64_t generation = 0;

void Modifiee() {
    ++generation;
}

bool Initialisee(const Liste* liste) {
    return liste != nullptr && liste->Controle == liste;
}

// VerifInit, and whether the operation may touch the record: a record that
// fails the check (typically a copy sharing another list's nodes) is left
// alone, so that neither list is corrupted.
bool Utilisable(Liste* liste) {
    if (liste == nullptr) {
        return false;
    }
    VerifInit(liste);
    return Initialisee(liste);
}

bool Peuplee(const Liste* liste) {
    return liste->Nb > 0 && liste->Premier != nullptr;
}

// Brings v into 1..n.
Position Ramener(long v, long n) {
    return static_cast<Position>(((v - 1) % n + n) % n + 1);
}

// Shortest equivalent walk round a circle of n nodes.
Pas Reduire(Pas pas, long n) {
    long r = pas % n;
    if (r > n / 2) {
        r -= n;
    } else if (r < -n / 2) {
        r += n;
    }
    return static_cast<Pas>(r);
}

int Distance(Pas pas) {
    return pas < 0 ? -static_cast<int>(pas) : pas;
}

void SupprimeUnique(Liste* liste, Liberateur libere) {
    Noeud* noeud = liste->Premier;
    Modifiee();
    liste->Nb = 0;
    liste->Premier = nullptr;
    liste->Courant = nullptr;
    liste->PosCourant = 0;
    if (libere != nullptr) {
        libere(noeud->Element);
    }
    std::free(noeud);
}

// Stores a copy of `mot` through `inserer`; the copy is released again when
// the insertion did not take place.
template <typename Inserer> void InsererCopie(Liste* liste, const char* mot, Inserer inserer) {
    if (liste == nullptr) {
        return;
    }
    char* copie = AllocChVar(mot);
    if (copie == nullptr) {
        return;
    }
    const std::uint16_t avant = liste->Nb;
    inserer(copie);
    if (liste->Nb == avant) {
        LibererChVar(copie);
    }
}

} // namespace

// ---- Allocation and checks ----

Liste* AllocListe() {
    auto* liste = static_cast<Liste*>(Allouer(sizeof(Liste)));
    if (liste == nullptr) {
        MessageErreur("Mémoire saturée ! Impossible de créer une nouvelle liste."_cp850, kModule,
                      "AllocListe");
    }
    return liste;
}

Noeud* AllocNoeud() {
    auto* noeud = static_cast<Noeud*>(Allouer(sizeof(Noeud)));
    if (noeud == nullptr) {
        MessageErreur("Mémoire saturée ! Impossible de créer un nouveau noeud."_cp850, kModule,
                      "AllocNoeud");
    }
    return noeud;
}

Liste* InitListe() {
    Liste* liste = AllocListe();
    if (liste == nullptr) {
        return nullptr;
    }
    liste->Nb = 0;
    liste->Courant = nullptr;
    liste->Premier = nullptr;
    liste->PosCourant = 0;
    liste->Controle = liste;
    return liste;
}

void VerifInit(Liste* liste) {
    if (!Initialisee(liste)) {
        MessageErreur("La liste n'a pas été initialisée !"_cp850, kModule, "VerifInit");
    }
}

// ---- Addressing ----

// The node at `position`, by the shortest of three walks: forward or backward
// from the first node, or from the cursor. Ties go backward from the first
// node, then to the cursor.
Noeud* AdrNoeudPos(Liste* liste, Position position) {
    if (liste == nullptr) {
        return nullptr;
    }
    if (liste->Nb < position) {
        MessageErreur("La position donnée dépasse la fin de la liste."_cp850, kModule,
                      "AdrNoeudPos");
    }
    if (!Peuplee(liste)) {
        return nullptr;
    }
    const auto avant = static_cast<Pas>(position - 1);
    const auto arriere = static_cast<Pas>(position - liste->Nb - 1);
    const Pas depuisTete = Distance(avant) < Distance(arriere) ? avant : arriere;
    const auto depuisCurseur = static_cast<Pas>(position - liste->PosCourant);
    Noeud* noeud = liste->Courant;
    Pas pas = depuisCurseur;
    if (Distance(depuisTete) < Distance(depuisCurseur) || noeud == nullptr) {
        noeud = liste->Premier;
        pas = depuisTete;
    }
    DeplaceAdr(&noeud, pas);
    return noeud;
}

void* ElementPos(Liste* liste, Position position) {
    Noeud* noeud = AdrNoeudPos(liste, position);
    return noeud == nullptr ? nullptr : noeud->Element;
}

void DeplaceAdr(Noeud** noeud, Pas pas) {
    if (noeud == nullptr) {
        return;
    }
    for (int i = 0; i < pas && *noeud != nullptr; ++i) {
        *noeud = (*noeud)->Suivant;
    }
    for (int i = 0; i > pas && *noeud != nullptr; --i) {
        *noeud = (*noeud)->Precedent;
    }
}

// ---- Insertion ----

void InserePos(Liste* liste, Position position, void* element) {
    if (!Utilisable(liste)) {
        return;
    }
    if (liste->Nb == 0) {
        InsereVide(liste, element);
        return;
    }
    // A full list (65,535 nodes) takes no more: its count would wrap.
    if (position == 0 || position > liste->Nb + 1 || liste->Nb == UINT16_MAX) {
        MessageErreur("Position de noeud hors limites.", kModule, "InserePos");
        return;
    }
    Noeud* nouveau = AllocNoeud();
    if (nouveau == nullptr) {
        return;
    }
    Noeud* ancre = position <= liste->Nb ? AdrNoeudPos(liste, position) : liste->Premier;
    nouveau->Element = element;
    nouveau->Suivant = ancre;
    nouveau->Precedent = ancre->Precedent;
    ancre->Precedent->Suivant = nouveau;
    ancre->Precedent = nouveau;
    Modifiee();
    ++liste->Nb;
    if (position == 1) {
        DecaleTete(liste, -1);
    } else if (position <= liste->PosCourant) {
        ++liste->PosCourant;
    }
}

void InsereVide(Liste* liste, void* element) {
    if (liste == nullptr || liste->Nb != 0) {
        return;
    }
    Noeud* noeud = AllocNoeud();
    if (noeud == nullptr) {
        return;
    }
    noeud->Element = element;
    noeud->Precedent = noeud;
    noeud->Suivant = noeud;
    liste->Premier = noeud;
    liste->Courant = noeud;
    liste->Nb = 1;
    liste->PosCourant = 1;
    Modifiee();
}

void InsereFin(Liste* liste, void* element) {
    if (liste != nullptr) {
        InserePos(liste, static_cast<Position>(liste->Nb + 1), element);
    }
}

void InsereTete(Liste* liste, void* element) {
    InserePos(liste, 1, element);
}

void InsereCourant(Liste* liste, void* element) {
    if (Utilisable(liste)) {
        InserePos(liste, liste->PosCourant, element);
    }
}

void InsereApres(Liste* liste, void* element) {
    if (Utilisable(liste)) {
        InserePos(liste, static_cast<Position>(liste->PosCourant + 1), element);
    }
}

// ---- Deletion ----

void SupprimePos(Liste* liste, Position position, Liberateur libere) {
    if (!Utilisable(liste) || !Peuplee(liste)) {
        return;
    }
    if (liste->Nb == 1) {
        SupprimeUnique(liste, libere);
        return;
    }
    if (position == 0 || position > liste->Nb) {
        AdrNoeudPos(liste, position); // reports a position past the end
        return;
    }
    Noeud* noeud = AdrNoeudPos(liste, position);
    Modifiee();
    if (position == 1) {
        liste->Premier = noeud->Suivant;
    }
    if (position == liste->PosCourant) {
        if (position == liste->Nb) {
            liste->Courant = noeud->Precedent;
            --liste->PosCourant;
        } else {
            liste->Courant = noeud->Suivant;
        }
    } else if (position < liste->PosCourant) {
        --liste->PosCourant;
    }
    noeud->Precedent->Suivant = noeud->Suivant;
    noeud->Suivant->Precedent = noeud->Precedent;
    if (libere != nullptr) {
        libere(noeud->Element);
    }
    std::free(noeud);
    --liste->Nb;
}

void SupprimeTete(Liste* liste, Liberateur libere) {
    SupprimePos(liste, 1, libere);
}

void SupprimeCourant(Liste* liste, Liberateur libere) {
    if (Utilisable(liste)) {
        SupprimePos(liste, liste->PosCourant, libere);
    }
}

void SupprimeDepuis(Liste* liste, Position position, Liberateur libere) {
    if (liste == nullptr || position == 0) {
        return;
    }
    while (position <= liste->Nb) {
        const std::uint16_t avant = liste->Nb;
        SupprimePos(liste, position, libere);
        if (liste->Nb == avant) {
            return;
        }
    }
}

void DetruitListe(Liste* liste, Liberateur libere) {
    if (!Utilisable(liste)) {
        return;
    }
    SupprimeDepuis(liste, 1, libere);
    Modifiee();
    liste->Controle = nullptr;
    std::free(liste);
}

// ---- Search and printing ----

Position CherchePos(const void* cle, Liste* liste, Comparateur egal) {
    if (liste == nullptr || egal == nullptr || !Peuplee(liste)) {
        return 0;
    }
    const Noeud* noeud = liste->Premier;
    for (std::uint32_t position = 1; position <= liste->Nb; ++position) {
        if (egal(noeud->Element, cle)) {
            return static_cast<Position>(position);
        }
        noeud = noeud->Suivant;
    }
    return 0;
}

void AfficheListe(Liste* liste, Afficheur affiche) {
    if (!Utilisable(liste)) {
        return;
    }
    std::fputs("[", stdout);
    const Noeud* noeud = liste->Premier;
    for (std::uint32_t i = 0; i < liste->Nb && noeud != nullptr; ++i) {
        if (i > 0) {
            std::fputs(", ", stdout);
        }
        if (affiche != nullptr) {
            affiche(noeud->Element);
        }
        noeud = noeud->Suivant;
    }
    std::fputs("]\n", stdout);
}

// ---- Queries and cursor ----

std::uint16_t NbElements(const Liste* liste) {
    return liste == nullptr ? 0 : liste->Nb;
}

bool ListeVide(const Liste* liste) {
    return NbElements(liste) == 0;
}

bool EstPremier(const Liste* liste, const Noeud* noeud) {
    return liste != nullptr && noeud != nullptr && noeud == liste->Premier;
}

bool EstDernier(const Liste* liste, const Noeud* noeud) {
    return liste != nullptr && noeud != nullptr && liste->Premier != nullptr &&
           noeud == liste->Premier->Precedent;
}

bool CourantPremier(Liste* liste) {
    return Utilisable(liste) && EstPremier(liste, liste->Courant);
}

bool CourantDernier(Liste* liste) {
    return Utilisable(liste) && EstDernier(liste, liste->Courant);
}

Position PosCourante(Liste* liste) {
    return Utilisable(liste) ? liste->PosCourant : 0;
}

void AllerPos(Liste* liste, Position position) {
    if (!Utilisable(liste)) {
        return;
    }
    if (position == 0 || position > liste->Nb || !Peuplee(liste)) {
        AdrNoeudPos(liste, position); // reports a position past the end
        return;
    }
    liste->Courant = AdrNoeudPos(liste, position);
    liste->PosCourant = position;
}

void AllerPremier(Liste* liste) {
    if (Utilisable(liste) && Peuplee(liste)) {
        liste->Courant = liste->Premier;
        liste->PosCourant = 1;
    }
}

void AllerDernier(Liste* liste) {
    if (Utilisable(liste) && Peuplee(liste)) {
        liste->Courant = liste->Premier->Precedent;
        liste->PosCourant = liste->Nb;
    }
}

void DeplaceCourant(Liste* liste, Pas pas) {
    if (!Utilisable(liste) || !Peuplee(liste) || liste->Courant == nullptr) {
        return;
    }
    DeplaceAdr(&liste->Courant, Reduire(pas, liste->Nb));
    liste->PosCourant = Ramener(static_cast<long>(liste->PosCourant) + pas, liste->Nb);
}

void DecaleTete(Liste* liste, Pas pas) {
    if (liste == nullptr || !Peuplee(liste)) {
        return;
    }
    Modifiee();
    DeplaceAdr(&liste->Premier, Reduire(pas, liste->Nb));
    liste->PosCourant = Ramener(static_cast<long>(liste->PosCourant) - pas, liste->Nb);
}

// ---- Word layer ----

Liste* CreerListeMots() {
    return InitListe();
}

void DetruitListeMots(Liste* liste) {
    DetruitListe(liste, LibererChVar);
}

Position PositionMot(const char* mot, Liste* liste) {
    return mot == nullptr ? 0 : CherchePos(mot, liste, EgalesChVar);
}

void InsereMotFin(Liste* liste, const char* mot) {
    InsererCopie(liste, mot, [liste](char* copie) { InsereFin(liste, copie); });
}

void InsereMotTete(Liste* liste, const char* mot) {
    InsererCopie(liste, mot, [liste](char* copie) { InsereTete(liste, copie); });
}

void InsereMotCourant(Liste* liste, const char* mot) {
    InsererCopie(liste, mot, [liste](char* copie) { InsereCourant(liste, copie); });
}

void InsereMotApres(Liste* liste, const char* mot) {
    InsererCopie(liste, mot, [liste](char* copie) { InsereApres(liste, copie); });
}

void InsereMotPos(Liste* liste, Position position, const char* mot) {
    InsererCopie(liste, mot, [liste, position](char* copie) { InserePos(liste, position, copie); });
}

void SupprimeMotPos(Liste* liste, Position position) {
    SupprimePos(liste, position, LibererChVar);
}

void SupprimeMotCourant(Liste* liste) {
    SupprimeCourant(liste, LibererChVar);
}

void SupprimeMotsDepuis(Liste* liste, Position position) {
    SupprimeDepuis(liste, position, LibererChVar);
}

const char* MotPos(Liste* liste, Position position) {
    return static_cast<const char*>(ElementPos(liste, position));
}

std::uint64_t GenerationListes() {
    return generation;
}
