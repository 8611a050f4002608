// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Module FICHIERS: text files read word by word through C streams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

enum : std::uint8_t { MOT_LU = 0, DERNIER_MOT = 1, FIN_FICHIER = 2 };

// Null (after printing and reporting the failure, the report naming the file
// and why) when the file cannot be opened or is not a regular file: a
// directory, a named pipe or a device is refused without being read.
std::FILE* fOuvrir(const char* nom, const char* mode);
// `nom` in `dossier`, or `nom` itself when `dossier` is null or empty (the
// current directory).
std::string CheminDans(const char* dossier, const char* nom);
// Next word into `mot` (`taille` bytes, terminator included). A longer word is
// reported once and keeps its first taille - 1 characters; the rest of it is
// skipped. With taille 0 nothing is written. A null stream gives FIN_FICHIER.
std::uint8_t fLireMot(std::FILE* fichier, char* mot, std::uint16_t* longueur, std::uint16_t taille);
bool fFinFichier(std::FILE* fichier);
bool fExiste(const char* nom);
std::int32_t fPosition(std::FILE* fichier);
bool fChercherMot(std::FILE* fichier, const char* mot);
// EOF for a null stream.
int fFermer(std::FILE* fichier);
// Opens after asking, when the file exists, whether to overwrite it.
std::FILE* fCreer(const char* nom, const char* mode);

// A regular file read into memory at once, at most `limite` bytes, then read
// word by word from there through a stream of its own, so that no file, however
// large, holds its reader for long. The file is `nom` in `dossier` (by default
// the current directory), and the "cannot open" line names it by `nom` alone,
// as when it is read from the current directory. Opening reports as fOuvrir does; a read
// error is reported, and a file larger than the limit when its reading, ended
// with this object, has reached the limit.
class FichierEnMemoire {
  public:
    FichierEnMemoire(const char* nom, std::size_t limite, const char* dossier = nullptr);
    ~FichierEnMemoire();
    FichierEnMemoire(const FichierEnMemoire&) = delete;
    FichierEnMemoire& operator=(const FichierEnMemoire&) = delete;

    // Null when there is nothing to read (fLireMot then gives FIN_FICHIER).
    std::FILE* Flux() const { return flux_; }

  private:
    void Lire(std::FILE* fichier, std::size_t limite);

    std::string contenu_;
    std::FILE* flux_ = nullptr;
    bool tronque_ = false;
};
