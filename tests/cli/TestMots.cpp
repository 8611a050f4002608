// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Preparation of the words: lower case, validation, Windows-1252.
#include <gtest/gtest.h>

#include "Mots.h"

namespace {

TEST(Minuscules, LettresDeWindows1252SeulementAutresInchangees) {
    // clang-format off
    const std::pair<char32_t, char32_t> table[] = {
        {U'A', U'a'}, {U'Z', U'z'}, {U'É', U'é'}, {U'À', U'à'}, {U'Þ', U'þ'}, {U'Œ', U'œ'},
        {U'Š', U'š'}, {U'Ž', U'ž'}, {U'Ÿ', U'ÿ'},
        {U'a', U'a'}, {U'é', U'é'}, {U'×', U'×'}, {U'ß', U'ß'}, {U'@', U'@'}, {U'[', U'['},
        {U'1', U'1'}, {U'Ŵ', U'Ŵ'}, {U'Ω', U'Ω'},
    };
    // clang-format on
    for (const auto& [point, attendu] : table) {
        EXPECT_EQ(cli::EnMinuscule(point), attendu) << "row U+" << std::hex << +point;
    }
}

TEST(PreparerMot, AccepteEnMinusculesWindows1252) {
    const std::pair<std::string, std::string> table[] = {
        {"Été", "\xE9t\xE9"},
        {"ŒIL", "\x9C"
                "il"},
        {"BLEU-VERT", "bleu-vert"},
        {"l'ami", "l'ami"},
        {std::string(1000, 'A'), std::string(1000, 'a')},
    };
    for (const auto& [mot, attendu] : table) {
        const cli::MotPrepare m = cli::PreparerMot(mot);
        EXPECT_TRUE(m.accepte) << "row " << mot << ": " << m.erreur;
        EXPECT_EQ(m.mot1252, attendu) << "row " << mot;
    }
}

TEST(PreparerMot, RefusesAvecLeurRaison) {
    const std::string invalide = "texte UTF-8 invalide";
    const std::string absent = " absent du jeu Windows-1252";
    // clang-format off
    const std::pair<std::string, std::string> table[] = {
        {"", "mot vide"},
        {"\xFF\xFE", invalide}, {"caf\xE9", invalide}, {"\xC3", invalide},
        {"\xC0\xAF", invalide},     // overlong
        {"\xED\xA0\x80", invalide}, // surrogate
        {std::string("pe\0tit", 6), "caractère de contrôle U+0000 refusé"},
        {"pe\ttit", "caractère de contrôle U+0009 refusé"},
        {"\x7F", "caractère de contrôle U+007F refusé"},
        {"\xC2\x81", "caractère de contrôle U+0081 refusé"},
        {"aŵ", "caractère « ŵ » (U+0175)" + absent},
        {"∑", "caractère « ∑ » (U+2211)" + absent},
        {"形容詞", "caractère « 形 » (U+5F62)" + absent},
        {"petit😀", "caractère « 😀 » (U+1F600)" + absent},
    };
    // clang-format on
    for (const auto& [mot, raison] : table) {
        const cli::MotPrepare m = cli::PreparerMot(mot);
        EXPECT_FALSE(m.accepte) << "row " << mot;
        EXPECT_EQ(m.erreur, raison) << "row " << mot;
    }
}

} // namespace
