#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Octet(int valeur) {
    return std::string(1, static_cast<char>(valeur));
}

// The 25 accented letters of the character tables, in UTF-8.
const char* const kLettresAccentuees = "ÇÅÉÜÂÀÊËÈÎÏÔÛçâéüàêëèîïôû";

static_assert(pages::kTexte850<"é">[0] == static_cast<char>(0x82));
static_assert(pages::kTexte1252<"é">[0] == static_cast<char>(0xE9));
static_assert(pages::kTexte850<"abc">.size() == 4, "one byte per character and a NUL");

TEST(PagesDeCode, LitterauxDonnentLesOctetsDeChaquePage) {
    EXPECT_EQ(std::string("Opération"_cp850), "Op" + Octet(0x82) + "ration");
    EXPECT_EQ(std::string("ère"_cp1252), Octet(0xE8) + "re");
    EXPECT_EQ(std::string("chaîne"_cp850), "cha" + Octet(0x8C) + "ne");
    EXPECT_EQ(std::string("€"_cp1252), Octet(0x80));
}

TEST(PagesDeCode, Cp1252AllerRetourSurLes256Octets) {
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = pages::Cp1252VersUtf8(Octet(b));
        const pages::Conversion1252 retour = pages::Utf8VersCp1252(utf8);
        EXPECT_TRUE(retour.utf8Valide) << b;
        EXPECT_TRUE(retour.representable) << b;
        EXPECT_EQ(retour.texte, Octet(b)) << b;
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
        EXPECT_EQ(pages::Cp1252VersCp850(vers1252), static_cast<char>(b)) << b;
        EXPECT_EQ(pages::Cp850VersUtf8(Octet(b)), pages::Cp1252VersUtf8(std::string(1, vers1252)))
            << b;
    }
    // Box-drawing and a few symbols of 850 have no place in 1252.
    EXPECT_GT(communs, 128);
    EXPECT_LT(communs, 256);
}

TEST(PagesDeCode, LesVingtCinqLettresAccentueesExistentDansLesDeuxPages) {
    const std::string en850 = "ÇÅÉÜÂÀÊËÈÎÏÔÛçâéüàêëèîïôû"_cp850;
    const std::string en1252 = "ÇÅÉÜÂÀÊËÈÎÏÔÛçâéüàêëèîïôû"_cp1252;
    ASSERT_EQ(en850.size(), 25u);
    ASSERT_EQ(en1252.size(), 25u);
    for (std::size_t i = 0; i < en850.size(); ++i) {
        EXPECT_EQ(pages::Cp850VersCp1252(en850[i]), en1252[i]) << i;
        EXPECT_EQ(pages::Cp1252VersCp850(en1252[i]), en850[i]) << i;
    }
    EXPECT_EQ(pages::Cp850VersUtf8(en850), kLettresAccentuees);
    EXPECT_EQ(pages::Cp1252VersUtf8(en1252), kLettresAccentuees);
    EXPECT_EQ(pages::Utf8VersCp1252(kLettresAccentuees).texte, en1252);
}

TEST(PagesDeCode, CaractereAbsentDe1252EstRemplaceEtSignale) {
    const pages::Conversion1252 r = pages::Utf8VersCp1252("a\u0100b\u2713", '#');
    EXPECT_TRUE(r.utf8Valide);
    EXPECT_FALSE(r.representable);
    EXPECT_EQ(r.texte, "a#b#");
    // Box drawing exists in 850 only.
    EXPECT_EQ(pages::Cp850VersCp1252(static_cast<char>(0xC9), '#'), '#');
    // The euro sign exists in 1252 only.
    EXPECT_EQ(pages::Cp1252VersCp850(static_cast<char>(0x80), '#'), '#');
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
    for (const char* texte : invalides) {
        const pages::Conversion1252 r = pages::Utf8VersCp1252(texte, '?');
        EXPECT_FALSE(r.utf8Valide) << texte;
        EXPECT_NE(r.texte.find('?'), std::string::npos) << texte;
    }
    // A valid tail after a malformed byte still comes through.
    EXPECT_EQ(pages::Utf8VersCp1252("\xC3z\xC3\xA9").texte, "?z" + Octet(0xE9));
}

TEST(PagesDeCode, TexteVideEtAscii) {
    EXPECT_EQ(pages::Cp850VersUtf8(""), "");
    EXPECT_EQ(pages::Utf8VersCp1252("").texte, "");
    EXPECT_EQ(pages::Cp850VersUtf8("Merci !"), "Merci !");
    EXPECT_EQ(pages::Utf8VersCp1252("Merci !").texte, "Merci !");
}

} // namespace
