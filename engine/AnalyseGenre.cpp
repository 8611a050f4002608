// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The gender stage: feminine endings and the lexicons C to G.
#include "Chaines.h"
#include "Explications.h"
#include "Lemmatiseur.h"
#include "PagesDeCode.h"

namespace {

// Cutting length of the doubled-consonant rule: the second consonant and the "e".
const char* const DEUX_DERNIERS = "ne";

void Conclure(std::uint8_t* genre, std::uint8_t code, const Message& explication) {
    *genre = code;
    AjouterExplication(explication);
}

// Feminine endings whose masculine is usually the same form (lexicon G).
bool FinitParFereIsteIde(const char* mot) {
    return FinitPar("fère"_cp1252, mot) || FinitPar("iste", mot) || FinitPar("ide", mot);
}

// Endings of the general rule: the lemma loses the final "e".
bool FinitParFinaleGenerale(const char* mot) {
    if (FinitPar("que", mot) || FinitPar("gue", mot)) {
        return false;
    }
    static const char* const finales[] = {"ue", "ée"_cp1252, "de", "te", "ie", "ale", "ole", "ile"};
    for (const char* finale : finales) {
        if (FinitPar(finale, mot)) {
            return true;
        }
    }
    return false;
}

// Words without a final "e": masculine, possibly a form used before a vowel.
void AnalyserMasculin(char* mot, std::uint8_t* genre) {
    Conclure(genre, GENRE_MASCULIN, explication::G1);
    if (EstDansListe(mot, ListeE.Formes)) {
        LemmeCorrespondant(mot, ListeE.Formes, ListeE.Lemmes);
        AjouterExplication(explication::G2);
    }
}

// Words in "euse": masculine in "eur" (lexicon F) or in "eux".
void AnalyserEuse(char* mot, std::uint8_t* genre) {
    RemplacerSuffixe("se", EstDansListe(mot, ListeF) ? "r" : "x", mot);
    Conclure(genre, GENRE_FEMININ, explication::G3);
}

void AnalyserFereIsteIde(char* mot, std::uint8_t* genre) {
    if (EstDansListe(mot, ListeG.Formes)) {
        LemmeCorrespondant(mot, ListeG.Formes, ListeG.Lemmes);
        Conclure(genre, GENRE_FEMININ, explication::G4);
    } else {
        Conclure(genre, GENRE_INDETERMINE, explication::G5);
    }
}

// Ending rules applied to a word in "e" that no lexicon settled.
void AnalyserTerminaison(char* mot, std::uint8_t* genre) {
    using namespace explication;
    if (FinitPar("olle", mot)) {
        RemplacerSuffixe("lle", "u", mot);
        Conclure(genre, GENRE_FEMININ, G8);
    } else if (ConsonneDoublee(mot)) {
        TronquerSuffixe(DEUX_DERNIERS, mot);
        Conclure(genre, GENRE_FEMININ, G9);
    } else if (FinitPar("trice", mot)) {
        RemplacerSuffixe("trice", "teur", mot);
        Conclure(genre, GENRE_FEMININ, G10);
    } else if (FinitPar("se", mot)) {
        TronquerSuffixe("e", mot);
        Conclure(genre, GENRE_FEMININ, G11);
    } else if (FinitPar("ve", mot)) {
        RemplacerSuffixe("ve", "f", mot);
        Conclure(genre, GENRE_FEMININ, G12);
    } else if (FinitPar("ère"_cp1252, mot)) {
        RemplacerSuffixe("ère"_cp1252, "er", mot);
        Conclure(genre, GENRE_FEMININ, G13);
    } else if (FinitPar("ète"_cp1252, mot)) {
        RemplacerSuffixe("ète"_cp1252, "et", mot);
        Conclure(genre, GENRE_FEMININ, G14);
    } else if (FinitParFinaleGenerale(mot)) {
        TronquerSuffixe("e", mot);
        Conclure(genre, GENRE_FEMININ, G15);
    } else {
        Conclure(genre, GENRE_INDETERMINE, G16);
    }
}

} // namespace

void AnalyserGenre(char* mot, std::uint8_t* genre) {
    if (FinitPar("ë"_cp1252, mot)) { // aiguë: the diaeresis sits on the feminine "e"
        TronquerSuffixe("ë"_cp1252, mot);
        Conclure(genre, GENRE_FEMININ, explication::G15);
    } else if (!FinitPar("e", mot)) {
        AnalyserMasculin(mot, genre);
    } else if (FinitPar("euse", mot)) {
        AnalyserEuse(mot, genre);
    } else if (FinitParFereIsteIde(mot)) {
        AnalyserFereIsteIde(mot, genre);
    } else if (EstDansListe(mot, ListeC.Formes)) {
        LemmeCorrespondant(mot, ListeC.Formes, ListeC.Lemmes);
        Conclure(genre, GENRE_FEMININ, explication::G6);
    } else if (EstDansListe(mot, ListeD)) {
        Conclure(genre, GENRE_INDETERMINE, explication::G7);
    } else {
        AnalyserTerminaison(mot, genre);
    }
}
