// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChVar.h"

#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void* AllocationStandard(std::size_t taille) {
    return std::malloc(taille);
}

Allocateur allocateurCourant = AllocationStandard;

} // namespace

Allocateur DefinirAllocateur(Allocateur allocateur) {
    const Allocateur precedent = allocateurCourant;
    allocateurCourant = allocateur != nullptr ? allocateur : AllocationStandard;
    return precedent;
}

void* Allouer(std::size_t taille) {
    return allocateurCourant(taille);
}

char* AllocChVar(const char* chaine) {
    if (chaine == nullptr) {
        return nullptr;
    }
    const std::size_t taille = std::strlen(chaine) + 1;
    char* copie = static_cast<char*>(Allouer(taille));
    if (copie == nullptr) {
        MessageErreur("Mémoire saturée ! Impossible de créer une chaîne variable."_cp850, "CHVAR",
                      "AllocChVar");
        return nullptr;
    }
    std::memcpy(copie, chaine, taille);
    return copie;
}

void LibererChVar(void* chaine) {
    std::free(chaine);
}

std::uint8_t EgalesChVar(const void* a, const void* b) {
    if (a == nullptr || b == nullptr) {
        return 0;
    }
    return std::strcmp(static_cast<const char*>(a), static_cast<const char*>(b)) == 0 ? 1 : 0;
}

void AfficherChVar(const void* chaine) {
    if (chaine != nullptr) {
        std::fputs(static_cast<const char*>(chaine), stdout);
    }
}
