// Console prompts and key names, through a scripted console.
#include "Console.h"
#include "ConsoleScriptee.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

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

// Frames shown by one pause: what lies between "\n\r" and the closing rule, cut at each "\r".
std::vector<std::string> ImagesDeLaPause(const std::string& sortie) {
    EXPECT_EQ(sortie.substr(0, 2), "\n\r");
    EXPECT_GE(sortie.size(), 2 + kFilet.size());
    EXPECT_EQ(sortie.substr(sortie.size() - kFilet.size()), kFilet);
    const std::string defilement = sortie.substr(2, sortie.size() - 2 - kFilet.size());
    std::vector<std::string> images;
    std::size_t debut = 0;
    for (std::size_t fin = defilement.find('\r'); fin != std::string::npos;
         fin = defilement.find('\r', debut)) {
        images.push_back(defilement.substr(debut, fin - debut));
        debut = fin + 1;
    }
    EXPECT_EQ(debut, defilement.size()) << "each frame ends with a carriage return";
    return images;
}

// Runs one pause whose key arrives after `refus` polls; returns its frames.
std::vector<std::string> Pause(int refus) {
    ConsoleDeTest essai;
    essai.console.touches = {'x'};
    essai.console.refusAvantTouche = refus;
    AttendrePression();
    EXPECT_TRUE(essai.console.touches.empty()) << "the key is consumed";
    return ImagesDeLaPause(essai.console.sortie);
}

// --- DemanderOuiNon and AnnoncerInterruption -------------------------------

struct CasOuiNon {
    std::uint8_t touche;
    std::uint8_t reponse;
};

class DemanderOuiNonTest : public ::testing::TestWithParam<CasOuiNon> {};

TEST_P(DemanderOuiNonTest, OneKeyDecidesAndTheLineIsClosed) {
    ConsoleDeTest essai;
    essai.console.touches = {GetParam().touche};
    EXPECT_EQ(DemanderOuiNon(), GetParam().reponse);
    EXPECT_EQ(essai.console.sortie, " (O/N)\n\r");
    EXPECT_EQ(essai.console.lectures, 1);
}

INSTANTIATE_TEST_SUITE_P(Touches, DemanderOuiNonTest,
                         ::testing::Values(CasOuiNon{'o', 1}, CasOuiNon{'O', 1}, CasOuiNon{'n', 0},
                                           CasOuiNon{'N', 0}, CasOuiNon{'y', 0}, CasOuiNon{13, 0},
                                           CasOuiNon{27, 0}, CasOuiNon{0xA2, 0}),
                         [](const ::testing::TestParamInfo<CasOuiNon>& cas) {
                             return "touche" + std::to_string(cas.param.touche);
                         });

TEST(DemanderOuiNon, ExtendedKeyMeansNoAndLeavesItsScanCode) {
    ConsoleDeTest essai;
    essai.console.touches = {0, 72};
    EXPECT_EQ(DemanderOuiNon(), 0);
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 0) << "the scan code reads as an ordinary key";
    EXPECT_EQ(code, 72);
}

TEST(DemanderOuiNon, PromptTextsHaveTheirByteCounts) {
    ConsoleDeTest essai;
    essai.console.touches = {'o'};
    DemanderOuiNon();
    EXPECT_EQ(essai.console.sortie.size(), 6u + 2u);
}

TEST(AnnoncerInterruption, WritesTheCodePage850Notice) {
    ConsoleDeTest essai;
    AnnoncerInterruption();
    const std::string attendu = "\nOpération Interrompue.\n\r"_cp850;
    EXPECT_EQ(essai.console.sortie, attendu);
    ASSERT_EQ(essai.console.sortie.size(), 25u);
    EXPECT_EQ(static_cast<unsigned char>(essai.console.sortie[3]), 0x82) << "e acute in 850";
    EXPECT_EQ(essai.console.lectures, 0);
}

// --- LireTouche ----------------------------------------------------------

TEST(LireTouche, FunctionKeyIsExtended) {
    ConsoleDeTest essai;
    essai.console.touches = {0, 59};
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 1);
    EXPECT_EQ(code, 59);
    EXPECT_EQ(essai.console.lectures, 2);
}

TEST(LireTouche, LetterIsOrdinary) {
    ConsoleDeTest essai;
    essai.console.touches = {'a', 'b'};
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 0);
    EXPECT_EQ(code, 97);
    EXPECT_EQ(essai.console.touches.size(), 1u) << "only one read for an ordinary key";
}

TEST(LireTouche, NullDestinationStillConsumesTheKey) {
    ConsoleDeTest essai;
    essai.console.touches = {0, 80, 'z'};
    EXPECT_EQ(LireTouche(nullptr), 1);
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 0);
    EXPECT_EQ(code, 'z');
}

// --- PivoterTexte --------------------------------------------------------

TEST(PivoterTexte, RotatesTheFirstCharactersLeft) {
    char texte[] = "abcd";
    PivoterTexte(texte, 4);
    EXPECT_STREQ(texte, "bcda");
    char court[] = "abcd";
    PivoterTexte(court, 2);
    EXPECT_STREQ(court, "bacd");
    char trois[] = "abcdef";
    PivoterTexte(trois, 3);
    EXPECT_STREQ(trois, "bcadef");
}

TEST(PivoterTexte, CountsOfOneOrLessChangeNothing) {
    for (const std::int16_t n : {1, 0, -1, -32768}) {
        char texte[] = "abcd";
        PivoterTexte(texte, n);
        EXPECT_STREQ(texte, "abcd") << "n = " << n;
    }
    PivoterTexte(nullptr, 4);
}

TEST(PivoterTexte, CountBeyondTheTextStopsAtItsEnd) {
    char tampon[10] = {'a', 'b', 'c', 'd', '\0', 'x', 'y', 'z', 'w', '\0'};
    PivoterTexte(tampon, 9);
    EXPECT_EQ(std::string(tampon, 10), std::string("bcda\0xyzw\0", 10))
        << "the terminator stays and nothing after it moves";
    char vide[] = "";
    PivoterTexte(vide, 5);
    EXPECT_STREQ(vide, "");
}

// --- DefilerTexte --------------------------------------------------------

TEST(DefilerTexte, ShowsOneRotationPerStepUntilAKeyWaits) {
    ConsoleDeTest essai;
    essai.console.touches = {'q'};
    essai.console.refusAvantTouche = 3;
    char texte[] = "abcd";
    EXPECT_EQ(DefilerTexte(texte), 'q');
    EXPECT_EQ(essai.console.sortie, "abcd\rbcda\rcdab\rdabc\r");
    EXPECT_STREQ(texte, "abcd") << "four rotations of four characters";
    EXPECT_TRUE(essai.console.touches.empty());
}

TEST(DefilerTexte, AtLeastOneStepWhenAKeyAlreadyWaits) {
    ConsoleDeTest essai;
    essai.console.touches = {' '};
    char texte[] = "abcd";
    EXPECT_EQ(DefilerTexte(texte), ' ');
    EXPECT_EQ(essai.console.sortie, "abcd\r");
    EXPECT_STREQ(texte, "bcda") << "the text stays rotated";
}

TEST(DefilerTexte, ExtendedKeyGivesOnlyItsFirstCode) {
    ConsoleDeTest essai;
    essai.console.touches = {0, 68};
    char texte[] = "xy";
    EXPECT_EQ(DefilerTexte(texte), 0);
    ASSERT_EQ(essai.console.touches.size(), 1u);
    EXPECT_EQ(essai.console.touches.front(), 68);
}

TEST(DefilerTexte, SeventyTwoStepsBringABannerBack) {
    ConsoleDeTest essai;
    essai.console.touches = {'k'};
    essai.console.refusAvantTouche = 71;
    std::string texte = kBanniere;
    DefilerTexte(texte.data());
    EXPECT_EQ(texte, kBanniere);
    EXPECT_EQ(essai.console.sortie.size(), 72u * 73u);
    EXPECT_EQ(essai.console.sortie.substr(73, 72), Pivote(kBanniere, 1));
}

TEST(DefilerTexte, NullTextStillWaitsForAKey) {
    ConsoleDeTest essai;
    essai.console.touches = {'a'};
    essai.console.refusAvantTouche = 2;
    EXPECT_EQ(DefilerTexte(nullptr), 'a');
    EXPECT_EQ(essai.console.sortie, "\r\r\r");
}

// --- AttendrePression ----------------------------------------------------

TEST(AttendrePression, SetsLightCyanThenScrollsAndWipesTheLine) {
    ConsoleDeTest essai;
    essai.console.touches = {'x'};
    essai.console.refusAvantTouche = 2;
    AttendrePression();
    ASSERT_EQ(essai.console.couleurs.size(), 1u);
    EXPECT_EQ(essai.console.couleurs[0].first, 11);
    EXPECT_EQ(essai.console.couleurs[0].second, 2u) << "after the line break, before the banner";
    const std::vector<std::string> images = ImagesDeLaPause(essai.console.sortie);
    ASSERT_EQ(images.size(), 3u);
    for (const std::string& image : images) {
        EXPECT_EQ(image.size(), 72u);
    }
    EXPECT_EQ(images[1], Pivote(images[0], 1));
    EXPECT_EQ(images[2], Pivote(images[0], 2));
    EXPECT_EQ(kFilet.size(), 75u);
}

TEST(AttendrePression, ShowsSomeRotationOfTheBanner) {
    const std::vector<std::string> images = Pause(0);
    ASSERT_EQ(images.size(), 1u);
    bool trouvee = false;
    for (std::size_t k = 0; k < kBanniere.size(); ++k) {
        trouvee = trouvee || images[0] == Pivote(kBanniere, k);
    }
    EXPECT_TRUE(trouvee) << images[0];
}

TEST(AttendrePression, NextPauseStartsWhereThePreviousStopped) {
    const std::vector<std::string> premiere = Pause(4);
    ASSERT_EQ(premiere.size(), 5u);
    const std::vector<std::string> seconde = Pause(0);
    ASSERT_EQ(seconde.size(), 1u);
    EXPECT_EQ(seconde[0], Pivote(premiere.back(), 1));
}

TEST(AttendrePression, SeventyTwoStepsLeaveTheBannerAsItWas) {
    const std::vector<std::string> tour = Pause(71);
    ASSERT_EQ(tour.size(), 72u);
    const std::vector<std::string> apres = Pause(0);
    ASSERT_EQ(apres.size(), 1u);
    EXPECT_EQ(apres[0], tour[0]);
}

// --- NomTouche -----------------------------------------------------------

std::map<int, std::string> NomsAttendus() {
    std::map<int, std::string> noms = {
        {0, ""},       {8, "BACKSP"}, {9, "TAB"},   {15, "SFT TAB"},  {27, "ESC"},
        {32, "ESP"},   {42, "*"},     {43, "+"},    {45, "-"},        {46, "."},
        {47, "/"},     {68, "F10"},   {71, "HOME"}, {72, "FLC HAUT"}, {73, "PGE HAUT"},
        {75, "<-"},    {77, "->"},    {79, "FIN"},  {80, "FLC BAS"},  {81, "PGE BAS"},
        {82, "INSER"}, {83, "SUPPR"},
    };
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
        noms[48 + chiffre] = std::string(1, static_cast<char>('0' + chiffre));
    }
    for (int f = 1; f <= 9; ++f) {
        noms[58 + f] = std::string("F").append(std::to_string(f));
    }
    noms[13] = "<┘"_cp850;
    return noms;
}

TEST(NomTouche, NamedKeys) {
    for (const auto& [code, nom] : NomsAttendus()) {
        EXPECT_EQ(std::string(NomTouche(static_cast<std::uint8_t>(code))), nom) << "code " << code;
    }
}

TEST(NomTouche, ReturnArrowIsTwoCodePage850Bytes) {
    const char* fleche = NomTouche(13);
    ASSERT_EQ(std::strlen(fleche), 2u);
    EXPECT_EQ(static_cast<unsigned char>(fleche[0]), 0x3C);
    EXPECT_EQ(static_cast<unsigned char>(fleche[1]), 0xD9);
    EXPECT_EQ(pages::Cp850VersUtf8(fleche), "<┘");
}

TEST(NomTouche, EveryOtherByteIsAnError) {
    const std::map<int, std::string> noms = NomsAttendus();
    for (int code = 0; code < 256; ++code) {
        const char* nom = NomTouche(static_cast<std::uint8_t>(code));
        ASSERT_NE(nom, nullptr);
        if (noms.count(code) == 0) {
            EXPECT_STREQ(nom, "ERREUR!") << "code " << code;
        }
    }
    for (const int code : {1,  7,  10, 12, 14, 16, 26, 28,  31,  33,  41, 44,
                           58, 69, 70, 74, 76, 78, 84, 127, 128, 200, 255}) {
        EXPECT_STREQ(NomTouche(static_cast<std::uint8_t>(code)), "ERREUR!") << "code " << code;
    }
}

TEST(NomTouche, LettersShareTheNamesOfScanCodes) {
    EXPECT_STREQ(NomTouche('H'), "FLC HAUT");
    EXPECT_STREQ(NomTouche(';'), "F1");
    EXPECT_STREQ(NomTouche('D'), "F10");
    EXPECT_STREQ(NomTouche('S'), "SUPPR");
}

} // namespace
