#include "Caracteres.h"
#include "Chaines.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>

namespace {

Octet O(const char* texte) {
    return static_cast<Octet>(texte[0]);
}

int Compter(const std::function<int(Octet)>& test) {
    int n = 0;
    for (int c = 0; c < 256; ++c) {
        n += test(static_cast<Octet>(c)) ? 1 : 0;
    }
    return n;
}

TEST(Tables, OctetsDesTablesEnPage850) {
    // The byte values are what the tables are about.
    const int maj[] = {0x80, 0x8F, 0x90, 0x9A, 0xB6, 0xB7, 0xD2,
                       0xD3, 0xD4, 0xD7, 0xD8, 0xE2, 0xEA};
    const int min[] = {0x87, 0x83, 0x82, 0x81, 0x83, 0x85, 0x88,
                       0x89, 0x8A, 0x8C, 0x8B, 0x93, 0x96};
    ASSERT_EQ(std::strlen(AccentsMaj), 13u);
    ASSERT_EQ(std::strlen(AccentsMin), 13u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(static_cast<Octet>(AccentsMaj[i]), maj[i]) << i;
        EXPECT_EQ(static_cast<Octet>(AccentsMin[i]), min[i]) << i;
    }
    EXPECT_STREQ(VoyellesMaj, "AIUEO");
    EXPECT_STREQ(VoyellesMin, "aiueo");
    const std::set<char> majuscules(AccentsMaj, AccentsMaj + 13);
    const std::set<char> minuscules(AccentsMin, AccentsMin + 13);
    EXPECT_EQ(majuscules.size(), 13u);
    EXPECT_EQ(minuscules.size(), 12u);
    for (char c : majuscules) {
        EXPECT_EQ(minuscules.count(c), 0u);
    }
}

TEST(Classes, EffectifsSurLes256Octets) {
    EXPECT_EQ(Compter(EstVoyelle), 10);
    EXPECT_EQ(Compter(EstLettre), 77);
    EXPECT_EQ(Compter(EstConsonne), 67);
    EXPECT_EQ(Compter(EstLettreAccentuee), 25);
    EXPECT_EQ(Compter(EstAlphanumAccentue), 25);
    EXPECT_EQ(Compter(EstMajusculeAccentuee), 13);
    EXPECT_EQ(Compter(EstMinusculeAccentuee), 12);
    EXPECT_EQ(Compter(EstLettreAscii), 52);
    EXPECT_EQ(Compter(EstMajusculeAscii), 26);
    EXPECT_EQ(Compter(EstMinusculeAscii), 26);
    EXPECT_EQ(Compter(EstChiffre), 10);
    EXPECT_EQ(Compter(EstAlphanumAscii), 62);
    EXPECT_EQ(Compter(EstAlphanum), 87);
    EXPECT_EQ(Compter(EstMajuscule), 39);
    EXPECT_EQ(Compter(EstMinuscule), 38);
    EXPECT_EQ(Compter(EstSeparateur), 256 - 77 - 1);
    EXPECT_EQ(Compter(EstImprimable), 256 - 32 - 2);
    EXPECT_EQ(Compter(EstParenthese), 2);
    EXPECT_EQ(Compter(EstAccolade), 2);
    EXPECT_EQ(Compter(EstCrochet), 2);
}

TEST(Classes, CompositionDesClasses) {
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<Octet>(i);
        EXPECT_EQ(EstConsonne(c), EstLettre(c) && !EstVoyelle(c)) << i;
        EXPECT_EQ(EstSeparateur(c), !EstLettre(c) && c != '-') << i;
        EXPECT_EQ(EstLettre(c), EstMajuscule(c) || EstMinuscule(c)) << i;
        EXPECT_FALSE(EstMajuscule(c) && EstMinuscule(c)) << i;
        if (EstVoyelle(c)) {
            EXPECT_TRUE(std::strchr("aiueoAIUEO", c) != nullptr) << i;
        }
    }
}

TEST(Classes, Voyelles) {
    EXPECT_TRUE(EstVoyelle('a'));
    EXPECT_TRUE(EstVoyelle('O'));
    EXPECT_FALSE(EstVoyelle('y'));
    EXPECT_FALSE(EstVoyelle('Y'));
    EXPECT_FALSE(EstVoyelle(O("é"_cp850)));
    EXPECT_FALSE(EstVoyelle(O("é"_cp1252)));
    EXPECT_FALSE(EstVoyelle(0));
}

TEST(Classes, Consonnes) {
    EXPECT_TRUE(EstConsonne('b'));
    EXPECT_TRUE(EstConsonne('y'));
    EXPECT_TRUE(EstConsonne(O("é"_cp850)));
    EXPECT_TRUE(EstConsonne(O("à"_cp850)));
    EXPECT_FALSE(EstConsonne('a'));
    EXPECT_FALSE(EstConsonne('-'));
    EXPECT_FALSE(EstConsonne('7'));
    EXPECT_FALSE(EstConsonne(O("é"_cp1252)));
}

TEST(Classes, LettresEtSeparateurs) {
    EXPECT_TRUE(EstLettre(0xE2));
    EXPECT_TRUE(EstLettre(0xEA));
    EXPECT_FALSE(EstLettre(0xE9));
    EXPECT_FALSE(EstLettre(0xE8));
    EXPECT_FALSE(EstLettre(0xE0));
    EXPECT_FALSE(EstSeparateur('a'));
    EXPECT_FALSE(EstSeparateur('Z'));
    EXPECT_FALSE(EstSeparateur(O("ç"_cp850)));
    EXPECT_FALSE(EstSeparateur('-'));
    for (Octet c :
         {Octet(' '), Octet('\n'), Octet('\t'), Octet('5'), Octet('\''), Octet(0), Octet(0xFF)}) {
        EXPECT_TRUE(EstSeparateur(c)) << int(c);
    }
}

TEST(Classes, TexteWindows1252LuAvecLesTables850) {
    // Of the French lower-case letters in 1252, only â and ê are letters.
    for (const char* lettre : {"â", "ê"}) {
        EXPECT_TRUE(EstConsonne(O(pages::Utf8VersCp1252(lettre).texte.c_str()))) << lettre;
    }
    for (const char* lettre :
         {"é", "è", "ë", "à", "ç", "î", "ï", "ô", "ù", "û", "ü", "ÿ", "œ", "æ"}) {
        const Octet c = O(pages::Utf8VersCp1252(lettre).texte.c_str());
        EXPECT_FALSE(EstLettre(c)) << lettre;
        EXPECT_TRUE(EstSeparateur(c)) << lettre;
    }
    // Of the upper-case ones, only Ô and Œ are letters.
    EXPECT_TRUE(EstLettre(O("Ô"_cp1252)));
    EXPECT_TRUE(EstLettre(O("Œ"_cp1252)));
    for (const char* lettre :
         {"À", "Â", "Ç", "È", "É", "Ê", "Ë", "Î", "Ï", "Ù", "Û", "Ü", "Ÿ", "Æ"}) {
        EXPECT_FALSE(EstLettre(O(pages::Utf8VersCp1252(lettre).texte.c_str()))) << lettre;
    }
    EXPECT_TRUE(EstLettre(O("€"_cp1252)));
    EXPECT_TRUE(EstLettre(O("×"_cp1252)));
}

TEST(Classes, AccentueesEtPetitesClasses) {
    EXPECT_FALSE(EstMinusculeAccentuee(O("å"_cp850)));
    EXPECT_FALSE(EstLettre(O("å"_cp850)));
    EXPECT_TRUE(EstMajusculeAccentuee(O("Å"_cp850)));
    EXPECT_FALSE(EstMajusculeAccentuee(O("é"_cp850)));
    EXPECT_FALSE(EstMinusculeAccentuee(0));
    EXPECT_FALSE(EstMajusculeAccentuee(0));
    EXPECT_TRUE(EstParenthese('(') && EstParenthese(')'));
    EXPECT_TRUE(EstAccolade('{') && EstAccolade('}'));
    EXPECT_TRUE(EstCrochet('[') && EstCrochet(']'));
    EXPECT_FALSE(EstParenthese('[') || EstAccolade('(') || EstCrochet('{'));
    EXPECT_TRUE(EstChiffre('0') && EstChiffre('9'));
    EXPECT_FALSE(EstChiffre('/') || EstChiffre(':'));
}

TEST(Classes, Imprimables) {
    for (Octet c : {Octet(0x20), Octet(0x7E), Octet(0x80), Octet(0xFE)}) {
        EXPECT_TRUE(EstImprimable(c)) << int(c);
    }
    for (Octet c : {Octet(0x1F), Octet(0x7F), Octet(0xFF), Octet(0)}) {
        EXPECT_FALSE(EstImprimable(c)) << int(c);
    }
}

TEST(Conversions, PairesDesTablesAccentuees) {
    EXPECT_EQ(EnMajuscule(O("â"_cp850)), O("Å"_cp850));
    EXPECT_EQ(EnMinuscule(O("Å"_cp850)), O("â"_cp850));
    EXPECT_EQ(EnMinuscule(O("Â"_cp850)), O("â"_cp850));
    EXPECT_EQ(EnMajuscule(O("é"_cp850)), O("É"_cp850));
    EXPECT_EQ(MajusculeAccentuee(O("â"_cp850)), O("Å"_cp850));
    for (int i = 0; i < 13; ++i) {
        const auto maj = static_cast<Octet>(AccentsMaj[i]);
        const auto min = static_cast<Octet>(AccentsMin[i]);
        EXPECT_EQ(EnMinuscule(maj), min) << i;
        EXPECT_EQ(MinusculeAccentuee(maj), min) << i;
        // Back to upper case gives the first partner of the lower-case byte.
        EXPECT_EQ(EnMinuscule(EnMajuscule(min)), min) << i;
        EXPECT_TRUE(EstMajusculeAccentuee(EnMajuscule(min))) << i;
    }
}

TEST(Conversions, OctetsHorsDesLettresInchanges) {
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<Octet>(i);
        if (!EstLettre(c)) {
            EXPECT_EQ(EnMajuscule(c), c) << i;
            EXPECT_EQ(EnMinuscule(c), c) << i;
            EXPECT_EQ(MajusculeAccentuee(c), 0) << i;
            EXPECT_EQ(MinusculeAccentuee(c), 0) << i;
        }
        if (EstMinuscule(c)) {
            EXPECT_EQ(EnMinuscule(c), c) << i;
        }
        if (EstMajuscule(c)) {
            EXPECT_EQ(EnMajuscule(c), c) << i;
        }
    }
}

TEST(Conversions, Ascii) {
    EXPECT_EQ(EnMajuscule('q'), 'Q');
    EXPECT_EQ(EnMinuscule('Q'), 'q');
    EXPECT_EQ(MajusculeAscii('z'), 'Z');
    EXPECT_EQ(MajusculeAscii('Z'), 'Z');
    EXPECT_EQ(MinusculeAscii('A'), 'a');
    EXPECT_EQ(MinusculeAscii('a'), 'a');
    for (Octet c : {Octet('5'), Octet(' '), Octet(0), Octet(O("é"_cp850))}) {
        EXPECT_EQ(MajusculeAscii(c), 0) << int(c);
        EXPECT_EQ(MinusculeAscii(c), 0) << int(c);
    }
}

TEST(ChainesEtVoyelles, PositionsDesVoyelles) {
    EXPECT_EQ(PosPremiereVoyelle("xyz"), 0);
    EXPECT_EQ(PosPremiereVoyelle("arbre"), 0);
    EXPECT_EQ(PosPremiereVoyelle("grand"), 2);
    EXPECT_EQ(PosPremiereVoyelle(""), 0);
    EXPECT_EQ(PosDerniereVoyelle("grande"), 5);
    EXPECT_EQ(PosDerniereVoyelle("grand"), 2);
    EXPECT_EQ(PosDerniereVoyelle("xyz"), 0);
    EXPECT_EQ(PosDerniereVoyelle(""), 0);
    EXPECT_EQ(PosPremiereVoyelle(nullptr), 0);
}

TEST(ChainesEtVoyelles, CasseDesChaines) {
    char ete[8];
    std::strcpy(ete, "ÉTÉ"_cp850);
    ChaineEnMinuscules(ete);
    EXPECT_STREQ(ete, "été"_cp850);
    char phrase[32];
    std::strcpy(phrase, "Çà et là, 12 fois !"_cp850);
    ChaineEnMajuscules(phrase);
    EXPECT_STREQ(phrase, "ÇÀ ET LÀ, 12 FOIS !"_cp850);
    ChaineEnMinuscules(phrase);
    EXPECT_STREQ(phrase, "çà et là, 12 fois !"_cp850);
    ChaineEnMajuscules(nullptr);
}

} // namespace
