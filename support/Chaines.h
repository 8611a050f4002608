// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Module CHAINES: suffix routines, capacity-checked copies, vowel search and
// case conversion of NUL-terminated single-byte strings. Lengths, indexes and
// capacities are 16-bit; a capacity counts the terminator.
#pragma once

#include <cstdint>

using Longueur = std::uint16_t;

// Suffix routines: the suffix first, the word last.
std::uint8_t FinitPar(const char* suffixe, const char* mot);
void TronquerSuffixe(const char* suffixe, char* mot);
char* RemplacerSuffixe(const char* suffixe, const char* remplacement, char* mot);

// Capacity-checked copies.
char* StrCat(char* destination, const char* source, Longueur capacite);
char* InitCopieChaine(char* destination, Longueur capacite, const char* source);
char* InitCat(char* destination, Longueur capacite, const char* source1, const char* source2);
void EchangeChaine(char* chaine1, Longueur capacite1, char* chaine2, Longueur capacite2);
std::uint8_t EgaliteN(const char* a, const char* b, Longueur n);

// Vowels and case.
Longueur PosPremiereVoyelle(const char* chaine);
Longueur PosDerniereVoyelle(const char* chaine);
void ChaineEnMajuscules(char* chaine);
void ChaineEnMinuscules(char* chaine);
