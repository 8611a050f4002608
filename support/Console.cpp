// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Console prompts and key names.
#include "Console.h"

#include "PagesDeCode.h"
#include "Terminal.h"

#include <cstring>

namespace {

constexpr std::uint8_t kCouleurCyanClair = 11;

constexpr char kOuiNon[] = " (O/N)";
constexpr char kFinDeLigne[] = "\n\r";
constexpr char kFiletFinal[] = "----------------------------------------"
                               "                                "
                               "\n\n\r";
static_assert(sizeof kOuiNon - 1 == 6);
static_assert(sizeof kFinDeLigne - 1 == 2);
static_assert(sizeof kFiletFinal - 1 == 75);

// The pause banner, rotated in place by every pause and never reset.
char banniere[] = "            Appuyez sur une touche pour continuer...                    ";
static_assert(sizeof banniere - 1 == 72);

void Ecrire(const char* texte) {
    terminal::ConsoleCourante().Ecrire(texte, std::strlen(texte));
}

struct NomDeTouche {
    std::uint8_t code;
    const char* nom;
};

const NomDeTouche kNomsDeTouches[] = {
    {0, ""},     {8, "BACKSP"}, {9, "TAB"},      {13, "<┘"_cp850}, {15, "SFT TAB"},  {27, "ESC"},
    {32, "ESP"}, {42, "*"},     {43, "+"},       {45, "-"},        {46, "."},        {47, "/"},
    {48, "0"},   {49, "1"},     {50, "2"},       {51, "3"},        {52, "4"},        {53, "5"},
    {54, "6"},   {55, "7"},     {56, "8"},       {57, "9"},        {59, "F1"},       {60, "F2"},
    {61, "F3"},  {62, "F4"},    {63, "F5"},      {64, "F6"},       {65, "F7"},       {66, "F8"},
    {67, "F9"},  {68, "F10"},   {71, "HOME"},    {72, "FLC HAUT"}, {73, "PGE HAUT"}, {75, "<-"},
    {77, "->"},  {79, "FIN"},   {80, "FLC BAS"}, {81, "PGE BAS"},  {82, "INSER"},    {83, "SUPPR"},
};

} // namespace

std::uint8_t DemanderOuiNon() {
    Ecrire(kOuiNon);
    const std::uint8_t touche = terminal::ConsoleCourante().LireCode();
    Ecrire(kFinDeLigne);
    return (touche == 'o' || touche == 'O') ? 1 : 0;
}

void AnnoncerInterruption() {
    Ecrire("\nOpération Interrompue.\n\r"_cp850);
}

std::uint8_t LireTouche(std::uint8_t* code) {
    terminal::Console& console = terminal::ConsoleCourante();
    std::uint8_t touche = console.LireCode();
    std::uint8_t etendue = 0;
    if (touche == 0) {
        touche = console.LireCode();
        etendue = 1;
    }
    if (code != nullptr) {
        *code = touche;
    }
    return etendue;
}

void PivoterTexte(char* texte, std::int16_t n) {
    if (texte == nullptr || n <= 1) {
        return;
    }
    // Never move the terminator, nor read past it.
    const std::size_t longueur = strnlen(texte, static_cast<std::size_t>(n));
    if (longueur <= 1) {
        return;
    }
    const char premier = texte[0];
    std::memmove(texte, texte + 1, longueur - 1);
    texte[longueur - 1] = premier;
}

std::uint8_t DefilerTexte(char* texte) {
    terminal::Console& console = terminal::ConsoleCourante();
    char vide[] = "";
    if (texte == nullptr) {
        texte = vide;
    }
    const std::size_t longueur = std::strlen(texte);
    const auto n = static_cast<std::int16_t>(longueur < 32767 ? longueur : 32767);
    do {
        console.Ecrire(texte, longueur);
        console.Ecrire("\r", 1);
        PivoterTexte(texte, n);
    } while (!console.ToucheEnAttente());
    return console.LireCode();
}

void AttendrePression() {
    Ecrire(kFinDeLigne);
    terminal::ConsoleCourante().ChoisirCouleur(kCouleurCyanClair);
    DefilerTexte(banniere);
    Ecrire(kFiletFinal);
}

const char* NomTouche(std::uint8_t code) {
    for (const NomDeTouche& entree : kNomsDeTouches) {
        if (entree.code == code) {
            return entree.nom;
        }
    }
    return "ERREUR!";
}
