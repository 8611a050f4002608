// Runs a program with arguments and a standard input, and collects what it writes.
#pragma once

#include <string>
#include <vector>

struct Execution {
    int statut = -1; // exit status, -1 when the program did not exit normally
    std::string sortie;
    std::string erreurs;
};

Execution Lancer(const std::string& programme, const std::vector<std::string>& arguments,
                 const std::string& entree = "");
