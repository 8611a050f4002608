// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Chaines.h"

#include "Caracteres.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <cstring>

namespace {

const char* const kModule = "CHAINES";
const char* const kTropCourte = "La chaîne de destination est trop courte"_cp850;

// Lengths are measured in full so that a very long string can never make a
// 16-bit count wrap and send a write inside the wrong part of an array.
std::size_t Taille(const char* chaine) {
    return chaine == nullptr ? 0 : std::strlen(chaine);
}

bool Tient(std::size_t longueur, Longueur capacite) {
    return longueur + 1 <= std::size_t{capacite};
}

} // namespace

std::uint8_t FinitPar(const char* suffixe, const char* mot) {
    const std::size_t ls = Taille(suffixe);
    const std::size_t lm = Taille(mot);
    if (ls > lm) {
        return 0;
    }
    for (std::size_t i = 1; i <= ls; ++i) {
        if (mot[lm - i] != suffixe[ls - i]) {
            return 0;
        }
    }
    return 1;
}

void TronquerSuffixe(const char* suffixe, char* mot) {
    const std::size_t ls = Taille(suffixe);
    const std::size_t lm = Taille(mot);
    if (ls > lm) {
        MessageErreur("Le suffixe est plus grand que le mot !", kModule, "TronquerSuffixe");
        return;
    }
    if (mot != nullptr) {
        mot[lm - ls] = '\0';
    }
}

char* RemplacerSuffixe(const char* suffixe, const char* remplacement, char* mot) {
    TronquerSuffixe(suffixe, mot);
    if (mot != nullptr && remplacement != nullptr) {
        std::strcat(mot, remplacement);
    }
    return mot;
}

char* StrCat(char* destination, const char* source, Longueur capacite) {
    if (destination == nullptr || !Tient(Taille(destination) + Taille(source), capacite)) {
        MessageErreur(kTropCourte, kModule, "StrCat");
        return destination;
    }
    std::memmove(destination + Taille(destination), source ? source : "", Taille(source) + 1);
    return destination;
}

char* InitCopieChaine(char* destination, Longueur capacite, const char* source) {
    const std::size_t l = Taille(source);
    if (l == 0) {
        MessageAvertissement("InitCopieChaine - La chaîne source est vide"_cp850);
    }
    if (destination == nullptr || !Tient(l, capacite)) {
        MessageErreur(kTropCourte, kModule, "InitCopieChaine");
        return destination;
    }
    std::memmove(destination, source ? source : "", l + 1);
    return destination;
}

char* InitCat(char* destination, Longueur capacite, const char* source1, const char* source2) {
    const std::size_t l1 = Taille(source1);
    const std::size_t l2 = Taille(source2);
    if (l1 == 0 && l2 == 0) {
        MessageAvertissement("InitCat - Les chaînes sources sont vides toutes les deux"_cp850);
    }
    if (destination == nullptr || !Tient(l1 + l2, capacite)) {
        MessageErreur("InitCat - La chaîne de destination est trop courte"_cp850, kModule,
                      "InitCat");
        return destination;
    }
    // The second source is placed first, in case it overlaps the destination's start.
    std::memmove(destination + l1, source2 ? source2 : "", l2 + 1);
    if (l1 > 0) {
        std::memmove(destination, source1, l1);
    }
    return destination;
}

void EchangeChaine(char* chaine1, Longueur capacite1, char* chaine2, Longueur capacite2) {
    const std::size_t l1 = Taille(chaine1);
    const std::size_t l2 = Taille(chaine2);
    if (chaine1 == nullptr || chaine2 == nullptr || !Tient(l2, capacite1) ||
        !Tient(l1, capacite2)) {
        MessageErreur("EchangeChaine - Un des tableaux de destination est trop court.", kModule,
                      "EchangeChaine");
        return;
    }
    // Bytes 0..max(l1, l2): both terminators travel with their strings.
    const std::size_t m = l1 > l2 ? l1 : l2;
    for (std::size_t i = 0; i <= m; ++i) {
        const unsigned char c = static_cast<unsigned char>(chaine1[i]);
        chaine1[i] = chaine2[i];
        chaine2[i] = static_cast<char>(c);
    }
}

std::uint8_t EgaliteN(const char* a, const char* b, Longueur n) {
    if (n == 0) {
        return 1;
    }
    if (a == nullptr || b == nullptr) {
        return 0;
    }
    return std::memcmp(a, b, n) == 0 ? 1 : 0;
}

Longueur PosPremiereVoyelle(const char* chaine) {
    const std::size_t l = Taille(chaine);
    for (std::size_t i = 0; i < l; ++i) {
        if (EstVoyelle(static_cast<Octet>(chaine[i]))) {
            return static_cast<Longueur>(i);
        }
    }
    return 0;
}

Longueur PosDerniereVoyelle(const char* chaine) {
    for (std::size_t i = Taille(chaine); i > 0; --i) {
        if (EstVoyelle(static_cast<Octet>(chaine[i - 1]))) {
            return static_cast<Longueur>(i - 1);
        }
    }
    return 0;
}

void ChaineEnMajuscules(char* chaine) {
    for (char* p = chaine; p != nullptr && *p != '\0'; ++p) {
        *p = static_cast<char>(EnMajuscule(static_cast<Octet>(*p)));
    }
}

void ChaineEnMinuscules(char* chaine) {
    for (char* p = chaine; p != nullptr && *p != '\0'; ++p) {
        *p = static_cast<char>(EnMinuscule(static_cast<Octet>(*p)));
    }
}
