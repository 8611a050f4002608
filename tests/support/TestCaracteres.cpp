// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Caracteres.h"
#include "Chaines.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A routine with its name, for table rows.
#define ROUTINE(f) #f, f

const std::string kNul(1, '\0');
const std::string kE850 = "é"_cp850;
const std::string kE1252 = "é"_cp1252;

TEST(Tables, OctetsDesTablesEnPage850) {
    // The byte values are what the tables are about.
    const int maj[] = {0x80, 0x8F, 0x90, 0x9A, 0xB6, 0xB7, 0xD2,
                       0xD3, 0xD4, 0xD7, 0xD8, 0xE2, 0xEA};
    const int min[] = {0x87, 0x83, 0x82, 0x81, 0x83, 0x85, 0x88,
                       0x89, 0x8A, 0x8C, 0x8B, 0x93, 0x96};
    ASSERT_EQ(std::strlen(AccentsMaj), 13u);
    ASSERT_EQ(std::strlen(AccentsMin), 13u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(static_cast<Octet>(AccentsMaj[i]), maj[i]) << "row " << i;
        EXPECT_EQ(static_cast<Octet>(AccentsMin[i]), min[i]) << "row " << i;
    }
    EXPECT_STREQ(VoyellesMaj, "AIUEO");
    EXPECT_STREQ(VoyellesMin, "aiueo");
}

// Each class: how many of the 256 bytes it holds, some bytes in it, some not.
TEST(Classes, EffectifsEtOctetsRemarquables) {
    const struct {
        const char* nom;
        int (*test)(Octet);
        int effectif;
        std::string dans;
        std::string hors;
    } cas[] = {
        {ROUTINE(EstVoyelle), 10, "aO", "yY" + kE850 + kE1252 + kNul},
        {ROUTINE(EstConsonne), 67, "by" + kE850, "a-7" + kE1252},
        {ROUTINE(EstLettre), 77, "âê"_cp1252, "éèà"_cp1252 + std::string("å"_cp850)},
        {ROUTINE(EstSeparateur), 256 - 77 - 1, " \n5'\xFF" + kNul, "aZ-" + std::string("ç"_cp850)},
        {ROUTINE(EstMajusculeAscii), 26, "AZ", "az@["},
        {ROUTINE(EstMinusculeAscii), 26, "az", "AZ`{"},
        {ROUTINE(EstLettreAscii), 52, "aZ", "0" + kE850},
        {ROUTINE(EstChiffre), 10, "09", "/:"},
        {ROUTINE(EstAlphanumAscii), 62, "a0", kE850},
        {ROUTINE(EstParenthese), 2, "()", "[{"},
        {ROUTINE(EstAccolade), 2, "{}", "(["},
        {ROUTINE(EstCrochet), 2, "[]", "({"},
        {ROUTINE(EstMajusculeAccentuee), 13, "Å"_cp850, kE850 + kNul},
        {ROUTINE(EstMinusculeAccentuee), 12, kE850, "å"_cp850 + kNul},
        {ROUTINE(EstLettreAccentuee), 25, kE850, "a"},
        {ROUTINE(EstAlphanumAccentue), 25, kE850, "0"},
        {ROUTINE(EstMajuscule), 39, "ZÉ"_cp850, kE850},
        {ROUTINE(EstMinuscule), 38, "z"_cp850 + kE850, "É"_cp850},
        {ROUTINE(EstAlphanum), 87, "0" + kE850, "-"},
        {ROUTINE(EstImprimable), 256 - 32 - 2, " ~\x80\xFE", "\x1F\x7F\xFF" + kNul},
    };
    for (const auto& c : cas) {
        int n = 0;
        for (int octet = 0; octet < 256; ++octet) {
            const int r = c.test(static_cast<Octet>(octet));
            EXPECT_TRUE(r == 0 || r == 1) << c.nom << " byte " << octet;
            n += r;
        }
        EXPECT_EQ(n, c.effectif) << c.nom;
        for (const char octet : c.dans) {
            EXPECT_EQ(c.test(static_cast<Octet>(octet)), 1)
                << c.nom << " byte " << int(Octet(octet));
        }
        for (const char octet : c.hors) {
            EXPECT_EQ(c.test(static_cast<Octet>(octet)), 0)
                << c.nom << " byte " << int(Octet(octet));
        }
    }
    // Every letter has exactly one case; a separator is neither a letter nor "-".
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<Octet>(i);
        EXPECT_EQ(EstLettre(c), EstMajuscule(c) + EstMinuscule(c)) << "byte " << i;
        EXPECT_EQ(EstSeparateur(c), !EstLettre(c) && c != '-') << "byte " << i;
        EXPECT_EQ(EstConsonne(c), EstLettre(c) && !EstVoyelle(c)) << "byte " << i;
    }
}

TEST(Classes, TexteWindows1252LuAvecLesTables850) {
    for (const char octet : std::string("âêÔŒ€×"_cp1252)) {
        EXPECT_TRUE(EstConsonne(static_cast<Octet>(octet))) << int(Octet(octet));
    }
    for (const char octet : std::string("éèëàçîïôùûüÿœæÀÂÇÈÉÊËÎÏÙÛÜŸÆ"_cp1252)) {
        EXPECT_TRUE(EstSeparateur(static_cast<Octet>(octet))) << int(Octet(octet));
    }
}

TEST(Conversions, OctetsRemarquables) {
    const struct {
        const char* nom;
        Octet (*conversion)(Octet);
        std::string de;
        std::string vers;
    } cas[] = {
        {ROUTINE(EnMajuscule), "âéq1"_cp850, "ÅÉQ1"_cp850},
        {ROUTINE(EnMinuscule), "ÅÂéQq1"_cp850, "ââéqq1"_cp850},
        {ROUTINE(MajusculeAccentuee), "âé"_cp850, "ÅÉ"_cp850},
        {ROUTINE(MinusculeAccentuee), "ÂÉ"_cp850, "âé"_cp850},
        {ROUTINE(MajusculeAscii), "zZ5 ", "ZZ" + kNul + kNul},
        {ROUTINE(MinusculeAscii), "Aa5 ", "aa" + kNul + kNul},
    };
    for (const auto& c : cas) {
        ASSERT_EQ(c.de.size(), c.vers.size()) << c.nom;
        for (std::size_t i = 0; i < c.de.size(); ++i) {
            EXPECT_EQ(c.conversion(static_cast<Octet>(c.de[i])), static_cast<Octet>(c.vers[i]))
                << c.nom << " byte " << int(Octet(c.de[i]));
        }
    }
    for (int i = 0; i < 13; ++i) {
        const auto min = static_cast<Octet>(AccentsMin[i]);
        EXPECT_EQ(EnMinuscule(static_cast<Octet>(AccentsMaj[i])), min) << "row " << i;
        EXPECT_EQ(EnMinuscule(EnMajuscule(min)), min) << "row " << i;
    }
}

TEST(Conversions, OctetsHorsDesLettresEtLettresDejaDansLaCasseInchanges) {
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<Octet>(i);
        if (!EstLettre(c)) {
            EXPECT_EQ(EnMajuscule(c), c) << "byte " << i;
            EXPECT_EQ(EnMinuscule(c), c) << "byte " << i;
            EXPECT_EQ(MajusculeAccentuee(c) + MinusculeAccentuee(c), 0) << "byte " << i;
        }
        EXPECT_EQ(EstMinuscule(c) ? EnMinuscule(c) : c, c) << "byte " << i;
        EXPECT_EQ(EstMajuscule(c) ? EnMajuscule(c) : c, c) << "byte " << i;
    }
}

TEST(ChainesEtVoyelles, PositionsDesVoyellesEtCasse) {
    const struct {
        const char* chaine;
        Longueur premiere;
        Longueur derniere;
    } cas[] = {{"xyz", 0, 0}, {"arbre", 0, 4}, {"grand", 2, 2}, {"grande", 2, 5}, {"", 0, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(PosPremiereVoyelle(c.chaine), c.premiere) << c.chaine;
        EXPECT_EQ(PosDerniereVoyelle(c.chaine), c.derniere) << c.chaine;
    }
    EXPECT_EQ(PosPremiereVoyelle(nullptr), 0);
    std::string ete = "ÉTÉ"_cp850;
    ChaineEnMinuscules(ete.data());
    EXPECT_EQ(ete, "été"_cp850);
    std::string phrase = "Çà et là, 12 fois !"_cp850;
    ChaineEnMajuscules(phrase.data());
    EXPECT_EQ(phrase, "ÇÀ ET LÀ, 12 FOIS !"_cp850);
    ChaineEnMinuscules(phrase.data());
    EXPECT_EQ(phrase, "çà et là, 12 fois !"_cp850);
    ChaineEnMajuscules(nullptr);
}

} // namespace
