// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lecteur.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <poll.h>
#include <unistd.h>

namespace cli {

namespace {

// Waits until a descriptor left non-blocking by whoever passed it has data.
bool Attendre(int descripteur) {
    pollfd attente{descripteur, POLLIN, 0};
    return poll(&attente, 1, -1) >= 0 || errno == EINTR;
}

} // namespace

LecteurLignes::LecteurLignes(int descripteur, std::ostream* aVider)
    : descripteur_(descripteur), aVider_(aVider),
      tampon_(std::make_unique_for_overwrite<char[]>(TAILLE_MORCEAU)) {}

bool LecteurLignes::Lire(std::string_view& morceau, bool& finLigne) {
    for (;;) {
        const char* debut = tampon_.get() + debut_;
        const std::size_t disponible = fin_ - debut_;
        const void* saut = std::memchr(debut + examine_, '\n', disponible - examine_);
        if (saut != nullptr) {
            const std::size_t longueur = static_cast<const char*>(saut) - debut;
            morceau = std::string_view(debut, longueur);
            finLigne = true;
            debut_ += longueur + 1;
            examine_ = 0;
            dansLigne_ = false;
            return true;
        }
        examine_ = disponible;
        const bool plein = disponible == TAILLE_MORCEAU;
        if (plein || (finEntree_ && (disponible > 0 || dansLigne_))) {
            morceau = std::string_view(debut, disponible);
            finLigne = !plein;
            dansLigne_ = plein;
            debut_ = fin_;
            examine_ = 0;
            return true;
        }
        if (finEntree_ || erreur_ != 0 || !Remplir()) {
            return false;
        }
    }
}

// Moves what is left to the start of the buffer and reads after it. False
// only on a read error; the end of the input sets finEntree_.
bool LecteurLignes::Remplir() {
    std::memmove(tampon_.get(), tampon_.get() + debut_, fin_ - debut_);
    fin_ -= debut_;
    debut_ = 0;
    if (aVider_ != nullptr) {
        aVider_->flush();
    }
    ssize_t lu = -1;
    do {
        lu = read(descripteur_, tampon_.get() + fin_, TAILLE_MORCEAU - fin_);
    } while (lu < 0 && (errno == EINTR || (errno == EAGAIN && Attendre(descripteur_))));
    if (lu < 0) {
        erreur_ = errno != 0 ? errno : EIO;
        return false;
    }
    finEntree_ = lu == 0;
    fin_ += static_cast<std::size_t>(lu);
    return true;
}

} // namespace cli
