// adjora-cli: analyses French qualifying adjectives from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "Programme.h"

int main(int argc, char** argv) {
    // Batch speed: no flush of the results before each line read, no stdio
    // locking per character (the engine's own printf output is redirected
    // while the lexicons load, before any result is written).
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return cli::Executer(cli::AnalyserArguments(arguments), std::cin, std::cout, std::cerr);
}
