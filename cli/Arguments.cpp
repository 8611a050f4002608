// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Arguments.h"

#include "AdjoraConfig.h"

namespace cli {

namespace {

// An option that takes a value, as "--name VALUE" or "--name=VALUE".
// Returns false when `arguments[i]` is not this option.
bool LireValeur(const std::vector<std::string>& arguments, std::size_t& i, const std::string& nom,
                std::optional<std::string>& valeur, std::string& erreur) {
    const std::string& argument = arguments[i];
    if (argument.rfind(nom + "=", 0) == 0) {
        valeur = argument.substr(nom.size() + 1);
    } else if (argument != nom) {
        return false;
    } else if (i + 1 < arguments.size()) {
        valeur = arguments[++i];
    }
    if (!valeur || valeur->empty()) {
        erreur = "l'option " + nom + " attend " + (nom == "--format" ? "un format" : "un dossier");
    }
    return true;
}

void LireFormat(const std::string& valeur, Options& options) {
    if (valeur == "tsv") {
        options.format = Format::Tsv;
    } else if (valeur == "jsonl") {
        options.format = Format::Jsonl;
    } else {
        options.erreur = "format inconnu : " + valeur + " (tsv ou jsonl)";
    }
}

} // namespace

Options AnalyserArguments(const std::vector<std::string>& arguments) {
    Options options;
    bool finOptions = false;
    for (std::size_t i = 0; i < arguments.size() && options.erreur.empty(); ++i) {
        const std::string& argument = arguments[i];
        std::optional<std::string> format;
        if (finOptions || argument.size() < 2 || argument[0] != '-') {
            options.mots.push_back(argument);
        } else if (argument == "--") {
            finOptions = true;
        } else if (argument == "--explication") {
            options.explication = true;
        } else if (argument == "--conllu") {
            options.conllu = true;
        } else if (argument == "--formes") {
            options.formes = true;
        } else if (argument == "--regles") {
            options.regles = true;
        } else if (argument == "--help" || argument == "-h") {
            options.aide = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (LireValeur(arguments, i, "--lexiques", options.lexiques, options.erreur)) {
        } else if (LireValeur(arguments, i, "--format", format, options.erreur)) {
            if (options.erreur.empty()) {
                LireFormat(*format, options);
            }
        } else {
            options.erreur = "option inconnue : " + argument;
        }
    }
    if (options.erreur.empty() && options.conllu && options.format == Format::Jsonl) {
        options.erreur = "--conllu écrit du CoNLL-U : --format jsonl ne s'y applique pas";
    }
    if (options.erreur.empty() && options.conllu && options.formes) {
        options.erreur = "--formes et --conllu ne vont pas ensemble";
    }
    return options;
}

std::string TexteAide() {
    return "Utilisation : adjora-cli [--lexiques DOSSIER] [--explication] [--regles]\n"
           "                        [--format tsv|jsonl] [MOT...]\n"
           "              adjora-cli --formes [--lexiques DOSSIER] [--explication]\n"
           "                        [--format tsv|jsonl] [MOT...]\n"
           "              adjora-cli --conllu [--lexiques DOSSIER] [--explication] [FICHIER...]\n"
           "\n"
           "Analyse des adjectifs qualificatifs français : pour chaque mot, donne le\n"
           "lemme (masculin singulier), le genre et le nombre.\n"
           "\n"
           "Les mots sont pris dans les arguments, ou à défaut sur l'entrée standard,\n"
           "un par ligne (UTF-8). Ils sont mis en minuscules avant l'analyse ; seuls\n"
           "leurs 50 premiers caractères sont analysés. Une lettre suivie d'un accent\n"
           "combinant (texte décomposé) est recomposée. L'argument « - » désigne\n"
           "l'entrée standard.\n"
           "\n"
           "Sortie : une ligne par mot, champs séparés par une tabulation :\n"
           "  mot, lemme, genre, nombre [, explication] [, règles]\n"
           "\n"
           "Ce qui ne contient aucune lettre (« , », « ... », « 42 », « « », « -- ») n'est\n"
           "pas un mot et n'est pas analysé : sa ligne de sortie est « MOT<tab>pas un\n"
           "mot » (en JSONL : {\"mot\": ..., \"pas_un_mot\": true}), avec --formes aussi ;\n"
           "en CoNLL-U, sa ligne est recopiée telle quelle. La sortie garde ainsi une\n"
           "ligne par mot donné.\n"
           "\n"
           "Options :\n"
           "  --lexiques DOSSIER  dossier des lexiques except_A.lex à except_H.lex (et,\n"
           "                      avec --formes, paradigmes.lex ; par défaut : les\n"
           "                      lexiques livrés avec Adjora)\n"
           "  --explication       ajoute l'explication (en TSV, retours à la ligne écrits \\n)\n"
           "  --regles            ajoute en TSV une colonne : les codes des explications\n"
           "                      employées, dans l'ordre, séparés par des virgules\n"
           "                      (N3,G6 pour « belles » ; voir man adjora-cli). En JSONL\n"
           "                      (clé regles) et en CoNLL-U (AdjoraRegles= dans MISC), les\n"
           "                      codes sont toujours donnés ; avec --formes, chaque\n"
           "                      explication commence par le sien ([F13])\n"
           "  --format jsonl      un objet JSON par mot : mot, lemme, genre, nombre, regles\n"
           "                      [, explication] (--format tsv : la sortie par défaut)\n"
           "  --formes            donne toutes les formes de l'adjectif : mot, lemme, puis\n"
           "                      masculin singulier, féminin singulier, masculin pluriel,\n"
           "                      féminin pluriel (variantes séparées par « | », forme\n"
           "                      principale en tête ; avec --explication, l'explication\n"
           "                      de chaque forme dans quatre colonnes de plus ; en JSONL,\n"
           "                      des tableaux sous masculin_singulier, feminin_singulier,\n"
           "                      masculin_pluriel, feminin_pluriel et explications)\n"
           "  --conllu            lit et écrit du CoNLL-U : seules les lignes de mot ADJ\n"
           "                      changent (LEMMA, Gender et Number dans FEATS,\n"
           "                      AdjoraRegles=... dans MISC, et avec --explication\n"
           "                      Adjora=... avant lui, où « \\ », « | »,\n"
           "                      les retours à la ligne et les blancs répétés s'écrivent\n"
           "                      \\\\, \\p, \\n et \\s)\n"
           "  --help              affiche cette aide\n"
           "  --version           affiche la version\n"
           "\n"
           "En CoNLL-U, un ADJ qui n'est pas un adjectif qualificatif est recopié tel\n"
           "quel, sans Adjora= : celui dont FEATS porte NumType ou PronType (ordinaux,\n"
           "cardinaux, indéfinis) ou Foreign=Yes (mot étranger), un ordinal écrit en\n"
           "chiffres arabes ou romains majuscules (1er, 1ère, 2e, 2nde, XIIe, Ve), et les\n"
           "indéfinis aucun, autre, chaque, maint, même, plusieurs, quelque, tel et tout,\n"
           "à toutes leurs formes. Certain, nul, divers, différent et quelconque restent\n"
           "analysés : ils sont aussi qualificatifs (un succès certain) et leur analyse\n"
           "est juste dans les deux emplois. Un ADJ marqué Typo=Yes est analysé sur la\n"
           "forme que donne CorrectForm= dans MISC ; sa colonne FORM ne change pas.\n"
           "\n"
           "Exemples :\n"
           "  adjora-cli belles Heureuse\n"
           "  adjora-cli --format jsonl --explication < mots.txt > analyses.jsonl\n"
           "  adjora-cli --formes belles vieux\n"
           "  adjora-cli --conllu corpus.conllu > corpus-lemmatise.conllu\n"
           "\n"
           "Code de retour : 0 si tout est analysé, 1 si une ligne, un mot ou un fichier a\n"
           "été refusé, 2 en cas d'erreur d'utilisation ou de dossier de lexiques\n"
           "introuvable ou vide, 3 si la sortie ne peut pas être écrite, 4 si une entrée\n"
           "n'a pas pu être lue jusqu'au bout (erreur de lecture, dossier, entrée fermée),\n"
           "5 si un lexique manque, est illisible ou défectueux (les réponses viennent\n"
           "alors des autres listes). Si plusieurs s'appliquent : 3, sinon 4, sinon 5,\n"
           "sinon 1.\n";
}

std::string TexteVersion() {
    return std::string("Adjora ") + ADJORA_VERSION + "\n";
}

} // namespace cli
