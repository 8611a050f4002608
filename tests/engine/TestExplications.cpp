// The explanation texts and the bounded writes into the explanation buffer.
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <utility>

#include "Explications.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"
#include "PagesDeCode.h"

namespace {

using namespace explication;

TEST(Explications, LongueursDesVingtQuatreTextes) {
    const std::pair<const char*, std::size_t> attendus[] = {
        {N1, 176},  {N2, 187},  {N3, 43},   {N4, 105},  {N5, 101},  {N6, 143},
        {N7, 148},  {N8, 83},   {G1, 58},   {G2, 54},   {G3, 222},  {G4, 270},
        {G5, 161},  {G6, 171},  {G7, 214},  {G8, 78},   {G9, 166},  {G10, 157},
        {G11, 160}, {G12, 140}, {G13, 142}, {G14, 142}, {G15, 157}, {G16, 202},
    };
    int indice = 0;
    for (const auto& [texte, longueur] : attendus) {
        EXPECT_EQ(std::strlen(texte), longueur) << "texte n" << indice++;
    }
}

TEST(Explications, ToutesFinissentParUnRetourALaLigneSaufG3) {
    for (const char* texte : {N1, N2, N3, N4, N5,  N6,  N7,  N8,  G1,  G2,  G4, G5,
                              G6, G7, G8, G9, G10, G11, G12, G13, G14, G15, G16}) {
        ASSERT_GT(std::strlen(texte), 0u);
        EXPECT_EQ(texte[std::strlen(texte) - 1], '\n') << texte;
    }
    EXPECT_EQ(std::string(G3).back(), '.');
}

TEST(Explications, TextesEnWindows1252) {
    // A few texts in full, accents and original wording included.
    EXPECT_EQ(pages::Cp1252VersUtf8(N8),
              "Aucune marque du pluriel (s ou x) n'a été trouvée : cet adjectif est au "
              "singulier.\n");
    EXPECT_EQ(pages::Cp1252VersUtf8(G1),
              "L'adjectif n'est pas terminé par 'e' : c'est un masculin.\n");
    EXPECT_NE(pages::Cp1252VersUtf8(N2).find("intrégrante"), std::string::npos);
    EXPECT_NE(pages::Cp1252VersUtf8(G15).find("'te', 'ie, 'ale'"), std::string::npos);
    EXPECT_EQ(std::string(G10).find("Sous R"), 0u);
    EXPECT_NE(std::string(G10).find(":  cet"), std::string::npos); // two blanks
    EXPECT_NE(std::string(G9).find("Sous R"), std::string::npos);
    EXPECT_NE(std::string(G9).find(": La derni"), std::string::npos); // one blank
    // è is the single byte 0xE8.
    EXPECT_NE(std::string(G13).find("'\xE8re'"), std::string::npos);
}

TEST(BufferExplication, EcritureTropLongueCoupeeSansDebordement) {
    const std::string long1000(1000, 'a');
    EcrireExplication(long1000.c_str());
    EXPECT_EQ(std::strlen(BufExplication), TAILLE_EXPLICATION - 1);
    AjouterExplication("bcd");
    EXPECT_EQ(std::strlen(BufExplication), TAILLE_EXPLICATION - 1);
    EXPECT_EQ(BufExplication[TAILLE_EXPLICATION - 2], 'a');
}

TEST(BufferExplication, EcritureRemplaceEtAjoutComplete) {
    EcrireExplication("abc");
    AjouterExplication("de");
    EXPECT_STREQ(BufExplication, "abcde");
    EcrireExplication("x");
    EXPECT_STREQ(BufExplication, "x");
    AjouterExplication(nullptr);
    EXPECT_STREQ(BufExplication, "x");
}

TEST(BufferExplication, LaPlusLongueExplicationTientEntiere) {
    LibererExceptions();
    Remplir(ListeG, {{"laide", "laid"}});
    const Resultat r = Analyser("laide");
    LibererExceptions();
    EXPECT_EQ(r.lemme, "laid");
    EXPECT_EQ(r.genre, GENRE_FEMININ);
    EXPECT_EQ(r.explication.size(), 353u);
    EXPECT_EQ(r.explication, std::string(N8) + G4);
    EXPECT_EQ(TAILLE_EXPLICATION, 354u);
}

} // namespace
