// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Single-byte code pages used by Adjora: DOS Western (850) for the support
// library's texts and letter tables, Windows Western (1252) for the engine.
//
// Literals stay readable UTF-8 in the sources and are turned into single-byte
// text at compile time:  "Opération impossible"_cp850,  "ère"_cp1252.
// A character the code page cannot hold is a compile-time error.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pages {

// Unicode code points of bytes 0x80..0xFF (bytes below 0x80 are ASCII).
// Bytes that Windows-1252 leaves unassigned map to the matching C1 control.
inline constexpr char32_t kHaut850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, // 0x80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, // 0x88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, // 0x90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, // 0x98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, // 0xA0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, // 0xA8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, // 0xB0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, // 0xB8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, // 0xC0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, // 0xC8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, // 0xD0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, // 0xD8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, // 0xE0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, // 0xE8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, // 0xF0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, // 0xF8
};

inline constexpr char32_t kHaut1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // 0xB8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // 0xC0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // 0xC8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // 0xD0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // 0xD8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // 0xE8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // 0xF0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // 0xF8
};

using TableHaute = const char32_t (&)[128];

// Code point of one byte in a code page.
constexpr char32_t VersUnicode(unsigned char octet, TableHaute haut) {
    return octet < 0x80 ? char32_t{octet} : haut[octet - 0x80];
}

// Byte of a code point in a code page, or -1 when the page cannot hold it.
constexpr int VersOctet(char32_t point, TableHaute haut) {
    if (point < 0x80) {
        return static_cast<int>(point);
    }
    // Latin-1 code points first where they are their own byte (all of them
    // from U+00A0 in Windows-1252); a code page holds each point once.
    if (point < 0x100 && haut[point - 0x80] == point) {
        return static_cast<int>(point);
    }
    for (int i = 0; i < 128; ++i) {
        if (haut[i] == point) {
            return 0x80 + i;
        }
    }
    return -1;
}

// Decodes one UTF-8 sequence at texte[i], advancing i. Returns false (and
// advances by one byte) on a malformed, overlong or surrogate sequence.
constexpr bool LireUtf8(std::string_view texte, std::size_t& i, char32_t& point) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
    const unsigned char premier = octet(i);
    std::size_t longueur = 0;
    char32_t minimum = 0;
    if (premier < 0x80) {
        point = premier;
        ++i;
        return true;
    } else if ((premier & 0xE0) == 0xC0) {
        longueur = 2, point = premier & 0x1F, minimum = 0x80;
    } else if ((premier & 0xF0) == 0xE0) {
        longueur = 3, point = premier & 0x0F, minimum = 0x800;
    } else if ((premier & 0xF8) == 0xF0) {
        longueur = 4, point = premier & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + longueur > texte.size()) {
        ++i;
        return false;
    }
    for (std::size_t k = 1; k < longueur; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        point = (point << 6) | (octet(i + k) & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += longueur;
    return true;
}

// A UTF-8 string literal usable as a template argument.
template <std::size_t N> struct LitteralUtf8 {
    char texte[N]{};
    consteval LitteralUtf8(const char (&source)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            texte[i] = source[i];
        }
    }
};

template <LitteralUtf8 S, const char32_t* Haut> consteval auto Transcoder() {
    constexpr std::size_t N = sizeof(S.texte);
    std::array<char, N> sortie{};
    const std::string_view source(S.texte, N - 1);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < source.size()) {
        char32_t point = 0;
        if (!LireUtf8(source, i, point)) {
            throw "literal is not valid UTF-8";
        }
        int octet = -1;
        if (point < 0x80) {
            octet = static_cast<int>(point);
        } else {
            for (int k = 0; k < 128; ++k) {
                if (Haut[k] == point) {
                    octet = 0x80 + k;
                }
            }
        }
        if (octet < 0) {
            throw "character not in the target code page";
        }
        sortie[j++] = static_cast<char>(octet);
    }
    return sortie;
}

template <LitteralUtf8 S> inline constexpr auto kTexte850 = Transcoder<S, kHaut850>();
template <LitteralUtf8 S> inline constexpr auto kTexte1252 = Transcoder<S, kHaut1252>();

// Appends the UTF-8 encoding of one code point.
void AjouterUtf8(std::string& sortie, char32_t point);

// Single-byte text to UTF-8.
std::string Cp850VersUtf8(std::string_view texte);
std::string Cp1252VersUtf8(std::string_view texte);

// The character that a letter followed by a combining mark (decomposed text,
// as macOS file names write "é": "e" then U+0301) stands for, when
// Windows-1252 holds it; 0 when the two compose into nothing it holds.
char32_t Composer(char32_t base, char32_t marque);

// UTF-8 to Windows-1252. A letter followed by a combining mark is composed
// first (Composer). Malformed sequences and characters the code page cannot
// hold, a combining mark that composes with nothing among them, become
// `remplacement`; the flags say whether that happened.
struct Conversion1252 {
    std::string texte;
    bool utf8Valide = true;
    bool representable = true;
};
Conversion1252 Utf8VersCp1252(std::string_view texte, char remplacement = '?');

// One byte from code page 850 to Windows-1252 (`remplacement` when 1252 lacks it).
char Cp850VersCp1252(char octet, char remplacement = '?');
// One byte from Windows-1252 to code page 850 (`remplacement` when 850 lacks it).
char Cp1252VersCp850(char octet, char remplacement = '?');
// UTF-8 (a file name, as the system gives it) to code page 850, through
// Windows-1252: characters either code page lacks become "?".
std::string Utf8VersCp850(std::string_view texte);

} // namespace pages

// "Opération impossible"_cp850 : a NUL-terminated code page 850 text.
template <pages::LitteralUtf8 S> constexpr const char* operator""_cp850() {
    return pages::kTexte850<S>.data();
}
// "ère"_cp1252 : a NUL-terminated Windows-1252 text.
template <pages::LitteralUtf8 S> constexpr const char* operator""_cp1252() {
    return pages::kTexte1252<S>.data();
}
