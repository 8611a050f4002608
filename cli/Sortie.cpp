// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sortie.h"

#include <nlohmann/json.hpp>

#include "Analyseur.h"
#include "Lemmatiseur.h"

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

std::string FormaterLigne(std::string_view motDonne, const Reponse& reponse, bool avecExplication,
                          bool avecRegles) {
    std::string ligne(motDonne);
    ligne += '\t';
    ligne += reponse.lemme;
    ligne += '\t';
    ligne += NomGenre(reponse.genre);
    ligne += '\t';
    ligne += NomNombre(reponse.nombre);
    if (avecExplication) {
        ligne += '\t';
        ligne += EchapperLignes(reponse.explication);
    }
    if (avecRegles) {
        ligne += '\t';
        ligne += texte::JoindreRegles(reponse);
    }
    ligne += '\n';
    return ligne;
}

std::string FormaterJson(std::string_view motDonne, const Reponse& reponse, bool avecExplication) {
    nlohmann::ordered_json objet = {{"mot", motDonne},
                                    {"lemme", reponse.lemme},
                                    {"genre", NomGenre(reponse.genre)},
                                    {"nombre", NomNombre(reponse.nombre)},
                                    {"regles", reponse.regles}};
    if (avecExplication) {
        objet["explication"] = reponse.explication;
    }
    return objet.dump() + '\n';
}

std::string FormaterPasUnMot(std::string_view motDonne, bool json) {
    if (json) {
        const nlohmann::ordered_json objet = {{"mot", motDonne}, {"pas_un_mot", true}};
        return objet.dump() + '\n';
    }
    return std::string(motDonne) + "\tpas un mot\n";
}

} // namespace cli
