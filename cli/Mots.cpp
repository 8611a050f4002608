// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Mots.h"

#include <cstdio>

#include "Analyseur.h"
#include "PagesDeCode.h"

namespace cli {

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

MotPrepare Refus(std::string raison) {
    MotPrepare refus;
    refus.erreur = std::move(raison);
    return refus;
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
        return Refus("mot vide");
    }
    std::string mot1252;
    std::size_t i = 0;
    while (i < motUtf8.size()) {
        char32_t point = 0;
        if (!pages::LireUtf8(motUtf8, i, point)) {
            return Refus("texte UTF-8 invalide");
        }
        if (EstControle(point)) {
            return Refus("caractère de contrôle " + NomUnicode(point) + " refusé");
        }
        point = EnMinuscule(point);
        const int octet = pages::VersOctet(point, pages::kHaut1252);
        if (octet < 0) {
            return Refus("caractère « " + EnUtf8(point) + " » (" + NomUnicode(point) +
                         ") absent du jeu Windows-1252");
        }
        mot1252 += static_cast<char>(octet);
    }
    MotPrepare prepare;
    prepare.accepte = true;
    prepare.mot1252 = std::move(mot1252);
    if (prepare.mot1252.size() > LONGUEUR_ANALYSEE) {
        prepare.remarque = "mot de " + std::to_string(prepare.mot1252.size()) +
                           " caractères : seuls les " + std::to_string(LONGUEUR_ANALYSEE) +
                           " premiers sont analysés";
    }
    return prepare;
}

} // namespace cli
