// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Mots.h"

#include <algorithm>
#include <cstdio>

#include "Analyseur.h"
#include "PagesDeCode.h"

namespace texte {

namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool EstControle(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point < 0xA0);
}

std::string EnUtf8(char32_t point) {
    std::string texte;
    pages::AjouterUtf8(texte, point);
    return texte;
}

std::string NomUnicode(char32_t point) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(point));
    return code;
}

MotPrepare Refus(Motif motif, std::string raison) {
    MotPrepare refus;
    refus.motif = motif;
    refus.erreur = std::move(raison);
    return refus;
}

// The lower-case Windows-1252 byte of one code point of a word, or the reason
// it is refused.
bool Convertir(char32_t point, char& octet, std::string& erreur) {
    if (point > 0x20 && point < 0x7F) { // printable ASCII, the common case
        octet = static_cast<char>(EnMinuscule(point));
        return true;
    }
    if (EstControle(point)) {
        erreur = "caractère de contrôle " + NomUnicode(point) + " refusé";
        return false;
    }
    point = EnMinuscule(point);
    const int code = pages::VersOctet(point, pages::kHaut1252);
    if (code < 0) {
        erreur = "caractère « " + EnUtf8(point) + " » (" + NomUnicode(point) +
                 ") absent du jeu Windows-1252";
        return false;
    }
    octet = static_cast<char>(code);
    return true;
}

std::string Remarque(std::size_t caracteres) {
    if (caracteres <= LONGUEUR_ANALYSEE) {
        return "";
    }
    return "mot de " + std::to_string(caracteres) + " caractères : seuls les " +
           std::to_string(LONGUEUR_ANALYSEE) + " premiers sont analysés";
}

// Bytes of the UTF-8 sequence that this byte starts (1 for a byte that starts none).
std::size_t LongueurSequence(unsigned char premier) {
    if ((premier & 0xE0) == 0xC0) {
        return 2;
    }
    if ((premier & 0xF0) == 0xE0) {
        return 3;
    }
    return (premier & 0xF8) == 0xF0 ? 4 : 1;
}

} // namespace

std::string_view Rogner(std::string_view texte) {
    while (!texte.empty() && EstBlanc(texte.front())) {
        texte.remove_prefix(1);
    }
    while (!texte.empty() && EstBlanc(texte.back())) {
        texte.remove_suffix(1);
    }
    return texte;
}

char32_t EnMinuscule(char32_t point) {
    if ((point >= U'A' && point <= U'Z') || (point >= 0xC0 && point <= 0xDE && point != 0xD7)) {
        return point + 0x20;
    }
    switch (point) {
    case 0x152: // Œ
    case 0x160: // Š
    case 0x17D: // Ž
        return point + 1;
    case 0x178: // Ÿ
        return 0xFF;
    default:
        return point;
    }
}

MotPrepare PreparerMot(std::string_view motUtf8) {
    if (motUtf8.empty()) {
        return Refus(Motif::Vide, "mot vide");
    }
    std::string mot1252;
    mot1252.reserve(std::min(motUtf8.size(), LONGUEUR_ANALYSEE));
    std::string erreur;
    std::size_t caracteres = 0;
    std::size_t i = 0;
    char32_t precedent = 0;
    while (i < motUtf8.size()) {
        char32_t point = static_cast<unsigned char>(motUtf8[i]);
        if (point < 0x80) {
            ++i;
        } else if (!pages::LireUtf8(motUtf8, i, point)) {
            return Refus(Motif::Utf8Invalide, "texte UTF-8 invalide");
        }
        const char32_t compose = pages::Composer(precedent, point);
        const bool fusion = compose != 0; // a letter and its combining mark: one character
        if (fusion) {
            point = compose;
        }
        char octet = 0;
        if (!Convertir(point, octet, erreur)) {
            return Refus(Motif::CaractereRefuse, erreur);
        }
        if (fusion && caracteres <= LONGUEUR_ANALYSEE) {
            mot1252.back() = octet;
        } else if (!fusion && ++caracteres <= LONGUEUR_ANALYSEE) {
            mot1252 += octet;
        }
        precedent = EnMinuscule(point);
    }
    MotPrepare prepare;
    prepare.accepte = true;
    prepare.remarque = Remarque(caracteres);
    prepare.mot1252 = std::move(mot1252);
    return prepare;
}

void PreparationMot::Ajouter(std::string_view morceau) {
    for (const char octet : morceau) {
        if (!erreur_.empty()) {
            return;
        }
        Octet(octet);
    }
}

void PreparationMot::Octet(char octet) {
    const auto u = static_cast<unsigned char>(octet);
    if (!commence_ && EstBlanc(octet)) {
        return;
    }
    commence_ = true;
    // Past the limit, only the rest of a character begun is kept.
    coupe_ = coupe_ || (donne_.size() >= LONGUEUR_REPRISE && (u & 0xC0) != 0x80);
    if (!coupe_) {
        donne_ += octet;
    }
    if (sequence_.empty() && u < 0x80) {
        Point(u);
        return;
    }
    if (sequence_.empty()) {
        attendus_ = LongueurSequence(u);
    }
    sequence_ += octet;
    if (sequence_.size() < attendus_ && (sequence_.size() == 1 || (u & 0xC0) == 0x80)) {
        return;
    }
    std::size_t i = 0;
    char32_t point = 0;
    if (!pages::LireUtf8(sequence_, i, point) || i != sequence_.size()) {
        erreur_ = "texte UTF-8 invalide";
        motif_ = Motif::Utf8Invalide;
        return;
    }
    sequence_.clear();
    Point(point);
}

void PreparationMot::Point(char32_t point) {
    if (point == ' ' || point == '\t' || point == '\r') {
        if (point != ' ' && controleEnAttente_ == 0) {
            controleEnAttente_ = point;
        }
        ++blancs_;
        precedent_ = 0;
        return;
    }
    char octet = 0;
    if (controleEnAttente_ != 0) {
        Convertir(controleEnAttente_, octet, erreur_);
        return;
    }
    const char32_t compose = pages::Composer(precedent_, point);
    if (compose != 0) { // a letter and its combining mark: one character
        Convertir(compose, octet, erreur_);
        precedent_ = compose;
        if (caracteres_ <= LONGUEUR_ANALYSEE) { // the letter was kept
            mot1252_.back() = octet;
        }
        return;
    }
    if (!Convertir(point, octet, erreur_)) {
        return;
    }
    precedent_ = EnMinuscule(point);
    caracteres_ += blancs_ + 1;
    mot1252_.append(std::min(blancs_, LONGUEUR_ANALYSEE - mot1252_.size()), ' ');
    blancs_ = 0;
    if (mot1252_.size() < LONGUEUR_ANALYSEE) {
        mot1252_ += octet;
    }
}

MotPrepare PreparationMot::Finir(std::string& donne) const {
    donne = Rogner(donne_);
    if (!erreur_.empty()) {
        return Refus(motif_, erreur_);
    }
    if (!sequence_.empty()) {
        return Refus(Motif::Utf8Invalide, "texte UTF-8 invalide");
    }
    if (!commence_) {
        return Refus(Motif::Vide, "mot vide");
    }
    MotPrepare prepare;
    prepare.accepte = true;
    prepare.mot1252 = mot1252_;
    prepare.remarque = Remarque(caracteres_);
    return prepare;
}

} // namespace texte
