// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Presentateur.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "AdjoraConfig.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"

namespace {
std::size_t rapports = 0;
std::string cheminTemporaire;

void SupprimerTemporaire() {
    unlink(cheminTemporaire.c_str());
}
} // namespace

void InstallerPresentateurMuet() {
    InstallerPresentateur([](const char* rapport, const char* titre) {
        // A report must be a NUL-terminated text that fits the report buffer.
        if (rapport == nullptr || titre == nullptr ||
            std::memchr(rapport, '\0', TAILLE_RAPPORT) == nullptr) {
            std::abort();
        }
        ++rapports;
        return 1;
    });
}

std::size_t RapportsRecus() {
    const std::size_t n = rapports;
    rapports = 0;
    return n;
}

void ChargerLexiquesDuFuzz() {
    // The lexicons are found by bare name in the current directory.
    char ici[PATH_MAX];
    const char* donnees = std::getenv("ADJORA_FUZZ_DONNEES");
    if (getcwd(ici, sizeof ici) == nullptr ||
        chdir(donnees != nullptr ? donnees : ADJORA_DONNEES_BUILD) != 0) {
        std::abort();
    }
    ChargerExceptions();
    if (chdir(ici) != 0) {
        std::abort();
    }
    RapportsRecus();
}

const std::string& CreerFichierTemporaire() {
    const char* dossier = std::getenv("TMPDIR");
    std::string modele = std::string(dossier != nullptr ? dossier : "/tmp") + "/adjora-fuzz-XXXXXX";
    const int fd = mkstemp(modele.data());
    if (fd < 0) {
        std::abort();
    }
    close(fd);
    cheminTemporaire = modele;
    std::atexit(SupprimerTemporaire);
    return cheminTemporaire;
}

void EcrireFichierTemporaire(const void* contenu, std::size_t longueur) {
    std::FILE* f = std::fopen(cheminTemporaire.c_str(), "wb");
    if (f == nullptr || (longueur != 0 && std::fwrite(contenu, 1, longueur, f) != longueur)) {
        std::abort();
    }
    if (std::fclose(f) != 0) {
        std::abort();
    }
}
