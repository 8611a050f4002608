// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PagesDeCode.h"

namespace pages {
namespace {

std::string VersUtf8(std::string_view texte, TableHaute haut) {
    std::string sortie;
    sortie.reserve(texte.size() + texte.size() / 2);
    for (char c : texte) {
        AjouterUtf8(sortie, VersUnicode(static_cast<unsigned char>(c), haut));
    }
    return sortie;
}

char Transposer(char octet, TableHaute depuis, TableHaute vers, char remplacement) {
    const int resultat = VersOctet(VersUnicode(static_cast<unsigned char>(octet), depuis), vers);
    return resultat < 0 ? remplacement : static_cast<char>(resultat);
}

} // namespace

void AjouterUtf8(std::string& sortie, char32_t point) {
    if (point < 0x80) {
        sortie += static_cast<char>(point);
        return;
    }
    const int suite = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    static constexpr unsigned char kEnTete[] = {0, 0xC0, 0xE0, 0xF0};
    sortie += static_cast<char>(kEnTete[suite] | (point >> (6 * suite)));
    for (int k = suite - 1; k >= 0; --k) {
        sortie += static_cast<char>(0x80 | ((point >> (6 * k)) & 0x3F));
    }
}

std::string Cp850VersUtf8(std::string_view texte) {
    return VersUtf8(texte, kHaut850);
}

std::string Cp1252VersUtf8(std::string_view texte) {
    return VersUtf8(texte, kHaut1252);
}

Conversion1252 Utf8VersCp1252(std::string_view texte, char remplacement) {
    Conversion1252 resultat;
    resultat.texte.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size()) {
        char32_t point = 0;
        if (!LireUtf8(texte, i, point)) {
            resultat.utf8Valide = false;
            resultat.texte += remplacement;
            continue;
        }
        const int octet = VersOctet(point, kHaut1252);
        if (octet < 0) {
            resultat.representable = false;
            resultat.texte += remplacement;
        } else {
            resultat.texte += static_cast<char>(octet);
        }
    }
    return resultat;
}

char Cp850VersCp1252(char octet, char remplacement) {
    return Transposer(octet, kHaut850, kHaut1252, remplacement);
}

char Cp1252VersCp850(char octet, char remplacement) {
    return Transposer(octet, kHaut1252, kHaut850, remplacement);
}

std::string Utf8VersCp850(std::string_view texte) {
    std::string sortie = Utf8VersCp1252(texte).texte;
    for (char& octet : sortie) {
        octet = Cp1252VersCp850(octet);
    }
    return sortie;
}

} // namespace pages
