// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Preparation of the words given to adjora-cli: trimming, validation,
// lower case and conversion to Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text without its leading and trailing blanks (spaces, tabs, CR, LF).
std::string_view Rogner(std::string_view texte);

// Lower case of one code point, for every letter Windows-1252 can hold
// (ASCII, Latin-1, Œ, Š, Ž, Ÿ); any other code point is returned unchanged.
char32_t EnMinuscule(char32_t point);

// A word ready for the engine, or the reason it was refused.
struct MotPrepare {
    bool accepte = false;
    std::string mot1252;  // lower case, Windows-1252
    std::string erreur;   // French reason (UTF-8) when refused
    std::string remarque; // French notice (UTF-8) when only part of the word is analysed
};

// Checks a UTF-8 word (already trimmed), lower-cases it and converts it.
MotPrepare PreparerMot(std::string_view motUtf8);

} // namespace cli
