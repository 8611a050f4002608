// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// CoNLL-U lines through adjora-cli: only the word lines tagged ADJ change.
#pragma once

#include <string>
#include <string_view>

namespace cli {

class Analyseur;

struct LigneConllu {
    std::string erreur;   // French reason when the line is malformed or its form refused
    std::string remarque; // French notice when only part of the form is analysed
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

} // namespace cli
