// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the analysis entry with arbitrary typed words (an embedded NUL ends
// the word), the shipped lexicons loaded once.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Lemmatiseur.h"
#include "Presentateur.h"

namespace {

void Verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

struct Resultat {
    Analyse analyse;
    std::string explication;
};

Resultat Analyser(const char* mot) {
    Resultat r{};
    std::memset(&r.analyse, 0xA5, sizeof r.analyse);
    const char* explication = AnalyserAdjectif(mot, &r.analyse);
    Verifier(explication == BufExplication);
    Verifier(std::memchr(BufExplication, '\0', TAILLE_EXPLICATION) != nullptr);
    Verifier(std::memchr(r.analyse.Mot, '\0', TAILLE_MOT) != nullptr);
    Verifier(r.analyse.CodeGenre <= GENRE_INVARIABLE);
    Verifier(r.analyse.CodeNombre <= NOMBRE_INVARIABLE);
    r.explication = explication;
    return r;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InstallerPresentateurMuet();
    ChargerLexiquesDuFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string mot(reinterpret_cast<const char*>(donnees), taille);
    const Resultat premier = Analyser(mot.c_str());
    // The analysis stages report nothing, and the same word gives the same answer.
    Verifier(RapportsRecus() == 0);
    const Resultat second = Analyser(mot.c_str());
    Verifier(std::strcmp(premier.analyse.Mot, second.analyse.Mot) == 0);
    Verifier(premier.analyse.CodeGenre == second.analyse.CodeGenre);
    Verifier(premier.analyse.CodeNombre == second.analyse.CodeNombre);
    Verifier(premier.explication == second.explication);
    return 0;
}
