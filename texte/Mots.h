// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Preparation of the words given to adjora-cli and the C library: trimming,
// validation, lower case and conversion to Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace texte {

// The text without its leading and trailing blanks (spaces, tabs, CR, LF).
std::string_view Rogner(std::string_view texte);

// Lower case of one code point, for every letter Windows-1252 can hold
// (ASCII, Latin-1, Œ, Š, Ž, Ÿ); any other code point is returned unchanged.
char32_t EnMinuscule(char32_t point);

// Why a word is refused, for callers that answer with a code rather than a text.
enum class Motif { Aucun, Vide, Utf8Invalide, CaractereRefuse };

// A word ready for the engine, or the reason it was refused.
struct MotPrepare {
    bool accepte = false;
    Motif motif = Motif::Aucun; // set when refused
    std::string mot1252;        // lower case, Windows-1252
    std::string erreur;         // French reason (UTF-8) when refused
    std::string remarque;       // French notice (UTF-8) when only part of the word is analysed
};

// Checks a UTF-8 word (already trimmed), lower-cases it and converts it; only
// the characters the analysis sees are kept, however long the word.
MotPrepare PreparerMot(std::string_view motUtf8);

// The bytes of a long line's word that are written back as given.
inline constexpr std::size_t LONGUEUR_REPRISE = 4096;

// The word of one input line, prepared piece by piece as the line is read,
// in bounded memory: leading and trailing blanks go, the whole word is checked
// and its characters counted as PreparerMot does, but only what the analysis
// needs is kept, and the word as given up to LONGUEUR_REPRISE bytes (cut
// between two characters).
class PreparationMot {
  public:
    void Ajouter(std::string_view morceau);
    // True while the line holds only blanks.
    bool Vide() const { return !commence_; }
    // The word prepared; `donne` receives the word as given, trimmed.
    MotPrepare Finir(std::string& donne) const;

  private:
    void Octet(char octet);
    void Point(char32_t point);

    bool commence_ = false;
    std::string donne_;
    bool coupe_ = false;             // donne_ has reached its limit
    std::string sequence_;           // bytes of an unfinished UTF-8 sequence
    std::size_t attendus_ = 0;       // bytes of that sequence
    std::size_t blancs_ = 0;         // spaces not known yet to be inside the word
    char32_t controleEnAttente_ = 0; // the first tab or CR among the blanks waiting
    std::string mot1252_;            // the first characters, as the engine analyses them
    std::size_t caracteres_ = 0;
    char32_t precedent_ = 0; // the last character, while a combining mark may follow it
    std::string erreur_;
    Motif motif_ = Motif::CaractereRefuse; // what erreur_ is about
};

} // namespace texte
