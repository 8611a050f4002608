// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's shared state, its entry point and the helpers of the stages.
#include "Lemmatiseur.h"

#include "Caracteres.h"
#include "Index.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <cstring>
#include <string_view>

Liste* ListeA = nullptr;
Liste* ListeB = nullptr;
ListeDouble ListeC = {nullptr, nullptr};
Liste* ListeD = nullptr;
ListeDouble ListeE = {nullptr, nullptr};
Liste* ListeF = nullptr;
ListeDouble ListeG = {nullptr, nullptr};
Liste* ListeH = nullptr;

bool EstDansListe(const char* mot, Liste* liste) {
    return liste != nullptr && PositionIndexee(mot, liste) != 0;
}

namespace {

bool EstLettre1252(char octet) {
    static const std::string_view kLettresAccentuees =
        "ŠŒŽšœžŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ"_cp1252;
    if ((octet >= 'a' && octet <= 'z') || (octet >= 'A' && octet <= 'Z')) {
        return true;
    }
    return kLettresAccentuees.find(octet) != std::string_view::npos;
}

} // namespace

bool ContientUneLettre(const char* mot1252) {
    for (const char* c = mot1252; c != nullptr && *c != '\0'; ++c) {
        if (EstLettre1252(*c)) {
            return true;
        }
    }
    return false;
}

const char* AnalyserAdjectif(const char* mot, Analyse* analyse) {
    if (analyse == nullptr) {
        return BufExplication;
    }
    std::size_t n = 0;
    while (mot != nullptr && n < TAILLE_MOT - 1 && mot[n] != '\0') {
        analyse->Mot[n] = mot[n];
        ++n;
    }
    analyse->Mot[n] = '\0';
    if (!AnalyserNombre(analyse->Mot, &analyse->CodeGenre, &analyse->CodeNombre)) {
        AnalyserGenre(analyse->Mot, &analyse->CodeGenre);
    }
    return BufExplication;
}

bool ConsonneDoublee(const char* mot) {
    const std::size_t longueur = std::strlen(mot);
    if (longueur <= 3) {
        return false;
    }
    const char avantDernier = mot[longueur - 2];
    if (avantDernier != mot[longueur - 3]) {
        return false;
    }
    return EstConsonne(static_cast<Octet>(avantDernier)) != 0;
}

// `mot` is an Analyse record's word: the lemma is copied on at most
// TAILLE_MOT - 1 characters, whatever the list holds.
char* LemmeCorrespondant(char* mot, Liste* formes, Liste* lemmes) {
    const Position p = formes != nullptr ? PositionIndexee(mot, formes) : 0;
    if (p == 0) {
        MessageErreur("Le lemme n'appartient pas à la liste d'entrée"_cp850, "ADJORA",
                      "LemmeCorrespondant");
        return mot;
    }
    const char* lemme =
        (lemmes != nullptr && p <= NbElements(lemmes)) ? MotPosIndexe(lemmes, p) : nullptr;
    if (lemme == nullptr) {
        return mot;
    }
    std::size_t n = 0;
    while (n < TAILLE_MOT - 1 && lemme[n] != '\0') {
        mot[n] = lemme[n];
        ++n;
    }
    mot[n] = '\0';
    return mot;
}
