// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Character classes and case conversions over single bytes. Letters are the
// ASCII letters and the accented letters of two code page 850 tables.
#pragma once

using Octet = unsigned char;

// NUL-terminated tables. Entry i of each lower-case table is the partner of
// entry i of the upper-case table; the accent tables are code page 850.
extern const char* const VoyellesMaj; // "AIUEO"
extern const char* const VoyellesMin; // "aiueo"
extern const char* const AccentsMaj;  // 13 upper-case accented letters
extern const char* const AccentsMin;  // their partners (12 distinct bytes)

// Tests: 1 (true) or 0 (false).
int EstVoyelle(Octet c);
int EstConsonne(Octet c);
int EstLettre(Octet c);
int EstSeparateur(Octet c);
int EstMajusculeAscii(Octet c);
int EstMinusculeAscii(Octet c);
int EstLettreAscii(Octet c);
int EstChiffre(Octet c);
int EstAlphanumAscii(Octet c);
int EstParenthese(Octet c);
int EstAccolade(Octet c);
int EstCrochet(Octet c);
int EstMajusculeAccentuee(Octet c);
int EstMinusculeAccentuee(Octet c);
int EstLettreAccentuee(Octet c);
int EstAlphanumAccentue(Octet c);
int EstMajuscule(Octet c);
int EstMinuscule(Octet c);
int EstAlphanum(Octet c);
int EstImprimable(Octet c);

// Conversions.
Octet EnMajuscule(Octet c);
Octet EnMinuscule(Octet c);
Octet MajusculeAscii(Octet c);
Octet MinusculeAscii(Octet c);
Octet MajusculeAccentuee(Octet c);
Octet MinusculeAccentuee(Octet c);
