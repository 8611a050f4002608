// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// CoNLL-U lines, as adjora-cli and the C library rewrite them: only the word lines tagged ADJ
// change.
#pragma once

#include <string>
#include <string_view>

#include "Mots.h"

namespace texte {

class Analyseur;

// Lines longer than this are not rewritten: adjora-cli copies them as they come.
inline constexpr std::size_t LONGUEUR_LIGNE_CONLLU = 65535;

struct LigneConllu {
    std::string erreur;         // French reason when the line is malformed or its form refused
    Motif motif = Motif::Aucun; // why the form was refused, when it was
    bool analysee = false;      // the line was rewritten with the engine's answer
    std::string remarque;       // French notice when only part of the form is analysed
};

// Appends to `sortie` the line (given without its line break) as it is to be
// written. On a word line (integer ID) whose UPOS is ADJ: LEMMA becomes the
// lemma, FEATS gets Gender and Number where the codes settle them and is kept
// sorted, and MISC gets AdjoraRegles=<rule codes joined by commas> and, with
// `explication`, Adjora=<escaped explanation> before it. A form without a
// letter is no word: its line is copied unchanged.
// Every other line, and a line with an `erreur`, is copied unchanged.
LigneConllu TraiterLigneConllu(std::string_view ligne, Analyseur& analyseur, bool explication,
                               std::string& sortie);

// The explanation as a MISC value: '\' '|' line break, tab, and a space that
// would follow another space or end the text are written \\ \p \n \t \s.
std::string EchapperDivers(std::string_view texte);

} // namespace texte
