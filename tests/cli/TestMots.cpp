// Preparation of the words: trimming, lower case, validation, Windows-1252.
#include <gtest/gtest.h>

#include "Mots.h"

namespace {

using cli::EnMinuscule;
using cli::PreparerMot;
using cli::Rogner;

TEST(Rogner, BlancsAutourSeulement) {
    EXPECT_EQ(Rogner("  belle\t\r\n"), "belle");
    EXPECT_EQ(Rogner("bleu clair"), "bleu clair");
    EXPECT_EQ(Rogner(" \t\r\n"), "");
    EXPECT_EQ(Rogner(""), "");
}

TEST(Minuscules, LettresDeWindows1252) {
    EXPECT_EQ(EnMinuscule(U'A'), U'a');
    EXPECT_EQ(EnMinuscule(U'Z'), U'z');
    EXPECT_EQ(EnMinuscule(U'É'), U'é');
    EXPECT_EQ(EnMinuscule(U'À'), U'à');
    EXPECT_EQ(EnMinuscule(U'Þ'), U'þ');
    EXPECT_EQ(EnMinuscule(U'Œ'), U'œ');
    EXPECT_EQ(EnMinuscule(U'Š'), U'š');
    EXPECT_EQ(EnMinuscule(U'Ž'), U'ž');
    EXPECT_EQ(EnMinuscule(U'Ÿ'), U'ÿ');
}

TEST(Minuscules, AutresCaracteresInchanges) {
    for (char32_t c : {U'a', U'é', U'×', U'ß', U'-', U'1', U'@', U'[', U'ŵ', U'Ω', U'€'}) {
        EXPECT_EQ(EnMinuscule(c), c) << static_cast<unsigned>(c);
    }
}

TEST(PreparerMot, MinusculesPuisWindows1252) {
    const cli::MotPrepare m = PreparerMot("Été");
    ASSERT_TRUE(m.accepte) << m.erreur;
    EXPECT_EQ(m.mot1252, "\xE9t\xE9");
    EXPECT_EQ(PreparerMot("ŒIL").mot1252, "\x9Cil");
    EXPECT_EQ(PreparerMot("BLEU-VERT").mot1252, "bleu-vert");
    EXPECT_TRUE(PreparerMot("l'ami").accepte);
}

TEST(PreparerMot, Utf8InvalideRefuse) {
    for (const std::string& mot :
         {std::string("\xFF\xFE"), std::string("caf\xE9"), std::string("\xC3"),
          std::string("\xC0\xAF"), std::string("\xED\xA0\x80")}) {
        const cli::MotPrepare m = PreparerMot(mot);
        EXPECT_FALSE(m.accepte);
        EXPECT_EQ(m.erreur, "texte UTF-8 invalide");
    }
}

TEST(PreparerMot, CaractereHorsWindows1252Refuse) {
    for (const char* mot : {"ŵ", "∑", "形容詞", "petit😀"}) {
        const cli::MotPrepare m = PreparerMot(mot);
        EXPECT_FALSE(m.accepte) << mot;
        EXPECT_NE(m.erreur.find("absent du jeu Windows-1252"), std::string::npos) << mot;
    }
    EXPECT_NE(PreparerMot("aŵ").erreur.find("« ŵ » (U+0175)"), std::string::npos);
}

TEST(PreparerMot, ControleEtMotVideRefuses) {
    EXPECT_FALSE(PreparerMot(std::string("pe\0tit", 6)).accepte);
    EXPECT_FALSE(PreparerMot("pe\ttit").accepte);
    EXPECT_FALSE(PreparerMot("\x7F").accepte);
    EXPECT_FALSE(PreparerMot("\xC2\x81").accepte); // a C1 control
    EXPECT_EQ(PreparerMot("").erreur, "mot vide");
}

TEST(PreparerMot, MotTresLongAccepteEntier) {
    const std::string long1000(1000, 'A');
    const cli::MotPrepare m = PreparerMot(long1000);
    ASSERT_TRUE(m.accepte);
    EXPECT_EQ(m.mot1252, std::string(1000, 'a'));
}

} // namespace
