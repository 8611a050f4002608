// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Formatting of adjora-cli's result lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace texte {
struct Reponse;
}

namespace cli {

using texte::Reponse;

// Names of the codes, as the window shows them.
std::string NomGenre(std::uint8_t code);
std::string NomNombre(std::uint8_t code);

// Each line break becomes the two characters '\' and 'n'.
std::string EchapperLignes(std::string_view texte);

// One result line (UTF-8, ending with a line break): the word as given, the
// lemma, the gender, the number and, when asked, the explanation and the rule
// codes, separated by tabs.
std::string FormaterLigne(std::string_view motDonne, const Reponse& reponse, bool avecExplication,
                          bool avecRegles);

// The same as one JSON object on one line: "mot", "lemme", "genre", "nombre",
// "regles" (an array of codes) and, when asked, "explication" with its real
// line breaks.
std::string FormaterJson(std::string_view motDonne, const Reponse& reponse, bool avecExplication);

// The line of a token without a letter, which is not analysed: the word as
// given and the marker "pas un mot" (TSV), or {"mot": ..., "pas_un_mot": true}.
std::string FormaterPasUnMot(std::string_view motDonne, bool json);

} // namespace cli
