#include "PseudoTerminal.h"

#include <cerrno>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal() {
    if (openpty(&maitre_, &esclave_, nullptr, nullptr, nullptr) != 0) {
        maitre_ = esclave_ = -1;
    }
}

PseudoTerminal::~PseudoTerminal() {
    FermerMaitre();
    if (esclave_ >= 0) {
        close(esclave_);
    }
}

void PseudoTerminal::FermerMaitre() {
    if (maitre_ >= 0) {
        close(maitre_);
        maitre_ = -1;
    }
}

void PseudoTerminal::Taper(const std::string& octets) const {
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = write(maitre_, octets.data() + ecrits, octets.size() - ecrits);
        if (n <= 0) {
            return;
        }
        ecrits += static_cast<std::size_t>(n);
    }
}

std::string PseudoTerminal::LireJusqua(const std::string& attendu,
                                       std::chrono::milliseconds delai) const {
    return LireMaitre(maitre_, attendu, delai);
}

std::string LireMaitre(int maitre, const std::string& attendu, std::chrono::milliseconds delai) {
    using Horloge = std::chrono::steady_clock;
    const auto fin = Horloge::now() + delai;
    std::string lu;
    while (attendu.empty() || lu.find(attendu) == std::string::npos) {
        const auto reste =
            std::chrono::duration_cast<std::chrono::milliseconds>(fin - Horloge::now()).count();
        if (reste <= 0) {
            break;
        }
        pollfd attente{maitre, POLLIN, 0};
        if (poll(&attente, 1, static_cast<int>(reste)) <= 0) {
            break;
        }
        char tampon[256];
        const ssize_t n = read(maitre, tampon, sizeof tampon);
        if (n <= 0) {
            break; // EIO once the other side has closed
        }
        lu.append(tampon, static_cast<std::size_t>(n));
    }
    return lu;
}
