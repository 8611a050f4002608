// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Arguments.h"

#include "AdjoraConfig.h"

namespace cli {

namespace {

const std::string OPTION_LEXIQUES = "--lexiques";

} // namespace

Options AnalyserArguments(const std::vector<std::string>& arguments) {
    Options options;
    bool finOptions = false;
    for (std::size_t i = 0; i < arguments.size() && options.erreur.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (finOptions || argument.size() < 2 || argument[0] != '-') {
            options.mots.push_back(argument);
        } else if (argument == "--") {
            finOptions = true;
        } else if (argument == "--explication") {
            options.explication = true;
        } else if (argument == "--help" || argument == "-h") {
            options.aide = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == OPTION_LEXIQUES) {
            if (i + 1 == arguments.size()) {
                options.erreur = "l'option --lexiques attend un dossier";
            } else {
                options.lexiques = arguments[++i];
            }
        } else if (argument.rfind(OPTION_LEXIQUES + "=", 0) == 0) {
            options.lexiques = argument.substr(OPTION_LEXIQUES.size() + 1);
        } else {
            options.erreur = "option inconnue : " + argument;
        }
    }
    if (options.erreur.empty() && options.lexiques && options.lexiques->empty()) {
        options.erreur = "l'option --lexiques attend un dossier";
    }
    return options;
}

std::string TexteAide() {
    return "Utilisation : adjora-cli [--lexiques DOSSIER] [--explication] [MOT...]\n"
           "\n"
           "Analyse des adjectifs qualificatifs français : pour chaque mot, donne le\n"
           "lemme (masculin singulier), le genre et le nombre.\n"
           "\n"
           "Les mots sont pris dans les arguments, ou à défaut sur l'entrée standard,\n"
           "un par ligne (UTF-8). Ils sont mis en minuscules avant l'analyse.\n"
           "\n"
           "Sortie : une ligne par mot, champs séparés par une tabulation :\n"
           "  mot, lemme, genre, nombre [, explication]\n"
           "\n"
           "Options :\n"
           "  --lexiques DOSSIER  dossier des lexiques except_A.lex à except_H.lex\n"
           "                      (par défaut : les lexiques livrés avec Adjora)\n"
           "  --explication       ajoute l'explication (retours à la ligne écrits \\n)\n"
           "  --help              affiche cette aide\n"
           "  --version           affiche la version\n"
           "\n"
           "Code de retour : 0 si tout est analysé, 1 si une ligne a été refusée,\n"
           "2 en cas d'erreur d'utilisation ou de dossier de lexiques introuvable.\n";
}

std::string TexteVersion() {
    return std::string("Adjora ") + ADJORA_VERSION + "\n";
}

} // namespace cli
