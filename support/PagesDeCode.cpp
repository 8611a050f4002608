// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PagesDeCode.h"

namespace pages {
namespace {

// The combining marks that compose with a letter into a Windows-1252 character.
constexpr char32_t ACCENT_GRAVE = 0x0300;
constexpr char32_t ACCENT_AIGU = 0x0301;
constexpr char32_t CIRCONFLEXE = 0x0302;
constexpr char32_t TILDE = 0x0303;
constexpr char32_t TREMA = 0x0308;
constexpr char32_t ROND_EN_CHEF = 0x030A;
constexpr char32_t CARON = 0x030C;
constexpr char32_t CEDILLE = 0x0327;

// Each mark, the letters it goes on and, at the same place, what they make.
struct Composition {
    char32_t marque;
    std::u32string_view bases;
    std::u32string_view composees;
};

constexpr Composition kCompositions[] = {
    {ACCENT_GRAVE, U"AEIOUaeiou", U"ÀÈÌÒÙàèìòù"},
    {ACCENT_AIGU, U"AEIOUYaeiouy", U"ÁÉÍÓÚÝáéíóúý"},
    {CIRCONFLEXE, U"AEIOUaeiou", U"ÂÊÎÔÛâêîôû"},
    {TILDE, U"ANOano", U"ÃÑÕãñõ"},
    {TREMA, U"AEIOUYaeiouy", U"ÄËÏÖÜŸäëïöüÿ"},
    {ROND_EN_CHEF, U"Aa", U"Åå"},
    {CARON, U"SZsz", U"ŠŽšž"},
    {CEDILLE, U"Cc", U"Çç"},
};

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

char32_t Composer(char32_t base, char32_t marque) {
    if (marque < ACCENT_GRAVE || marque > CEDILLE) { // most characters: no mark at all
        return 0;
    }
    for (const Composition& c : kCompositions) {
        const std::size_t k = c.marque == marque ? c.bases.find(base) : c.bases.npos;
        if (k != c.bases.npos) {
            return c.composees[k];
        }
    }
    return 0;
}

Conversion1252 Utf8VersCp1252(std::string_view texte, char remplacement) {
    Conversion1252 resultat;
    resultat.texte.reserve(texte.size());
    std::size_t i = 0;
    char32_t precedent = 0; // the last character written, while a mark may compose with it
    while (i < texte.size()) {
        char32_t point = 0;
        if (!LireUtf8(texte, i, point)) {
            resultat.utf8Valide = false;
            resultat.texte += remplacement;
            precedent = 0;
            continue;
        }
        const char32_t compose = Composer(precedent, point);
        if (compose != 0) {
            resultat.texte.pop_back();
            point = compose;
        }
        precedent = point;
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
