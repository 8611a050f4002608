// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The ending rules of inflection, the explanations of listed forms, and the
// entry from any form through the analysis.
#include "Flexion.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "PagesDeCode.h"
#include "Paradigmes.h"

namespace {

// Explanations, Windows-1252.
const Message MS_LEMME = {"M1", "Le masculin singulier est le lemme lui-même : c'est la forme sous "
                                "laquelle l'adjectif est cité.\n"_cp1252};
const Message MS_VOYELLE = {
    "M2",
    "Devant un nom commençant par une voyelle ou un 'h' muet, le masculin singulier prend une "
    "forme particulière, prononcée comme le féminin (un bel homme, un nouvel an, un vieil "
    "ami). Forme donnée par la liste des formes irrégulières.\n"_cp1252};

const Message F_E = {"F1", "Règle du féminin :  cet adjectif est terminé par 'e' : le féminin a la "
                           "même forme que le masculin.\n"_cp1252};
const Message F_EUX = {"F2", "Règle du féminin :  cet adjectif est terminé par 'eux' : le féminin "
                             "est formé en remplaçant cette terminaison par 'euse'.\n"_cp1252};
const Message F_OUX = {"F3", "Règle du féminin :  cet adjectif est terminé par 'oux' : le féminin "
                             "est formé en remplaçant cette terminaison par 'ouse'.\n"_cp1252};
const Message F_X = {"F4",
                     "Règle du féminin :  cet adjectif est terminé par 'x', mais ni par 'eux' "
                     "ni par 'oux' : il garde la même forme au féminin.\n"_cp1252};
const Message F_GU = {
    "F5",
    "Règle du féminin :  cet adjectif est terminé par 'gu' : le féminin ajoute un 'e' surmonté "
    "d'un tréma, 'guë', qui indique que le 'u' se prononce.\n"_cp1252};
const Message F_GU_1990 = {
    "F6",
    "Orthographe rectifiée de 1990 : le tréma passe sur le 'u' qui se prononce, 'güe'. Les deux "
    "graphies sont admises.\n"_cp1252};
const Message F_EAU = {"F7", "Règle du féminin :  cet adjectif est terminé par 'eau' : le féminin "
                             "est formé en remplaçant cette terminaison par 'elle'.\n"_cp1252};
const Message F_EURE = {
    "F8",
    "Règle du féminin :  cet adjectif est un comparatif en 'eur' (supérieur, meilleur, majeur) : "
    "le féminin est formé en ajoutant un 'e'.\n"_cp1252};
const Message F_TRICE = {"F9", "Règle du féminin :  cet adjectif est terminé par 'teur' : le "
                               "féminin est formé en remplaçant cette terminaison par "
                               "'trice'.\n"_cp1252};
const Message F_EUSE = {"F10",
                        "Règle du féminin :  cet adjectif est terminé par 'eur' : le féminin "
                        "est formé en remplaçant cette terminaison par 'euse'.\n"_cp1252};
const Message F_F = {"F11", "Règle du féminin :  cet adjectif est terminé par 'f' : le féminin est "
                            "formé en remplaçant cette terminaison par 've'.\n"_cp1252};
const Message F_ER = {"F12",
                      "Règle du féminin :  cet adjectif est terminé par 'er' : le féminin est "
                      "formé en remplaçant cette terminaison par 'ère'.\n"_cp1252};
const Message F_EL = {"F13", "Règle du féminin :  cet adjectif est terminé par 'el' : le féminin "
                             "double le 'l' avant le 'e' final, 'elle'.\n"_cp1252};
const Message F_EIL = {"F14", "Règle du féminin :  cet adjectif est terminé par 'eil' : le féminin "
                              "double le 'l' avant le 'e' final, 'eille'.\n"_cp1252};
const Message F_EN = {"F15", "Règle du féminin :  cet adjectif est terminé par 'en' : le féminin "
                             "double le 'n' avant le 'e' final, 'enne'.\n"_cp1252};
const Message F_ON = {"F16", "Règle du féminin :  cet adjectif est terminé par 'on' : le féminin "
                             "double le 'n' avant le 'e' final, 'onne'.\n"_cp1252};
const Message F_ET = {"F17", "Règle du féminin :  cet adjectif est terminé par 'et' : le féminin "
                             "double le 't' avant le 'e' final, 'ette'.\n"_cp1252};
const Message F_C = {"F18", "Règle du féminin :  cet adjectif est terminé par 'c' : le féminin est "
                            "formé en remplaçant cette terminaison par 'que'.\n"_cp1252};
const Message F_G = {"F19", "Règle du féminin :  cet adjectif est terminé par 'g' : le féminin "
                            "ajoute 'ue', 'gue', pour que le 'g' reste dur.\n"_cp1252};
const Message F_GENERAL = {"F20",
                           "Règle générale du féminin :  on ajoute un 'e' au masculin.\n"_cp1252};

const Message P_SXZ = {"P1",
                       "Règle du pluriel :  cet adjectif est terminé par 's', 'x' ou 'z' : le "
                       "masculin pluriel a la même forme que le singulier.\n"_cp1252};
const Message P_EAU = {"P2", "Règle du pluriel :  cet adjectif est terminé par 'eau' : il prend un "
                             "'x' au pluriel.\n"_cp1252};
const Message P_AL = {"P3",
                      "Règle du pluriel :  cet adjectif est terminé par 'al' : le masculin "
                      "pluriel est formé en remplaçant cette terminaison par 'aux'.\n"_cp1252};
const Message P_GENERAL = {"P4",
                           "Règle générale du pluriel :  on ajoute un 's' au singulier.\n"_cp1252};
const Message PF_S = {
    "P5", "Le féminin pluriel est formé en ajoutant un 's' au féminin singulier.\n"_cp1252};
const Message PF_SX = {"P6",
                       "Le féminin singulier est terminé par 's' ou 'x' : le féminin pluriel a "
                       "la même forme.\n"_cp1252};

const Message L_FORME = {"L1",
                         "Forme irrégulière : aucune règle de terminaison ne la donne, elle "
                         "figure telle quelle dans la liste des formes irrégulières.\n"_cp1252};
const Message L_INVARIABLE = {"L2",
                              "La forme du lemme sert aussi dans cette case : l'adjectif y est "
                              "invariable (liste des formes irrégulières).\n"_cp1252};
const Message L_1990 = {"L3", "Orthographe rectifiée de 1990, admise à côté de la graphie "
                              "traditionnelle (liste des formes irrégulières).\n"_cp1252};
const Message L_PLURIEL_S = {"L4", "Pluriel en 's' : cet adjectif échappe à la règle de sa "
                                   "terminaison (liste des formes irrégulières).\n"_cp1252};

// An ending rule: a word that ends with `finale` loses `coupe` characters
// and takes `ajout`; `variante` (with `coupeVariante`) gives a second form.
struct Regle {
    const char* finale;
    std::uint8_t coupe;
    const char* ajout;
    const Message* explication;
    std::uint8_t coupeVariante = 0;
    const char* variante = nullptr;
    const Message* explicationVariante = nullptr;
};

// Feminine singular, first match wins.
const Regle kFeminin[] = {
    {"e", 0, "", &F_E},
    {"eux", 1, "se", &F_EUX},
    {"oux", 1, "se", &F_OUX},
    {"x", 0, "", &F_X},
    {"gu", 0, "ë"_cp1252, &F_GU, 1, "üe"_cp1252, &F_GU_1990},
    {"eau", 2, "lle", &F_EAU},
    {"érieur"_cp1252, 0, "e", &F_EURE},
    {"meilleur", 0, "e", &F_EURE},
    {"majeur", 0, "e", &F_EURE},
    {"mineur", 0, "e", &F_EURE},
    {"ateur", 3, "rice", &F_TRICE},
    {"cteur", 3, "rice", &F_TRICE},
    {"pteur", 3, "rice", &F_TRICE},
    {"iteur", 3, "rice", &F_TRICE},
    {"oteur", 3, "rice", &F_TRICE},
    {"eur", 1, "se", &F_EUSE},
    {"f", 1, "ve", &F_F},
    {"er", 2, "ère"_cp1252, &F_ER},
    {"el", 0, "le", &F_EL},
    {"eil", 0, "le", &F_EIL},
    {"en", 0, "ne", &F_EN},
    {"on", 0, "ne", &F_ON},
    {"et", 0, "te", &F_ET},
    {"c", 1, "que", &F_C},
    {"g", 0, "ue", &F_G},
    {"", 0, "e", &F_GENERAL},
};

// Masculine plural, first match wins.
const Regle kPluriel[] = {
    {"s", 0, "", &P_SXZ},    {"x", 0, "", &P_SXZ},    {"z", 0, "", &P_SXZ},
    {"eau", 0, "x", &P_EAU}, {"al", 2, "aux", &P_AL}, {"", 0, "s", &P_GENERAL},
};

template <std::size_t N> const Regle& Trouver(const Regle (&regles)[N], std::string_view mot) {
    for (const Regle& regle : regles) {
        if (mot.ends_with(regle.finale)) { // the empty ending of the last rule always holds
            return regle;
        }
    }
    return regles[N - 1];
}

// Appends a form made of `mot` less its last `coupe` characters, then
// `ajout`; nothing when the cell is full. Cut to the form's buffer.
void Ajouter(CaseParadigme& cas, std::string_view mot, std::size_t coupe, const char* ajout,
             const Message* explication, const Message* complement = nullptr) {
    if (cas.Nb >= MAX_FORMES) {
        return;
    }
    FormeFlechie& forme = cas.Formes[cas.Nb++];
    std::string_view radical = mot.substr(0, mot.size() - std::min(coupe, mot.size()));
    std::size_t n = std::min(radical.size(), TAILLE_FORME - 1);
    std::memcpy(forme.Mot, radical.data(), n);
    for (; *ajout != '\0' && n < TAILLE_FORME - 1; ++ajout) {
        forme.Mot[n++] = *ajout;
    }
    forme.Mot[n] = '\0';
    forme.Explication = explication;
    forme.Complement = complement;
}

void AppliquerRegles(std::string_view lemme, Paradigme* p) {
    Ajouter(p->Cases[CASE_MS], lemme, 0, "", &MS_LEMME);
    const Regle& feminin = Trouver(kFeminin, lemme);
    Ajouter(p->Cases[CASE_FS], lemme, feminin.coupe, feminin.ajout, feminin.explication);
    if (feminin.variante != nullptr) {
        Ajouter(p->Cases[CASE_FS], lemme, feminin.coupeVariante, feminin.variante,
                feminin.explicationVariante);
    }
    const Regle& pluriel = Trouver(kPluriel, lemme);
    Ajouter(p->Cases[CASE_MP], lemme, pluriel.coupe, pluriel.ajout, pluriel.explication);
    const CaseParadigme& fs = p->Cases[CASE_FS];
    for (std::size_t i = 0; i < fs.Nb; ++i) {
        const FormeFlechie& f = fs.Formes[i];
        const std::string_view feminin(f.Mot);
        const bool inchange = feminin.ends_with('s') || feminin.ends_with('x');
        Ajouter(p->Cases[CASE_FP], f.Mot, 0, inchange ? "" : "s", f.Explication,
                inchange ? &PF_SX : &PF_S);
    }
}

// The traditional spelling as the 1990 rules rectify it: no circumflex on
// i and u, the diaeresis of "guë" on the u.
std::string Rectifier(std::string_view mot) {
    std::string sortie;
    for (std::size_t i = 0; i < mot.size(); ++i) {
        if (mot.substr(i, 2) == "uë"_cp1252) {
            sortie += "üe"_cp1252;
            ++i;
        } else if (mot[i] == "î"_cp1252[0] || mot[i] == "û"_cp1252[0]) {
            sortie += mot[i] == "î"_cp1252[0] ? 'i' : 'u';
        } else {
            sortie += mot[i];
        }
    }
    return sortie;
}

bool Contient(const std::vector<std::string>& formes, const std::string& forme) {
    return std::find(formes.begin(), formes.end(), forme) != formes.end();
}

struct Textes {
    const Message* explication;
    const Message* complement;
};

// How a listed form is made: the rule's own explanation when the rules give
// it in this cell, else what kind of form the lexicon holds there.
Textes ExpliquerListee(std::uint8_t c, const std::string& forme, const CasesListees& liste,
                       const Paradigme& regles) {
    const std::string& lemme = liste[CASE_MS].front();
    if (c == CASE_MS && forme == lemme) {
        return {&MS_LEMME, nullptr};
    }
    const CaseParadigme& deduite = regles.Cases[c];
    for (std::size_t i = 0; i < deduite.Nb; ++i) {
        if (forme == deduite.Formes[i].Mot) {
            return {deduite.Formes[i].Explication, deduite.Formes[i].Complement};
        }
    }
    if (forme == lemme) {
        return {&L_INVARIABLE, nullptr};
    }
    if (c == CASE_MS && Contient(liste[CASE_FS], forme + "le")) {
        return {&MS_VOYELLE, nullptr};
    }
    for (const std::string& autre : liste[c]) {
        if (autre != forme && Rectifier(autre) == forme) {
            return {&L_1990, nullptr};
        }
    }
    if (c == CASE_FP) { // a listed feminine and its "s"
        for (const std::string& feminin : liste[CASE_FS]) {
            if (forme == feminin + "s") {
                return {ExpliquerListee(CASE_FS, feminin, liste, regles).explication, &PF_S};
            }
        }
    }
    if (c == CASE_MP && forme == lemme + "s") {
        return {&L_PLURIEL_S, nullptr};
    }
    return {&L_FORME, nullptr};
}

void RecopierListe(const CasesListees& liste, const Paradigme& regles, Paradigme* p) {
    p->Liste = true;
    for (std::uint8_t c = 0; c < NB_CASES; ++c) {
        for (const std::string& forme : liste[c]) {
            const Textes textes = ExpliquerListee(c, forme, liste, regles);
            Ajouter(p->Cases[c], forme, 0, "", textes.explication, textes.complement);
        }
    }
}

// At most TAILLE_MOT - 1 characters of `mot` into `sortie`.
void CopierMot(const char* mot, char (&sortie)[TAILLE_MOT]) {
    std::size_t n = 0;
    while (mot != nullptr && n < TAILLE_MOT - 1 && mot[n] != '\0') {
        sortie[n] = mot[n];
        ++n;
    }
    sortie[n] = '\0';
}

} // namespace

const char* const EXPLICATION_CASE_VIDE =
    "Aucune forme connue pour cette case : la liste des formes irrégulières n'en donne pas.\n"_cp1252;

namespace {

// The paradigm of a lemma of at most TAILLE_MOT - 1 characters, `liste` its
// entry in the paradigm lexicon or null.
void Flechir(const char* lemme, const CasesListees* liste, Paradigme* p) {
    char copie[TAILLE_MOT];
    CopierMot(lemme, copie); // `lemme` may lie inside the paradigm
    *p = Paradigme{};
    std::memcpy(p->Lemme, copie, TAILLE_MOT);
    const std::string_view mot(copie);
    if (mot.empty()) {
        return;
    }
    if (liste == nullptr) {
        AppliquerRegles(mot, p);
        return;
    }
    Paradigme regles{};
    AppliquerRegles(mot, &regles);
    RecopierListe(*liste, regles, p);
}

} // namespace

void FlechirLemme(const char* lemme, Paradigme* paradigme) {
    if (paradigme == nullptr) {
        return;
    }
    char copie[TAILLE_MOT];
    CopierMot(lemme, copie);
    Flechir(copie, ParadigmeListe(copie), paradigme);
}

void FlechirAdjectif(const char* mot, Paradigme* paradigme) {
    if (paradigme == nullptr) {
        return;
    }
    char motAnalyse[TAILLE_MOT]; // the characters the analysis sees
    CopierMot(mot, motAnalyse);
    if (const CasesListees* liste = ParadigmeListe(motAnalyse)) {
        Flechir(motAnalyse, liste, paradigme);
        return;
    }
    Analyse analyse;
    AnalyserAdjectif(motAnalyse, &analyse);
    const CasesListees* liste = ParadigmeListe(analyse.Mot);
    const char* lemme = analyse.Mot;
    if (liste == nullptr) {
        if (const char* lemmeListe = LemmeDeFormeListee(motAnalyse)) {
            lemme = lemmeListe;
            liste = ParadigmeListe(lemmeListe);
        }
    }
    Flechir(lemme, liste, paradigme);
}

std::size_t ExpliquerForme(const FormeFlechie& forme, char* tampon, std::size_t taille) {
    if (tampon == nullptr || taille == 0) {
        return 0;
    }
    std::size_t n = 0;
    for (const Message* message : {forme.Explication, forme.Complement}) {
        if (message == nullptr) {
            continue;
        }
        for (const char* texte : {"[", message->code, "] ", message->texte}) {
            for (; *texte != '\0' && n < taille - 1; ++texte) {
                tampon[n++] = *texte;
            }
        }
    }
    tampon[n] = '\0';
    return n;
}
