// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The number stage: plural marks and the lexicons H, A and B.
#include "Chaines.h"
#include "Explications.h"
#include "Lemmatiseur.h"

namespace {

// Sets the codes of an analysis settled here (number and gender together).
bool Conclure(std::uint8_t* genre, std::uint8_t* nombre, std::uint8_t codeGenre,
              std::uint8_t codeNombre, const Message& explication) {
    *genre = codeGenre;
    *nombre = codeNombre;
    EcrireExplication(explication);
    return true;
}

// Sets the number only; the gender stage runs next.
bool Poursuivre(std::uint8_t* nombre, std::uint8_t codeNombre, const Message& explication) {
    *nombre = codeNombre;
    EcrireExplication(explication);
    return false;
}

} // namespace

bool AnalyserNombre(char* mot, std::uint8_t* genre, std::uint8_t* nombre) {
    using namespace explication;
    if (EstDansListe(mot, ListeH)) {
        return Conclure(genre, nombre, GENRE_INVARIABLE, NOMBRE_INVARIABLE, N1);
    }
    if (FinitPar("s", mot)) {
        if (EstDansListe(mot, ListeA)) {
            return Conclure(genre, nombre, GENRE_MASCULIN, NOMBRE_INDETERMINE, N2);
        }
        TronquerSuffixe("s", mot);
        return Poursuivre(nombre, NOMBRE_PLURIEL, N3);
    }
    if (FinitPar("eaux", mot)) {
        TronquerSuffixe("x", mot);
        return Conclure(genre, nombre, GENRE_MASCULIN, NOMBRE_PLURIEL, N4);
    }
    if (FinitPar("aux", mot)) {
        RemplacerSuffixe("aux", "al", mot);
        return Conclure(genre, nombre, GENRE_MASCULIN, NOMBRE_PLURIEL, N5);
    }
    if (FinitPar("x", mot)) {
        if (EstDansListe(mot, ListeB)) {
            TronquerSuffixe("x", mot);
            return Conclure(genre, nombre, GENRE_MASCULIN, NOMBRE_PLURIEL, N6);
        }
        return Poursuivre(nombre, NOMBRE_INDETERMINE, N7);
    }
    return Poursuivre(nombre, NOMBRE_SINGULIER, N8);
}
