// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Analyseur.h"

#include "Lemmatiseur.h"
#include "PagesDeCode.h"

namespace texte {

Reponse Analyseur::Analyser(const std::string& mot1252) const {
    Analyse analyse;
    const char* explication = AnalyserAdjectif(mot1252.c_str(), &analyse);
    Reponse reponse;
    reponse.lemme = pages::Cp1252VersUtf8(analyse.Mot);
    reponse.genre = analyse.CodeGenre;
    reponse.nombre = analyse.CodeNombre;
    if (avecExplication_ && explication != nullptr) {
        reponse.explication = pages::Cp1252VersUtf8(explication);
    }
    return reponse;
}

} // namespace texte
