// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Analyseur.h"

#include <sstream>

#include "Lemmatiseur.h"
#include "PagesDeCode.h"

namespace cli {

Reponse Analyseur::Analyser(const std::string& mot1252) const {
    Analyse analyse;
    const char* explication = AnalyserAdjectif(mot1252.c_str(), &analyse);
    Reponse reponse;
    reponse.lemme = pages::Cp1252VersUtf8(analyse.Mot);
    reponse.genre = analyse.CodeGenre;
    reponse.nombre = analyse.CodeNombre;
    std::istringstream codes(BufRegles);
    for (std::string code; codes >> code;) {
        reponse.regles.push_back(code);
    }
    if (avecExplication_ && explication != nullptr) {
        reponse.explication = pages::Cp1252VersUtf8(explication);
    }
    return reponse;
}

} // namespace cli
