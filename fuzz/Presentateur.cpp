// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Presentateur.h"

#include <cstdlib>
#include <cstring>

#include "MessageErreur.h"

namespace {
std::size_t rapports = 0;
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
