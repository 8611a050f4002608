// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Module "GESTION DES LISTES": circular doubly linked list with 1-based
// 16-bit positions and a cursor; a generic layer over untyped elements and a
// word layer that owns heap copies of words.
//
// Failures are reported through MessageErreur and the caller goes on. Every
// operation accepts a null list and then does nothing (or answers 0/null). A
// record that fails its initialisation check (VerifInit) is reported and then
// left untouched, so a copy made by value never corrupts the list it shares
// nodes with. Refused insertions (position out of range, full list, failed
// allocation) insert nothing; the word layer then releases its copy.
#pragma once

#include <cstdint>

using Position = std::uint16_t;
using Pas = std::int16_t;

struct Noeud {
    void* Element;
    Noeud* Precedent;
    Noeud* Suivant;
};

struct Liste {
    std::uint16_t Nb;
    Noeud* Courant;
    Position PosCourant;
    Noeud* Premier;
    Liste* Controle;
};

using Liberateur = void (*)(void* element);
using Comparateur = std::uint8_t (*)(const void* element, const void* cle);
using Afficheur = void (*)(const void* element);

// Allocation and checks.
Liste* AllocListe();
Noeud* AllocNoeud();
Liste* InitListe();
void VerifInit(Liste* liste);

// Addressing.
Noeud* AdrNoeudPos(Liste* liste, Position position);
void* ElementPos(Liste* liste, Position position);
void DeplaceAdr(Noeud** noeud, Pas pas);

// Insertion.
void InserePos(Liste* liste, Position position, void* element);
void InsereVide(Liste* liste, void* element);
void InsereFin(Liste* liste, void* element);
void InsereTete(Liste* liste, void* element);
void InsereCourant(Liste* liste, void* element);
void InsereApres(Liste* liste, void* element);

// Deletion.
void SupprimePos(Liste* liste, Position position, Liberateur libere);
void SupprimeTete(Liste* liste, Liberateur libere);
void SupprimeCourant(Liste* liste, Liberateur libere);
void SupprimeDepuis(Liste* liste, Position position, Liberateur libere);
void DetruitListe(Liste* liste, Liberateur libere);

// Search and printing.
Position CherchePos(const void* cle, Liste* liste, Comparateur egal);
void AfficheListe(Liste* liste, Afficheur affiche);

// Queries and cursor.
std::uint16_t NbElements(const Liste* liste);
bool ListeVide(const Liste* liste);
bool EstPremier(const Liste* liste, const Noeud* noeud);
bool EstDernier(const Liste* liste, const Noeud* noeud);
bool CourantPremier(Liste* liste);
bool CourantDernier(Liste* liste);
Position PosCourante(Liste* liste);
void AllerPos(Liste* liste, Position position);
void AllerPremier(Liste* liste);
void AllerDernier(Liste* liste);
void DeplaceCourant(Liste* liste, Pas pas);
void DecaleTete(Liste* liste, Pas pas);

// Word layer.
Liste* CreerListeMots();
void DetruitListeMots(Liste* liste);
Position PositionMot(const char* mot, Liste* liste);
void InsereMotFin(Liste* liste, const char* mot);
void InsereMotTete(Liste* liste, const char* mot);
void InsereMotCourant(Liste* liste, const char* mot);
void InsereMotApres(Liste* liste, const char* mot);
void InsereMotPos(Liste* liste, Position position, const char* mot);
void SupprimeMotPos(Liste* liste, Position position);
void SupprimeMotCourant(Liste* liste);
void SupprimeMotsDepuis(Liste* liste, Position position);
const char* MotPos(Liste* liste, Position position);

// Number of changes made so far to the content or order of any list (an
// insertion, a deletion, a new first node, a destroyed list). Anything built
// from a list's content is current while this count has not moved.
std::uint64_t GenerationListes();
