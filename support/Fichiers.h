// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Module FICHIERS: text files read word by word through C streams.
#pragma once

#include <cstdint>
#include <cstdio>

enum : std::uint8_t { MOT_LU = 0, DERNIER_MOT = 1, FIN_FICHIER = 2 };

// Null (after printing and reporting the failure) when the file cannot be
// opened or is a directory.
std::FILE* fOuvrir(const char* nom, const char* mode);
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
