// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Command line of adjora-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class Format { Tsv, Jsonl };

struct Options {
    std::optional<std::string> lexiques; // --lexiques DIR
    bool explication = false;            // --explication
    bool conllu = false;                 // --conllu: the arguments name CoNLL-U files
    bool formes = false;                 // --formes: the four cells of each word's paradigm
    bool regles = false;                 // --regles: a column of rule codes in TSV
    Format format = Format::Tsv;         // --format tsv|jsonl
    bool aide = false;                   // --help
    bool version = false;                // --version
    std::vector<std::string> mots;       // words (or files) given as arguments; "-" is stdin
    std::string erreur;                  // usage error (French), empty when none
};

// Parses the arguments that follow the program name. "--" ends the options.
Options AnalyserArguments(const std::vector<std::string>& arguments);

// The French usage text printed by --help.
std::string TexteAide();

// The line printed by --version.
std::string TexteVersion();

} // namespace cli
