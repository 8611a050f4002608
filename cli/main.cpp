// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// adjora-cli: analyses French qualifying adjectives from the command line.
#include <csignal>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "Programme.h"

int main(int argc, char** argv) {
    // A closed pipe is reported as a write error rather than ending the process silently.
    std::signal(SIGPIPE, SIG_IGN);
    // Buffered standard streams; the output is flushed before each read only
    // when a person reads it on a terminal.
    std::ios::sync_with_stdio(false);
    if (isatty(STDOUT_FILENO) == 0) {
        std::cin.tie(nullptr);
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return cli::Executer(cli::AnalyserArguments(arguments), std::cin, std::cout, std::cerr);
}
