// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// adjora-cli: analyses French qualifying adjectives from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "Programme.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return cli::Executer(cli::AnalyserArguments(arguments), std::cin, std::cout, std::cerr);
}
