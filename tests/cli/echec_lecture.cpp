// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded by the cases whose `entree` is "echec N": read() on standard input
// fails with EIO once N bytes (ADJORA_ECHEC_LECTURE) have been read.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

extern "C" ssize_t read(int descripteur, void* tampon, size_t taille) {
    using Lire = ssize_t (*)(int, void*, size_t);
    static const Lire lire = reinterpret_cast<Lire>(dlsym(RTLD_NEXT, "read"));
    static long reste = std::atol(std::getenv("ADJORA_ECHEC_LECTURE"));
    if (descripteur != STDIN_FILENO) {
        return lire(descripteur, tampon, taille);
    }
    if (reste <= 0) {
        errno = EIO;
        return -1;
    }
    const ssize_t lu = lire(descripteur, tampon, std::min(taille, static_cast<size_t>(reste)));
    reste -= lu > 0 ? lu : 0;
    return lu;
}
