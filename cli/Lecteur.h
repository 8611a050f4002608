// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The lines of an input, read with read(2) in pieces of bounded size, so that
// memory stays flat whatever the length of a line, and a read error is told
// apart from the end of the input.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace cli {

class LecteurLignes {
  public:
    // The largest piece of a line handed out at once.
    static constexpr std::size_t TAILLE_MORCEAU = std::size_t{64} << 10;

    // Reads `descripteur` (not closed here); -1 stands for a closed input.
    // `aVider`, when given, is flushed before each read.
    explicit LecteurLignes(int descripteur, std::ostream* aVider = nullptr);

    // The next piece of the current line, without its line feed, in `morceau`;
    // `finLigne` tells whether it ends its line. A line longer than
    // TAILLE_MORCEAU comes in several pieces; a last line without a line feed
    // counts as a line. False at the end of the input, or on a read error; a
    // line cut short by the error is not handed out in full.
    bool Lire(std::string_view& morceau, bool& finLigne);

    // The errno of the read error that stopped reading; 0 at the end of the input.
    int Erreur() const { return erreur_; }

  private:
    bool Remplir();

    int descripteur_;
    std::ostream* aVider_;
    std::unique_ptr<char[]> tampon_;
    std::size_t debut_ = 0;   // first byte not handed out yet
    std::size_t fin_ = 0;     // end of the bytes read
    std::size_t examine_ = 0; // bytes from debut_ known to hold no line feed
    bool dansLigne_ = false;  // pieces of the current line already handed out
    bool finEntree_ = false;
    int erreur_ = 0;
};

} // namespace cli
