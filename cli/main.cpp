// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// adjora-cli: analyses French qualifying adjectives from the command line.
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "Programme.h"

int main(int argc, char** argv) {
    // A closed pipe is reported as a write error rather than ending the process silently.
    std::signal(SIGPIPE, SIG_IGN);
    // A closed standard input is an error when read, not an empty input; the
    // descriptor is taken by /dev/null so that no file opened later takes its place.
    int entree = STDIN_FILENO;
    if (fcntl(STDIN_FILENO, F_GETFD) < 0) {
        entree = -1;
        open("/dev/null", O_RDONLY);
    }
    // Buffered output, flushed before each read only when a person reads it
    // on a terminal.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return cli::Executer(cli::AnalyserArguments(arguments), entree, std::cout, std::cerr,
                         isatty(STDOUT_FILENO) != 0);
}
