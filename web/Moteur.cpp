// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine as seen from the web page: plain C functions over one input
// buffer and static results. Words go in and come out as Windows-1252 bytes;
// the JavaScript module (adjora.js) converts at its side. Load reports are
// captured instead of shown and handed out in UTF-8.
#include <cstddef>
#include <cstring>
#include <emscripten/emscripten.h>
#include <string>
#include <vector>

#include "DossierDonnees.h"
#include "Flexion.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"
#include "Paradigmes.h"

namespace {

// A word longer than this is cut by the JavaScript side before it comes in.
constexpr std::size_t TAILLE_ENTREE = 4096;

char entree[TAILLE_ENTREE];
Analyse analyse;
const char* explicationAnalyse = "";
Paradigme paradigme;
char explicationForme[2 * TAILLE_EXPLICATION];
std::vector<std::string> rapports;
std::string titre;

const char* HorsLimites() {
    return "";
}

bool CaseValide(int cas, int forme) {
    return cas >= 0 && cas < NB_CASES && forme >= 0 && forme < paradigme.Cases[cas].Nb;
}

int Capturer(const char* rapport, const char* legende) {
    rapports.push_back(pages::Cp850VersUtf8(rapport != nullptr ? rapport : ""));
    titre = pages::Cp850VersUtf8(legende != nullptr ? legende : "");
    return 1;
}

void ChargerTout() {
    ChargerExceptions();
    ChargerParadigmes();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char* adjora_entree() {
    return entree;
}

EMSCRIPTEN_KEEPALIVE int adjora_taille_entree() {
    return static_cast<int>(TAILLE_ENTREE);
}

// Analyses the word in the input buffer; 0, and nothing analysed, for a
// text without a letter.
EMSCRIPTEN_KEEPALIVE int adjora_analyser() {
    entree[TAILLE_ENTREE - 1] = '\0';
    if (!ContientUneLettre(entree)) {
        return 0;
    }
    analyse = Analyse{};
    explicationAnalyse = AnalyserAdjectif(entree, &analyse);
    if (explicationAnalyse == nullptr) {
        explicationAnalyse = "";
    }
    analyse.Mot[TAILLE_MOT - 1] = '\0';
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* adjora_lemme() {
    return analyse.Mot;
}

EMSCRIPTEN_KEEPALIVE int adjora_genre() {
    return analyse.CodeGenre;
}

EMSCRIPTEN_KEEPALIVE int adjora_nombre() {
    return analyse.CodeNombre;
}

EMSCRIPTEN_KEEPALIVE const char* adjora_explication() {
    return explicationAnalyse;
}

// The paradigm of the word in the input buffer; 0 for a text without a letter.
EMSCRIPTEN_KEEPALIVE int adjora_flechir() {
    entree[TAILLE_ENTREE - 1] = '\0';
    paradigme = Paradigme{};
    if (!ContientUneLettre(entree)) {
        return 0;
    }
    FlechirAdjectif(entree, &paradigme);
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* adjora_lemme_paradigme() {
    return paradigme.Lemme;
}

EMSCRIPTEN_KEEPALIVE int adjora_nb_formes(int cas) {
    return cas >= 0 && cas < NB_CASES ? paradigme.Cases[cas].Nb : 0;
}

EMSCRIPTEN_KEEPALIVE const char* adjora_forme(int cas, int forme) {
    return CaseValide(cas, forme) ? paradigme.Cases[cas].Formes[forme].Mot : HorsLimites();
}

EMSCRIPTEN_KEEPALIVE const char* adjora_explication_forme(int cas, int forme) {
    if (!CaseValide(cas, forme)) {
        return HorsLimites();
    }
    ExpliquerForme(paradigme.Cases[cas].Formes[forme], explicationForme, sizeof explicationForme);
    return explicationForme;
}

EMSCRIPTEN_KEEPALIVE const char* adjora_explication_case_vide() {
    return EXPLICATION_CASE_VIDE;
}

// Loads the eight lexicons and the paradigms from `dossier` (a folder of the
// in-memory file system) in place of the previous ones. Returns the number
// of reports raised; a folder that cannot be entered gives -1.
EMSCRIPTEN_KEEPALIVE int adjora_charger(const char* dossier) {
    rapports.clear();
    const PresentateurErreur precedent = InstallerPresentateur(Capturer);
    const bool entre = dossiers::ExecuterDans(dossier, ChargerTout);
    InstallerPresentateur(precedent);
    if (!entre) {
        return -1;
    }
    return static_cast<int>(rapports.size());
}

EMSCRIPTEN_KEEPALIVE const char* adjora_rapport(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= rapports.size()) {
        return HorsLimites();
    }
    return rapports[static_cast<std::size_t>(i)].c_str();
}

EMSCRIPTEN_KEEPALIVE const char* adjora_titre_rapport() {
    titre = pages::Cp850VersUtf8(TitreRapport());
    return titre.c_str();
}

} // extern "C"
