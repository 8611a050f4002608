// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's answers for the UTF-8 faces, converted to UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Lemmatiseur.h"

namespace texte {

// The number of characters the engine analyses.
inline constexpr std::size_t LONGUEUR_ANALYSEE = TAILLE_MOT - 1;

struct Reponse {
    std::string lemme;               // UTF-8
    std::uint8_t genre = 0;          // GENRE_* code
    std::uint8_t nombre = 0;         // NOMBRE_* code
    std::string explication;         // UTF-8, real line breaks; empty unless asked for
    std::vector<std::string> regles; // codes of the explanations used, in order ("N3", "G6")
};

class Analyseur {
  public:
    explicit Analyseur(bool avecExplication) : avecExplication_(avecExplication) {}

    // The answer for a lower-case Windows-1252 word (only its first
    // LONGUEUR_ANALYSEE characters count, as in the engine).
    Reponse Analyser(const std::string& mot1252) const;

  private:
    bool avecExplication_;
};

// The rule codes joined by commas: "N3,G6".
std::string JoindreRegles(const Reponse& reponse);

} // namespace texte
