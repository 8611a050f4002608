// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fichiers.h"

#include "Caracteres.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Buffer size used by fChercherMot, as for the lexicon loader.
constexpr std::uint16_t kTailleMotRecherche = 50;

// fopen accepts a directory in read mode; a directory is no word file.
bool EstRepertoire(std::FILE* fichier) {
    struct stat etat {};
    return fstat(fileno(fichier), &etat) == 0 && S_ISDIR(etat.st_mode);
}

void SignalerOuvertureImpossible(const char* nom) {
    std::printf("Impossible d'ouvrir le fichier %s.\n", nom != nullptr ? nom : "");
    std::fflush(stdout);
    MessageErreur("Opération impossible"_cp850, "GESTION DES FICHIERS", "fOuvrir");
}

void SignalerMotTropGrand() {
    MessageErreur(
        "fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en mémoire.\n"_cp850,
        "FICHIERS", "fLireMot");
}

// Ends the word held in `mot` after its n stored characters.
void TerminerMot(char* mot, std::uint16_t* longueur, std::uint16_t n, std::uint16_t taille) {
    if (mot != nullptr && taille > 0) {
        mot[n] = '\0';
    }
    if (longueur != nullptr) {
        *longueur = n;
    }
}

} // namespace

std::FILE* fOuvrir(const char* nom, const char* mode) {
    std::FILE* fichier = nullptr;
    if (nom != nullptr && mode != nullptr) {
        fichier = std::fopen(nom, mode);
    }
    if (fichier != nullptr && EstRepertoire(fichier)) {
        std::fclose(fichier);
        fichier = nullptr;
    }
    if (fichier == nullptr) {
        SignalerOuvertureImpossible(nom);
    }
    return fichier;
}

// Reads the next word. A word longer than the buffer keeps its first
// taille - 1 characters; the rest of it is consumed so that the next call
// starts after the whole word. Nothing is ever written past `taille` bytes.
std::uint8_t fLireMot(std::FILE* fichier, char* mot, std::uint16_t* longueur,
                      std::uint16_t taille) {
    if (fichier == nullptr) {
        return FIN_FICHIER;
    }
    const std::uint16_t capacite =
        (taille > 0 && mot != nullptr) ? static_cast<std::uint16_t>(taille - 1) : 0;
    std::uint16_t n = 0;
    bool commence = false;
    bool signale = false;
    for (;;) {
        // With room for no character at all, the word is too long once begun.
        if (!signale && n == capacite && (capacite > 0 || commence)) {
            SignalerMotTropGrand();
            signale = true;
        }
        if (fFinFichier(fichier)) {
            if (!commence) {
                return FIN_FICHIER;
            }
            TerminerMot(mot, longueur, n, taille);
            return DERNIER_MOT;
        }
        const Octet c = static_cast<Octet>(std::fgetc(fichier));
        if (!EstSeparateur(c)) {
            if (n < capacite) {
                mot[n++] = static_cast<char>(c);
            }
            commence = true;
        } else if (commence) {
            TerminerMot(mot, longueur, n, taille);
            return MOT_LU;
        }
    }
}

bool fFinFichier(std::FILE* fichier) {
    if (fichier == nullptr) {
        return true;
    }
    const int c = std::fgetc(fichier);
    if (c == EOF) {
        return true;
    }
    std::ungetc(c, fichier);
    return false;
}

bool fExiste(const char* nom) {
    return nom != nullptr && access(nom, F_OK) == 0;
}

std::int32_t fPosition(std::FILE* fichier) {
    if (fichier == nullptr) {
        return -1;
    }
    const long position = std::ftell(fichier);
    if (position < 0 || position > INT32_MAX) {
        return -1;
    }
    return static_cast<std::int32_t>(position);
}

bool fChercherMot(std::FILE* fichier, const char* mot) {
    if (fichier == nullptr || mot == nullptr) {
        return false;
    }
    std::rewind(fichier);
    char lu[kTailleMotRecherche];
    std::uint16_t longueur = 0;
    for (;;) {
        const std::uint8_t code = fLireMot(fichier, lu, &longueur, kTailleMotRecherche);
        if (code == FIN_FICHIER) {
            return false;
        }
        if (std::strcmp(lu, mot) == 0) {
            return true;
        }
        if (code == DERNIER_MOT) {
            return false;
        }
    }
}

int fFermer(std::FILE* fichier) {
    return fichier == nullptr ? EOF : std::fclose(fichier);
}
