// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChVar.h"
#include "Chaines.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

TEST(FinitPar, SuffixesEtMots) {
    const struct {
        const char* suffixe;
        const char* mot;
        int attendu;
    } cas[] = {{"s", "gris", 1},
               {"gris", "gris", 1},
               {"eaux", "eau", 0},
               {"", "gris", 1},
               {"", "", 1},
               {"e", "", 0},
               {"E", "grande", 0},
               {"ande", "grande", 1},
               {"xnde", "grande", 0},
               {"ère"_cp1252, "fière"_cp1252, 1},
               {"ère"_cp850, "fière"_cp1252, 0}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        EXPECT_EQ(FinitPar(cas[i].suffixe, cas[i].mot), cas[i].attendu) << "row " << i;
    }
}

// TronquerSuffixe when `remplacement` is null, RemplacerSuffixe otherwise. A
// suffix longer than the word is reported and cuts nothing.
TEST(Suffixes, CouperEtRemplacer) {
    const struct {
        const char* suffixe;
        const char* remplacement;
        const char* mot;
        const char* attendu;
        std::size_t rapports;
    } cas[] = {{"se", nullptr, "heureuse", "heureu", 0},
               {"ab", nullptr, "xyz", "x", 0},
               {"e", nullptr, "e", "", 0},
               {"se", "x", "heureuse", "heureux", 0},
               {"aux", "al", "normaux", "normal", 0},
               {"xyz", nullptr, "ab", "ab", 1},
               {"xyz", "c", "ab", "abc", 1}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        Enregistreur e;
        char mot[51];
        std::strcpy(mot, cas[i].mot);
        if (cas[i].remplacement == nullptr) {
            TronquerSuffixe(cas[i].suffixe, mot);
        } else {
            EXPECT_EQ(RemplacerSuffixe(cas[i].suffixe, cas[i].remplacement, mot), mot);
        }
        EXPECT_STREQ(mot, cas[i].attendu);
        e.Attendre(cas[i].rapports, "Le suffixe est plus grand que le mot !", "CHAINES",
                   "TronquerSuffixe");
    }
}

// The capacity-checked copies: on a failed check the destination is left
// as it was and the routine reports under its own name.
TEST(CopiesControlees, CapacitesEtRapports) {
    const std::string trop = "La chaîne de destination est trop courte"_cp850;
    const std::string catTrop = "InitCat - " + trop;
    const struct {
        const char* fonction;
        std::function<void(char*)> appel;
        const char* avant;
        const char* apres;
        std::string rapport; // empty: none
    } cas[] = {
        {"StrCat", [](char* d) { StrCat(d, "defg", 8); }, "abc", "abcdefg", ""}, // fits exactly
        {"StrCat", [](char* d) { StrCat(d, "defgh", 8); }, "abc", "abc", trop},
        {"InitCopieChaine", [](char* d) { InitCopieChaine(d, 4, "abc"); }, "zz", "abc", ""},
        {"InitCopieChaine", [](char* d) { InitCopieChaine(d, 4, "abcd"); }, "zz", "zz", trop},
        {"InitCopieChaine", [](char* d) { InitCopieChaine(d, 4, ""); }, "abc", "", ""},
        {"InitCopieChaine", [](char* d) { InitCopieChaine(d, 0, ""); }, "q", "q", trop},
        {"InitCat", [](char* d) { InitCat(d, 8, "abc", "defg"); }, "zz", "abcdefg", ""},
        {"InitCat", [](char* d) { InitCat(d, 8, "", "xy"); }, "zz", "xy", ""},
        {"InitCat", [](char* d) { InitCat(d, 8, "uv", ""); }, "zz", "uv", ""},
        {"InitCat", [](char* d) { InitCat(d, 8, "", ""); }, "zz", "", ""},
        {"InitCat", [](char* d) { InitCat(d, 8, "abcd", "efgh"); }, "avant", "avant", catTrop},
        {"InitCat", [](char* d) { InitCat(d, 8, d, "def"); }, "abc", "abcdef", ""},
        {"InitCat", [](char* d) { InitCat(d, 8, "xy", d); }, "abc", "xyabc", ""}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        Enregistreur e;
        char tampon[16] = {};
        std::strcpy(tampon, cas[i].avant);
        cas[i].appel(tampon);
        EXPECT_STREQ(tampon, cas[i].apres);
        e.Attendre(cas[i].rapport.empty() ? 0 : 1, cas[i].rapport, "CHAINES", cas[i].fonction);
    }
}

TEST(CopiesControlees, EchangeChaine) {
    Enregistreur e;
    char a[4] = {'a', '\0', 'X', 'X'};
    char b[4] = "abc";
    EchangeChaine(a, 2, b, 4); // the first array cannot hold "abc"
    EXPECT_EQ(std::string(a, 4), std::string("a\0XX", 4));
    EXPECT_STREQ(b, "abc");
    e.Attendre(1, "EchangeChaine - Un des tableaux de destination est trop court.", "CHAINES",
               "EchangeChaine");
    // Bytes 0 to 3 travel, both terminators included.
    EchangeChaine(a, 4, b, 4);
    EXPECT_EQ(std::string(a, 4), std::string("abc\0", 4));
    EXPECT_EQ(std::string(b, 4), std::string("a\0XX", 4));
    EXPECT_EQ(e.Nombre(), 1u);
}

TEST(EgaliteN, ComparaisonDeNOctets) {
    EXPECT_EQ(EgaliteN("abcX", "abcY", 3), 1);
    EXPECT_EQ(EgaliteN("abcX", "abcY", 4), 0);
    EXPECT_EQ(EgaliteN("ab", "ab", 3), 1); // the terminator is compared too
    EXPECT_EQ(EgaliteN("ab", "abc", 3), 0);
    EXPECT_EQ(EgaliteN(nullptr, "b", 0), 1);
}

TEST(ChVar, CopiesEgaliteEtAffichage) {
    char source[] = "normal";
    char* copie = AllocChVar(source);
    ASSERT_NE(copie, nullptr);
    source[0] = 'X';
    EXPECT_STREQ(copie, "normal");
    LibererChVar(copie);
    char* vide = AllocChVar("");
    ASSERT_NE(vide, nullptr);
    EXPECT_EQ(vide[0], '\0');
    LibererChVar(vide);
    LibererChVar(nullptr);
    EXPECT_EQ(AllocChVar(nullptr), nullptr);
    EXPECT_EQ(EgalesChVar("gris", "gris") + EgalesChVar("", ""), 2);
    EXPECT_EQ(EgalesChVar("gris", "grise") + EgalesChVar("gris", "Gris"), 0);
    EXPECT_EQ(EgalesChVar(nullptr, "gris") + EgalesChVar("gris", nullptr), 0);
    testing::internal::CaptureStdout();
    AfficherChVar("gris");
    AfficherChVar(nullptr);
    AfficherChVar("%s");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "gris%s");
}

TEST(ChVar, MemoireSatureeSignaleeEtPointeurNul) {
    Enregistreur e;
    AllocateurDefaillant echec(0);
    EXPECT_EQ(AllocChVar("mot"), nullptr);
    e.Attendre(1, "Mémoire saturée ! Impossible de créer une chaîne variable."_cp850, "CHVAR",
               "AllocChVar");
}

} // namespace
