// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading of the eight exception lexicons from their files.
#include "Fichiers.h"
#include "Index.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {

// Buffer of the word reader: lexicon words hold at most 49 characters.
constexpr std::uint16_t TAILLE_LECTURE = 50;

// A lexicon file is read up to this size: far more than the shipped files (a
// few kilobytes) or a full list of ordinary words (65,535 pairs of 20-letter
// words take 2.8 MB) need, and read in a blink.
constexpr std::size_t TAILLE_MAX_LEXIQUE = std::size_t{4} << 20;

// Appends a word read from a code page 850 file, stored as Windows-1252. The
// read buffer itself is left as it is: a paired file may reuse it as a lemma.
// Returns false when the list refused the word (full, or memory exhausted):
// the refusal has been reported once, and the caller stops reading the file
// rather than report every remaining word.
bool InsererMotLu(Liste* liste, const char* lu, const char* fonction) {
    if (liste == nullptr) {
        return false;
    }
    if (NbElements(liste) == UINT16_MAX) {
        MessageErreur("Liste pleine : seuls les 65535 premiers mots sont lus.", "Lemmatiseur",
                      fonction);
        return false;
    }
    char mot[TAILLE_LECTURE];
    std::size_t n = 0;
    while (n < TAILLE_LECTURE - 1 && lu[n] != '\0') {
        mot[n] = pages::Cp850VersCp1252(lu[n]);
        ++n;
    }
    mot[n] = '\0';
    const std::uint16_t avant = NbElements(liste);
    InsereMotFin(liste, mot);
    return NbElements(liste) != avant;
}

void Detruire(Liste*& liste) {
    if (liste != nullptr) {
        DetruitListeMots(liste);
        liste = nullptr;
    }
}

void Detruire(ListeDouble& liste) {
    Detruire(liste.Formes);
    Detruire(liste.Lemmes);
}

} // namespace

Liste* ChargerSimple(const char* nom, const char* dossier) {
    Liste* liste = CreerListeMots();
    const RapportSurFichier rapport(CheminDans(dossier, nom).c_str());
    const FichierEnMemoire fichier(nom, TAILLE_MAX_LEXIQUE, dossier);
    char mot[TAILLE_LECTURE] = {};
    std::uint16_t longueur = 0;
    std::uint8_t code = fLireMot(fichier.Flux(), mot, &longueur, TAILLE_LECTURE);
    while (code != FIN_FICHIER) {
        if (!InsererMotLu(liste, mot, "ChargerSimple") || code == DERNIER_MOT) {
            break;
        }
        code = fLireMot(fichier.Flux(), mot, &longueur, TAILLE_LECTURE);
    }
    return liste;
}

void ChargerDouble(const char* nom, ListeDouble* sortie, const char* dossier) {
    Liste* formes = CreerListeMots();
    Liste* lemmes = CreerListeMots();
    const RapportSurFichier rapport(CheminDans(dossier, nom).c_str());
    const FichierEnMemoire lexique(nom, TAILLE_MAX_LEXIQUE, dossier);
    if (std::FILE* fichier = lexique.Flux(); fichier != nullptr) {
        char mot[TAILLE_LECTURE] = {};
        std::uint16_t longueur = 0;
        for (;;) {
            std::uint8_t code = fLireMot(fichier, mot, &longueur, TAILLE_LECTURE);
            if (code == FIN_FICHIER) {
                break;
            }
            if (code == DERNIER_MOT) {
                MessageErreur("Nombre d'adjectifs incomplet !"_cp850, "Lemmatiseur",
                              "ChargerDouble");
            }
            if (!InsererMotLu(formes, mot, "ChargerDouble")) {
                break;
            }
            // At the end of the file the buffer still holds the form: it is its own lemma.
            code = fLireMot(fichier, mot, &longueur, TAILLE_LECTURE);
            if (!InsererMotLu(lemmes, mot, "ChargerDouble")) {
                SupprimeMotPos(formes, NbElements(formes)); // keep the two lists aligned
                break;
            }
            if (code == DERNIER_MOT) {
                break;
            }
        }
    }
    if (sortie != nullptr) {
        sortie->Formes = formes;
        sortie->Lemmes = lemmes;
    }
}

void ChargerExceptions(const char* dossier) {
    LibererExceptions(); // a reload replaces the lists, it does not add to them
    ListeA = ChargerSimple("except_A.lex", dossier);
    ListeB = ChargerSimple("except_B.lex", dossier);
    ChargerDouble("except_C.lex", &ListeC, dossier);
    ListeD = ChargerSimple("except_D.lex", dossier);
    ChargerDouble("except_E.lex", &ListeE, dossier);
    ListeF = ChargerSimple("except_F.lex", dossier);
    ChargerDouble("except_G.lex", &ListeG, dossier);
    ListeH = ChargerSimple("except_H.lex", dossier);
    for (Liste* liste : {ListeA, ListeB, ListeC.Formes, ListeC.Lemmes, ListeD, ListeE.Formes,
                         ListeE.Lemmes, ListeF, ListeG.Formes, ListeG.Lemmes, ListeH}) {
        IndexerListe(liste);
    }
}

void LibererExceptions() {
    OublierIndex();
    Detruire(ListeA);
    Detruire(ListeB);
    Detruire(ListeC);
    Detruire(ListeD);
    Detruire(ListeE);
    Detruire(ListeF);
    Detruire(ListeG);
    Detruire(ListeH);
}
