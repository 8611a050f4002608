// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Module FICHIERS: opening a file for writing after asking before overwriting it.
#include "Console.h"
#include "Fichiers.h"
#include "PagesDeCode.h"
#include "Terminal.h"

#include <cstdlib>
#include <string>

namespace {

// Asks whether to overwrite `nom`; ends the process with status 1 on no.
void ConfirmerEcrasement(const char* nom) {
    std::string question = "Le fichier '"_cp850;
    question += pages::Utf8VersCp850(nom); // characters the console lacks show as "?"
    question += "' existe déja et va être écraser.\nContinuer ?"_cp850;
    terminal::ConsoleCourante().Ecrire(question.data(), question.size());
    if (DemanderOuiNon() == 0) {
        AnnoncerInterruption();
        std::exit(1);
    }
}

} // namespace

// A null name or mode is reported by fOuvrir.
std::FILE* fCreer(const char* nom, const char* mode) {
    if (fExiste(nom)) {
        ConfirmerEcrasement(nom);
    }
    return fOuvrir(nom, mode);
}
