// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded by the cases whose `entree` is "echec N [ERRNO]": read() on
// standard input fails once N bytes (ADJORA_ECHEC_LECTURE) have been read.
// EIO (the default) fails every read from then on; EINTR or EAGAIN
// (ADJORA_ECHEC_ERRNO) fails once, as an interrupted or non-blocking read
// does, and reading then goes on.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

int ErreurVoulue() {
    const char* nom = std::getenv("ADJORA_ECHEC_ERRNO");
    if (nom != nullptr && std::strcmp(nom, "EINTR") == 0) {
        return EINTR;
    }
    if (nom != nullptr && std::strcmp(nom, "EAGAIN") == 0) {
        return EAGAIN;
    }
    return EIO;
}

} // namespace

extern "C" ssize_t read(int descripteur, void* tampon, size_t taille) {
    using Lire = ssize_t (*)(int, void*, size_t);
    static const Lire lire = reinterpret_cast<Lire>(dlsym(RTLD_NEXT, "read"));
    static long reste = std::atol(std::getenv("ADJORA_ECHEC_LECTURE"));
    static const int erreur = ErreurVoulue();
    static bool passee = false; // the passing error has happened
    if (descripteur != STDIN_FILENO || passee) {
        return lire(descripteur, tampon, taille);
    }
    if (reste <= 0) {
        errno = erreur;
        passee = erreur != EIO;
        return -1;
    }
    const ssize_t lu = lire(descripteur, tampon, std::min(taille, static_cast<size_t>(reste)));
    reste -= lu > 0 ? lu : 0;
    return lu;
}
