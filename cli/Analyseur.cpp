// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Analyseur.h"

#include "Lemmatiseur.h"
#include "PagesDeCode.h"

namespace cli {

namespace {

// Beyond this many distinct words the memory starts afresh.
constexpr std::size_t REPONSES_MAX = 50000;

} // namespace

const Reponse& Analyseur::Analyser(const std::string& mot1252) {
    const std::string cle = mot1252.substr(0, LONGUEUR_ANALYSEE);
    if (const auto trouve = reponses_.find(cle); trouve != reponses_.end()) {
        return trouve->second;
    }
    if (reponses_.size() >= REPONSES_MAX) {
        reponses_.clear();
    }
    Analyse analyse;
    const char* explication = AnalyserAdjectif(cle.c_str(), &analyse);
    Reponse reponse;
    reponse.lemme = pages::Cp1252VersUtf8(analyse.Mot);
    reponse.genre = analyse.CodeGenre;
    reponse.nombre = analyse.CodeNombre;
    if (avecExplication_ && explication != nullptr) {
        reponse.explication = pages::Cp1252VersUtf8(explication);
    }
    return reponses_.emplace(cle, std::move(reponse)).first->second;
}

} // namespace cli
