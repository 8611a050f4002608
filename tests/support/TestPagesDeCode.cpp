// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Octet(int valeur) {
    return std::string(1, static_cast<char>(valeur));
}

static_assert(pages::kTexte850<"é">[0] == static_cast<char>(0x82));
static_assert(pages::kTexte1252<"é">[0] == static_cast<char>(0xE9));
static_assert(pages::kTexte850<"abc">.size() == 4, "one byte per character and a NUL");

TEST(PagesDeCode, LesVingtCinqLettresAccentueesDansLesDeuxPages) {
    const char* const utf8 = "ÇÅÉÜÂÀÊËÈÎÏÔÛçâéüàêëèîïôû";
    const std::string en850 = "ÇÅÉÜÂÀÊËÈÎÏÔÛçâéüàêëèîïôû"_cp850;
    const std::string en1252 = "ÇÅÉÜÂÀÊËÈÎÏÔÛçâéüàêëèîïôû"_cp1252;
    ASSERT_EQ(en850.size(), 25u);
    ASSERT_EQ(en1252.size(), 25u);
    EXPECT_EQ(en850.substr(0, 3), Octet(0x80) + Octet(0x8F) + Octet(0x90));
    EXPECT_EQ(en1252.substr(0, 3), Octet(0xC7) + Octet(0xC5) + Octet(0xC9));
    for (std::size_t i = 0; i < en850.size(); ++i) {
        EXPECT_EQ(pages::Cp850VersCp1252(en850[i]), en1252[i]) << "row " << i;
        EXPECT_EQ(pages::Cp1252VersCp850(en1252[i]), en850[i]) << "row " << i;
    }
    EXPECT_EQ(pages::Cp850VersUtf8(en850), utf8);
    EXPECT_EQ(pages::Cp1252VersUtf8(en1252), utf8);
    EXPECT_EQ(pages::Utf8VersCp1252(utf8).texte, en1252);
    EXPECT_EQ(std::string("€"_cp1252), Octet(0x80));
}

TEST(PagesDeCode, Cp1252AllerRetourSurLes256Octets) {
    for (int b = 0; b < 256; ++b) {
        const pages::Conversion1252 retour = pages::Utf8VersCp1252(pages::Cp1252VersUtf8(Octet(b)));
        EXPECT_TRUE(retour.utf8Valide && retour.representable) << "byte " << b;
        EXPECT_EQ(retour.texte, Octet(b)) << "byte " << b;
    }
}

TEST(PagesDeCode, Cp850EtCp1252AllerRetourQuandLesDeuxPagesOntLeCaractere) {
    int communs = 0;
    for (int b = 0; b < 256; ++b) {
        const char vers1252 = pages::Cp850VersCp1252(static_cast<char>(b), '\0');
        if (vers1252 == '\0' && b != 0) {
            continue;
        }
        ++communs;
        EXPECT_EQ(pages::Cp1252VersCp850(vers1252), static_cast<char>(b)) << "byte " << b;
        EXPECT_EQ(pages::Cp850VersUtf8(Octet(b)), pages::Cp1252VersUtf8(std::string(1, vers1252)))
            << "byte " << b;
    }
    // Box drawing and a few symbols of 850 have no place in 1252.
    EXPECT_GT(communs, 128);
    EXPECT_LT(communs, 256);
}

TEST(PagesDeCode, CaractereAbsentDeLaPageRemplaceEtSignale) {
    const pages::Conversion1252 r = pages::Utf8VersCp1252("a\u0100b\u2713", '#');
    EXPECT_TRUE(r.utf8Valide);
    EXPECT_FALSE(r.representable);
    EXPECT_EQ(r.texte, "a#b#");
    EXPECT_EQ(pages::Cp850VersCp1252(static_cast<char>(0xC9), '#'), '#'); // box drawing
    EXPECT_EQ(pages::Cp1252VersCp850(static_cast<char>(0x80), '#'), '#'); // euro sign
}

TEST(PagesDeCode, Utf8InvalideEstRemplaceEtSignale) {
    const char* const invalides[] = {
        "\xC3",             // truncated sequence
        "\xC0\xAF",         // overlong encoding of '/'
        "\xED\xA0\x80",     // UTF-16 surrogate
        "\xFF",             // byte that never starts a sequence
        "\x80",             // lone continuation byte
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xE2\x28\xA1",     // bad continuation
    };
    for (std::size_t i = 0; i < std::size(invalides); ++i) {
        const pages::Conversion1252 r = pages::Utf8VersCp1252(invalides[i], '?');
        EXPECT_FALSE(r.utf8Valide) << "row " << i;
        EXPECT_NE(r.texte.find('?'), std::string::npos) << "row " << i;
    }
    // A valid tail after a malformed byte still comes through.
    EXPECT_EQ(pages::Utf8VersCp1252("\xC3z\xC3\xA9").texte, "?z" + Octet(0xE9));
}

TEST(PagesDeCode, EncodageUtf8DeToutesLesLongueurs) {
    const struct {
        char32_t point;
        const char* utf8;
    } lignes[] = {{U'a', "a"}, {0xE9, "é"}, {0x2518, "┘"}, {0x1F600, "\U0001F600"}};
    for (const auto& ligne : lignes) {
        std::string texte;
        pages::AjouterUtf8(texte, ligne.point);
        EXPECT_EQ(texte, ligne.utf8) << "U+" << std::hex << static_cast<unsigned>(ligne.point);
        std::size_t i = 0;
        char32_t relu = 0;
        EXPECT_TRUE(pages::LireUtf8(texte, i, relu));
        EXPECT_EQ(relu, ligne.point);
    }
}

} // namespace
