// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// adjora-cli --formes: the four cells of a word's paradigm as one line.
#pragma once

#include <string>
#include <string_view>

#include "Arguments.h"

namespace cli {

// The paradigm of a lower-case Windows-1252 word holding a letter (through
// its analysis) as one UTF-8 line ending with a line break. TSV: the word as given, the lemma,
// then the masculine singular, feminine singular, masculine plural and
// feminine plural cells, alternatives joined by "|", main form first, and
// with explanations four more columns, one explanation per form, joined by
// "|", line breaks written \n. JSONL: "mot", "lemme", the cells as arrays
// under "masculin_singulier", "feminin_singulier", "masculin_pluriel",
// "feminin_pluriel", and the explanations under "explications", same keys.
std::string FormaterFormes(std::string_view motDonne, const std::string& mot1252, Format format,
                           bool avecExplication);

} // namespace cli
