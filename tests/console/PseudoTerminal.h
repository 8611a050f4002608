// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// A pseudo-terminal pair for tests of the terminal layer.
#pragma once

#include <chrono>
#include <poll.h>
#include <pty.h>
#include <string>
#include <unistd.h>

// Writes all of `octets` to a terminal master, as typed keys.
inline void TaperSur(int maitre, const std::string& octets) {
    for (std::size_t ecrits = 0; ecrits < octets.size();) {
        const ssize_t n = write(maitre, octets.data() + ecrits, octets.size() - ecrits);
        if (n <= 0) {
            return;
        }
        ecrits += static_cast<std::size_t>(n);
    }
}

// Reads what a terminal master shows until `attendu` appears (never, when
// empty), the other side closes, or `delai` passes.
inline std::string LireMaitre(int maitre, const std::string& attendu,
                              std::chrono::milliseconds delai = std::chrono::seconds(2)) {
    const auto fin = std::chrono::steady_clock::now() + delai;
    std::string lu;
    while (attendu.empty() || lu.find(attendu) == std::string::npos) {
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
                               fin - std::chrono::steady_clock::now())
                               .count();
        pollfd attente{maitre, POLLIN, 0};
        char tampon[256];
        if (reste <= 0 || poll(&attente, 1, static_cast<int>(reste)) <= 0) {
            break;
        }
        const ssize_t n = read(maitre, tampon, sizeof tampon);
        if (n <= 0) {
            break; // EIO once the other side has closed
        }
        lu.append(tampon, static_cast<std::size_t>(n));
    }
    return lu;
}

class PseudoTerminal {
  public:
    PseudoTerminal() {
        if (openpty(&maitre_, &esclave_, nullptr, nullptr, nullptr) != 0) {
            maitre_ = esclave_ = -1;
        }
    }
    ~PseudoTerminal() {
        FermerMaitre();
        if (esclave_ >= 0) {
            close(esclave_);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int Esclave() const { return esclave_; }
    bool Ouvert() const { return maitre_ >= 0 && esclave_ >= 0; }
    void Taper(const std::string& octets) const { TaperSur(maitre_, octets); }
    std::string LireJusqua(const std::string& attendu,
                           std::chrono::milliseconds delai = std::chrono::seconds(2)) const {
        return LireMaitre(maitre_, attendu, delai);
    }
    void FermerMaitre() {
        if (maitre_ >= 0) {
            close(maitre_);
            maitre_ = -1;
        }
    }

  private:
    int maitre_ = -1;
    int esclave_ = -1;
};
