// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// What an adjora handle holds, and the helpers that the calls share.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "adjora.h"

// One lexicon report: the file's absolute path and the message, UTF-8.
struct RapportLexique {
    std::string fichier;
    std::string message;
};

struct adjora {
    std::string dossier; // the data folder loaded, canonical
    adjora_rappel rappel = nullptr;
    void* contexte = nullptr;
    std::vector<RapportLexique> rapports; // kept when there is no callback
};

namespace capi {

// Windows-1252 text into `sortie` as UTF-8 (`taille` bytes, terminator
// included), cut between two characters when it does not fit. Returns the
// length written.
std::size_t VersUtf8(std::string_view texte1252, char* sortie, std::size_t taille);

// A caller's word, trimmed, checked, lower-cased and converted as adjora-cli
// does: ADJORA_OK or ADJORA_MOT_TRONQUE with the word in `mot1252`, else the
// status of its refusal.
adjora_statut PreparerMot(const char* motUtf8, std::string& mot1252);

} // namespace capi
