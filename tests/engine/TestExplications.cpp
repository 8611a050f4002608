// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The explanation texts and the bounded writes into the explanation buffer.
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "Explications.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"

namespace {

using namespace explication;

TEST(Explications, LongueurEtFinDesVingtQuatreTextes) {
    const struct {
        const char* nom;
        const char* texte;
        std::size_t longueur;
    } table[] = {
        {"N1", N1, 176},   {"N2", N2, 187},   {"N3", N3, 43},    {"N4", N4, 105},
        {"N5", N5, 101},   {"N6", N6, 143},   {"N7", N7, 148},   {"N8", N8, 83},
        {"G1", G1, 58},    {"G2", G2, 54},    {"G3", G3, 222},   {"G4", G4, 270},
        {"G5", G5, 161},   {"G6", G6, 171},   {"G7", G7, 214},   {"G8", G8, 78},
        {"G9", G9, 166},   {"G10", G10, 157}, {"G11", G11, 160}, {"G12", G12, 140},
        {"G13", G13, 142}, {"G14", G14, 142}, {"G15", G15, 157}, {"G16", G16, 202},
    };
    for (const auto& t : table) {
        const std::string texte = t.texte;
        EXPECT_EQ(texte.size(), t.longueur) << "row " << t.nom;
        // Every text ends its line, except G3.
        EXPECT_EQ(texte.back(), t.texte == G3 ? '.' : '\n') << "row " << t.nom;
    }
}

TEST(BufferExplication, EcritureRemplaceAjoutCompleteSansDebordement) {
    EcrireExplication("abc");
    AjouterExplication("de");
    EXPECT_STREQ(BufExplication, "abcde");
    EcrireExplication("x");
    AjouterExplication(nullptr);
    EXPECT_STREQ(BufExplication, "x");

    EcrireExplication(std::string(1000, 'a').c_str());
    AjouterExplication("bcd");
    EXPECT_EQ(std::string(BufExplication), std::string(TAILLE_EXPLICATION - 1, 'a'));
}

TEST_F(SansLexiques, LaPlusLongueExplicationTientEntiere) {
    Remplir(ListeG, {{"laide", "laid"}});
    const Resultat r = Analyser("laide");
    EXPECT_EQ(r.explication.size(), 353u);
    EXPECT_EQ(r.explication, std::string(N8) + G4);
}

} // namespace
