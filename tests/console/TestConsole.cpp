// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Console prompts and key names, through a scripted console.
#include "Console.h"
#include "ConsoleScriptee.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const std::string kBanniere =
    "            Appuyez sur une touche pour continuer...                    ";
const std::string kFilet = std::string(40, '-') + std::string(32, ' ') + "\n\n\r";

std::string Pivote(std::string texte, std::size_t fois) {
    for (std::size_t i = 0; i < fois; ++i) {
        texte = texte.substr(1) + texte[0];
    }
    return texte;
}

// Runs one pause whose key arrives after `refus` polls and returns the
// frames it showed: what lies between "\n\r" and the closing rule, cut at each "\r".
std::vector<std::string> Pause(int refus) {
    ConsoleDeTest essai;
    essai.console.touches = {'x'};
    essai.console.refusAvantTouche = refus;
    AttendrePression();
    EXPECT_TRUE(essai.console.touches.empty()) << "the key is consumed";
    const std::string& sortie = essai.console.sortie;
    if (sortie.size() < 2 + kFilet.size()) {
        ADD_FAILURE() << "pause output too short: " << sortie;
        return {};
    }
    EXPECT_EQ(sortie.substr(0, 2), "\n\r");
    EXPECT_EQ(sortie.substr(sortie.size() - kFilet.size()), kFilet);
    EXPECT_EQ(essai.console.couleurs, (std::vector<std::pair<std::uint8_t, std::size_t>>{{11, 2}}))
        << "light cyan after the line break, before the banner";
    std::vector<std::string> images;
    std::size_t debut = 2;
    for (std::size_t fin = sortie.find('\r', debut); fin < sortie.size() - kFilet.size();
         fin = sortie.find('\r', debut)) {
        images.push_back(sortie.substr(debut, fin - debut));
        debut = fin + 1;
    }
    EXPECT_EQ(debut, sortie.size() - kFilet.size()) << "each frame ends with a carriage return";
    return images;
}

// One key decides; an extended key means no and leaves its scan code for the next read.
TEST(DemanderOuiNon, UneToucheDecideEtLaLigneEstFermee) {
    const struct {
        std::deque<std::uint8_t> touches;
        std::uint8_t reponse;
    } cas[] = {{{'o'}, 1}, {{'O'}, 1}, {{'n'}, 0},  {{'N'}, 0},   {{'y'}, 0},
               {{13}, 0},  {{27}, 0},  {{0xA2}, 0}, {{0, 72}, 0}, {{'o', 'n'}, 1}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        ConsoleDeTest essai;
        essai.console.touches = cas[i].touches;
        EXPECT_EQ(DemanderOuiNon(), cas[i].reponse) << "row " << i;
        EXPECT_EQ(essai.console.sortie, " (O/N)\n\r") << "row " << i;
        EXPECT_EQ(essai.console.touches,
                  std::deque<std::uint8_t>(cas[i].touches.begin() + 1, cas[i].touches.end()))
            << "row " << i << ": one key read";
    }
}

TEST(AnnoncerInterruption, AvisEnPage850) {
    ConsoleDeTest essai;
    AnnoncerInterruption();
    EXPECT_EQ(essai.console.sortie, "\nOpération Interrompue.\n\r"_cp850);
    ASSERT_EQ(essai.console.sortie.size(), 25u);
    EXPECT_EQ(static_cast<unsigned char>(essai.console.sortie[3]), 0x82) << "e acute in 850";
}

TEST(LireTouche, OrdinaireOuEtendue) {
    const struct {
        std::deque<std::uint8_t> touches;
        std::uint8_t retour;
        std::uint8_t code;
        std::size_t restantes;
    } cas[] = {{{0, 59}, 1, 59, 0}, {{'a', 'b'}, 0, 97, 1}, {{0, 80, 'z'}, 1, 80, 1}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        ConsoleDeTest essai;
        essai.console.touches = cas[i].touches;
        std::uint8_t code = 0;
        EXPECT_EQ(LireTouche(&code), cas[i].retour) << "row " << i;
        EXPECT_EQ(code, cas[i].code) << "row " << i;
        EXPECT_EQ(essai.console.touches.size(), cas[i].restantes) << "row " << i;
    }
    ConsoleDeTest essai;
    essai.console.touches = {0, 80, 'z'};
    EXPECT_EQ(LireTouche(nullptr), 1);
    EXPECT_EQ(essai.console.touches, std::deque<std::uint8_t>{'z'});
}

TEST(PivoterTexte, RotationAGaucheDesNPremiers) {
    const struct {
        const char* texte;
        std::int16_t n;
        const char* attendu;
    } cas[] = {{"abcd", 4, "bcda"},      {"abcd", 2, "bacd"}, {"abcdef", 3, "bcadef"},
               {"abcd", 1, "abcd"},      {"abcd", 0, "abcd"}, {"abcd", -1, "abcd"},
               {"abcd", -32768, "abcd"}, {"", 5, ""}};
    for (const auto& c : cas) {
        std::string texte = c.texte;
        PivoterTexte(texte.data(), c.n);
        EXPECT_EQ(texte, c.attendu) << c.texte << " n " << c.n;
    }
    // A count beyond the text stops at its terminator.
    char tampon[10] = {'a', 'b', 'c', 'd', '\0', 'x', 'y', 'z', 'w', '\0'};
    PivoterTexte(tampon, 9);
    EXPECT_EQ(std::string(tampon, 10), std::string("bcda\0xyzw\0", 10));
    PivoterTexte(nullptr, 4);
}

TEST(DefilerTexte, UneRotationParPasJusquAUneTouche) {
    const struct {
        std::string texte;
        std::deque<std::uint8_t> touches;
        int refus;
        std::uint8_t retour;
        std::string sortie;
        std::string apres;
        std::size_t restantes;
    } cas[] = {
        {"abcd", {'q'}, 3, 'q', "abcd\rbcda\rcdab\rdabc\r", "abcd", 0},
        // At least one step even when a key already waits.
        {"abcd", {' '}, 0, ' ', "abcd\r", "bcda", 0},
        // An extended key gives its first code only.
        {"xy", {0, 68}, 0, 0, "xy\r", "yx", 1},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        ConsoleDeTest essai;
        essai.console.touches = cas[i].touches;
        essai.console.refusAvantTouche = cas[i].refus;
        std::string texte = cas[i].texte;
        EXPECT_EQ(DefilerTexte(texte.data()), cas[i].retour) << "row " << i;
        EXPECT_EQ(essai.console.sortie, cas[i].sortie) << "row " << i;
        EXPECT_EQ(texte, cas[i].apres) << "row " << i;
        EXPECT_EQ(essai.console.touches.size(), cas[i].restantes) << "row " << i;
    }
    ConsoleDeTest essai;
    essai.console.touches = {'a'};
    essai.console.refusAvantTouche = 2;
    EXPECT_EQ(DefilerTexte(nullptr), 'a');
    EXPECT_EQ(essai.console.sortie, "\r\r\r");
}

TEST(AttendrePression, LaPauseSuivanteReprendOuLaPrecedenteSArrete) {
    const std::vector<std::string> premiere = Pause(4);
    ASSERT_EQ(premiere.size(), 5u);
    bool banniere = false;
    for (std::size_t k = 0; k < kBanniere.size(); ++k) {
        banniere = banniere || premiere[0] == Pivote(kBanniere, k);
    }
    EXPECT_TRUE(banniere) << premiere[0];
    for (std::size_t k = 1; k < premiere.size(); ++k) {
        EXPECT_EQ(premiere[k], Pivote(premiere[0], k));
    }
    const std::vector<std::string> seconde = Pause(0);
    ASSERT_EQ(seconde.size(), 1u);
    EXPECT_EQ(seconde[0], Pivote(premiere.back(), 1));
    // A full turn of 72 steps brings the banner back to where it was.
    const std::vector<std::string> tour = Pause(71);
    ASSERT_EQ(tour.size(), 72u);
    EXPECT_EQ(Pause(0), std::vector<std::string>{tour[0]});
}

TEST(NomTouche, NomsDeToutesLesTouchesEtErreurSinon) {
    std::map<int, std::string> noms = {
        {0, ""},       {8, "BACKSP"}, {9, "TAB"},       {15, "SFT TAB"},  {27, "ESC"},
        {32, "ESP"},   {42, "*"},     {43, "+"},        {45, "-"},        {46, "."},
        {47, "/"},     {68, "F10"},   {71, "HOME"},     {72, "FLC HAUT"}, {73, "PGE HAUT"},
        {75, "<-"},    {77, "->"},    {79, "FIN"},      {80, "FLC BAS"},  {81, "PGE BAS"},
        {82, "INSER"}, {83, "SUPPR"}, {13, "<┘"_cp850},
    };
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
        noms[48 + chiffre] = std::string(1, static_cast<char>('0' + chiffre));
    }
    for (int f = 1; f <= 9; ++f) {
        noms[58 + f] = "F" + std::to_string(f);
    }
    for (int code = 0; code < 256; ++code) {
        const char* nom = NomTouche(static_cast<std::uint8_t>(code));
        ASSERT_NE(nom, nullptr);
        EXPECT_EQ(nom, noms.count(code) ? noms[code] : "ERREUR!") << "code " << code;
    }
    // The return arrow: "<" and the code page 850 corner.
    EXPECT_EQ(std::string(NomTouche(13)), "\x3C\xD9");
    // The byte alone decides: letters share the names of scan codes.
    EXPECT_STREQ(NomTouche('H'), "FLC HAUT");
    EXPECT_STREQ(NomTouche(';'), "F1");
}

} // namespace
