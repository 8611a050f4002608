// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sortie.h"

#include "Lemmatiseur.h"
#include "PagesDeCode.h"

namespace cli {

std::string NomGenre(std::uint8_t code) {
    switch (code) {
    case GENRE_MASCULIN:
        return "masculin";
    case GENRE_FEMININ:
        return "féminin";
    case GENRE_INDETERMINE:
        return "indéterminé";
    case GENRE_INVARIABLE:
        return "invariable";
    default:
        return "?";
    }
}

std::string NomNombre(std::uint8_t code) {
    switch (code) {
    case NOMBRE_SINGULIER:
        return "singulier";
    case NOMBRE_PLURIEL:
        return "pluriel";
    case NOMBRE_INDETERMINE:
        return "indéterminé";
    case NOMBRE_INVARIABLE:
        return "invariable";
    default:
        return "?";
    }
}

std::string EchapperLignes(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size() + 8);
    for (char c : texte) {
        if (c == '\n') {
            sortie += "\\n";
        } else {
            sortie += c;
        }
    }
    return sortie;
}

std::string FormaterLigne(std::string_view motDonne, const Analyse& analyse,
                          const char* explication1252, bool avecExplication) {
    std::string ligne(motDonne);
    ligne += '\t';
    ligne += pages::Cp1252VersUtf8(analyse.Mot);
    ligne += '\t';
    ligne += NomGenre(analyse.CodeGenre);
    ligne += '\t';
    ligne += NomNombre(analyse.CodeNombre);
    if (avecExplication) {
        ligne += '\t';
        ligne += EchapperLignes(pages::Cp1252VersUtf8(explication1252 ? explication1252 : ""));
    }
    ligne += '\n';
    return ligne;
}

} // namespace cli
