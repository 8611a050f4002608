// Module FICHIERS: text files read word by word through C streams.
#pragma once

#include <cstdint>
#include <cstdio>

enum : std::uint8_t { MOT_LU = 0, DERNIER_MOT = 1, FIN_FICHIER = 2 };

std::FILE* fOuvrir(const char* nom, const char* mode);
std::uint8_t fLireMot(std::FILE* fichier, char* mot, std::uint16_t* longueur,
                      std::uint16_t taille);
bool fFinFichier(std::FILE* fichier);
bool fExiste(const char* nom);
std::int32_t fPosition(std::FILE* fichier);
bool fChercherMot(std::FILE* fichier, const char* mot);
int fFermer(std::FILE* fichier);
// Opens after asking, when the file exists, whether to overwrite it.
std::FILE* fCreer(const char* nom, const char* mode);
