// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fichiers.h"

#include "Caracteres.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Buffer size used by fChercherMot, as for the lexicon loader.
constexpr std::uint16_t kTailleMotRecherche = 50;

// FichierEnMemoire reads by blocks of this size.
constexpr std::size_t kTailleBloc = std::size_t{16} << 10;

// Why a file cannot be a word file: not a regular one (a directory, a named
// pipe that would block, a device that never ends), or errno of the failure.
const char* RaisonRefus(const struct stat& etat) {
    if (S_ISDIR(etat.st_mode)) {
        return "dossier, pas un fichier ordinaire"_cp850;
    }
    if (S_ISFIFO(etat.st_mode)) {
        return "tube nommé, pas un fichier ordinaire"_cp850;
    }
    return "périphérique ou socket, pas un fichier ordinaire"_cp850;
}

const char* RaisonEchec(int erreur) {
    switch (erreur) {
    case ENOENT:
        return "fichier absent";
    case EACCES:
        return "accès refusé"_cp850;
    default:
        return "erreur système";
    }
}

// The line names the file as it was asked for (`nom`); the report, by its
// full path (`chemin`).
void SignalerOuvertureImpossible(const char* chemin, const char* nom, const char* raison) {
    const RapportSurFichier fichier(chemin, raison);
    const std::string annonce =
        std::string("Impossible d'ouvrir le fichier ") + (nom != nullptr ? nom : "") + ".";
    if (!CapturerAnnonce(annonce)) {
        std::printf("%s\n", annonce.c_str());
        std::fflush(stdout);
    }
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

// Only regular files are opened: the type is checked before opening, so that
// a named pipe never blocks, and again on the file opened.
std::FILE* OuvrirNomme(const char* chemin, const char* nom, const char* mode) {
    if (chemin == nullptr || mode == nullptr) {
        SignalerOuvertureImpossible(chemin, nom, nullptr);
        return nullptr;
    }
    struct stat etat {};
    if (stat(chemin, &etat) == 0 && !S_ISREG(etat.st_mode)) {
        SignalerOuvertureImpossible(chemin, nom, RaisonRefus(etat));
        return nullptr;
    }
    std::FILE* fichier = std::fopen(chemin, mode);
    if (fichier == nullptr) {
        SignalerOuvertureImpossible(chemin, nom, RaisonEchec(errno));
        return nullptr;
    }
    if (fstat(fileno(fichier), &etat) != 0 || !S_ISREG(etat.st_mode)) {
        std::fclose(fichier);
        SignalerOuvertureImpossible(chemin, nom, RaisonRefus(etat));
        return nullptr;
    }
    return fichier;
}

} // namespace

std::FILE* fOuvrir(const char* nom, const char* mode) {
    return OuvrirNomme(nom, nom, mode);
}

std::string CheminDans(const char* dossier, const char* nom) {
    const std::string fichier = nom != nullptr ? nom : "";
    if (dossier == nullptr || *dossier == '\0') {
        return fichier;
    }
    const std::string base = dossier;
    return base.back() == '/' ? base + fichier : base + "/" + fichier;
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
        // One read tells the end of the file as fFinFichier would, without
        // pushing the byte back.
        const int lu = std::getc(fichier);
        if (lu == EOF) {
            if (!commence) {
                return FIN_FICHIER;
            }
            TerminerMot(mot, longueur, n, taille);
            return DERNIER_MOT;
        }
        const auto c = static_cast<Octet>(lu);
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

FichierEnMemoire::FichierEnMemoire(const char* nom, std::size_t limite, const char* dossier) {
    const std::string chemin = CheminDans(dossier, nom);
    std::FILE* fichier = OuvrirNomme(chemin.c_str(), nom, "r");
    if (fichier == nullptr) {
        return;
    }
    Lire(fichier, limite);
    fFermer(fichier);
    if (!contenu_.empty()) {
        flux_ = fmemopen(contenu_.data(), contenu_.size(), "r");
    }
    if (flux_ != nullptr) {
        std::setvbuf(flux_, nullptr, _IOFBF, kTailleBloc * 4);
    }
}

// A file cut at the limit is reported once its reading has reached the cut.
FichierEnMemoire::~FichierEnMemoire() {
    if (flux_ == nullptr) {
        return;
    }
    if (tronque_ && std::feof(flux_) != 0) {
        char message[120];
        std::snprintf(message, sizeof message, "%s%zu%s", "Fichier trop volumineux : seuls ses ",
                      contenu_.size(), " premiers octets sont lus.");
        MessageErreur(message, "GESTION DES FICHIERS", "FichierEnMemoire");
    }
    std::fclose(flux_);
}

void FichierEnMemoire::Lire(std::FILE* fichier, std::size_t limite) {
    char bloc[kTailleBloc];
    std::size_t lu = 0;
    do {
        lu = std::fread(bloc, 1, sizeof bloc, fichier);
        contenu_.append(bloc, lu);
    } while (lu == sizeof bloc && contenu_.size() <= limite);
    tronque_ = contenu_.size() > limite;
    if (tronque_) {
        contenu_.resize(limite);
    }
    if (std::ferror(fichier) != 0) {
        MessageErreur("Erreur de lecture : le fichier n'est lu qu'en partie.",
                      "GESTION DES FICHIERS", "FichierEnMemoire");
    }
}
