// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Caracteres.h"

#include "PagesDeCode.h"

const char* const VoyellesMaj = "AIUEO";
const char* const VoyellesMin = "aiueo";
// Å is paired with â, so â appears twice in AccentsMin and å in neither table.
const char* const AccentsMaj = "ÇÅÉÜÂÀÊËÈÎÏÔÛ"_cp850;
const char* const AccentsMin = "çâéüâàêëèîïôû"_cp850;

namespace {

Octet OctetDe(const char* table, int i) {
    return static_cast<Octet>(table[i]);
}

// Position of c in `table` (first occurrence), or -1.
int PositionDans(const char* table, Octet c) {
    for (int i = 0; table[i] != '\0'; ++i) {
        if (OctetDe(table, i) == c) {
            return i;
        }
    }
    return -1;
}

} // namespace

int EstVoyelle(Octet c) {
    for (int i = 0; VoyellesMin[i] != '\0'; ++i) {
        if (c == OctetDe(VoyellesMin, i) || c == OctetDe(VoyellesMaj, i)) {
            return 1;
        }
    }
    return 0;
}

int EstConsonne(Octet c) {
    return EstLettre(c) && !EstVoyelle(c);
}
int EstLettre(Octet c) {
    return EstLettreAscii(c) || EstLettreAccentuee(c);
}
int EstSeparateur(Octet c) {
    return !EstLettre(c) && c != '-';
}
int EstMajusculeAscii(Octet c) {
    return c >= 'A' && c <= 'Z';
}
int EstMinusculeAscii(Octet c) {
    return c >= 'a' && c <= 'z';
}
int EstLettreAscii(Octet c) {
    return EstMajusculeAscii(c) || EstMinusculeAscii(c);
}
int EstChiffre(Octet c) {
    return c >= '0' && c <= '9';
}
int EstAlphanumAscii(Octet c) {
    return EstLettreAscii(c) || EstChiffre(c);
}
int EstParenthese(Octet c) {
    return c == '(' || c == ')';
}
int EstAccolade(Octet c) {
    return c == '{' || c == '}';
}
int EstCrochet(Octet c) {
    return c == '[' || c == ']';
}
int EstMajusculeAccentuee(Octet c) {
    return PositionDans(AccentsMaj, c) >= 0;
}

int EstMinusculeAccentuee(Octet c) {
    for (int i = 0; AccentsMaj[i] != '\0'; ++i) {
        if (c == OctetDe(AccentsMin, i)) {
            return 1;
        }
    }
    return 0;
}

int EstLettreAccentuee(Octet c) {
    return EstMajusculeAccentuee(c) || EstMinusculeAccentuee(c);
}
int EstAlphanumAccentue(Octet c) {
    return EstLettreAccentuee(c);
}
int EstMajuscule(Octet c) {
    return EstMajusculeAscii(c) || EstMajusculeAccentuee(c);
}
int EstMinuscule(Octet c) {
    return EstMinusculeAscii(c) || EstMinusculeAccentuee(c);
}
int EstAlphanum(Octet c) {
    return EstAlphanumAscii(c) || EstAlphanumAccentue(c);
}
int EstImprimable(Octet c) {
    return c >= 0x20 && c != 0x7F && c != 0xFF;
}

Octet EnMajuscule(Octet c) {
    if (EstMinusculeAscii(c)) {
        return MajusculeAscii(c);
    }
    if (EstMinusculeAccentuee(c)) {
        return MajusculeAccentuee(c);
    }
    return c;
}

Octet EnMinuscule(Octet c) {
    if (EstMajusculeAscii(c)) {
        return MinusculeAscii(c);
    }
    if (EstMajusculeAccentuee(c)) {
        return MinusculeAccentuee(c);
    }
    return c;
}

// Accented letters are not ASCII letters: both give 0 for them.
Octet MajusculeAscii(Octet c) {
    if (EstMinusculeAscii(c)) {
        return static_cast<Octet>(c - 32);
    }
    return EstMajusculeAscii(c) ? c : 0;
}

Octet MinusculeAscii(Octet c) {
    if (EstMajusculeAscii(c)) {
        return static_cast<Octet>(c + 32);
    }
    return EstMinusculeAscii(c) ? c : 0;
}

Octet MajusculeAccentuee(Octet c) {
    const int i = PositionDans(AccentsMin, c);
    return i < 0 ? 0 : OctetDe(AccentsMaj, i);
}

Octet MinusculeAccentuee(Octet c) {
    const int i = PositionDans(AccentsMaj, c);
    return i < 0 ? 0 : OctetDe(AccentsMin, i);
}
