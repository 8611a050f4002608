// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Analyseur.h"

#include <algorithm>
#include <string_view>

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
    // The codes, separated by one space each ("N3 G6").
    for (std::string_view codes(BufRegles); !codes.empty();) {
        const std::size_t espace = std::min(codes.find(' '), codes.size());
        reponse.regles.emplace_back(codes.substr(0, espace));
        codes.remove_prefix(std::min(espace + 1, codes.size()));
    }
    if (avecExplication_ && explication != nullptr) {
        reponse.explication = pages::Cp1252VersUtf8(explication);
    }
    return reponse;
}

std::string JoindreRegles(const Reponse& reponse) {
    std::string codes;
    for (const std::string& code : reponse.regles) {
        if (!codes.empty()) {
            codes += ',';
        }
        codes += code;
    }
    return codes;
}

} // namespace texte
