// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Console prompts: a yes/no question, the interruption notice, key reads that
// tell ordinary and extended keys apart, a text scrolling until a key is
// pressed, the pause banner, and the French names of keys.
//
// Every text is code page 850 and goes to terminal::ConsoleCourante().
#pragma once

#include <cstdint>

// Writes " (O/N)", reads one key, writes "\n\r"; 1 for "o" or "O", otherwise 0.
// An extended key means no and leaves its scan code for the next read.
std::uint8_t DemanderOuiNon();

// Writes "\nOpération Interrompue.\n\r".
void AnnoncerInterruption();

// Reads a key into `*code` (when not null): 0 for an ordinary key, 1 for an
// extended key, whose scan code is then stored.
std::uint8_t LireTouche(std::uint8_t* code);

// Rotates the first n characters of `texte` left by one place. Nothing
// changes for n of 1 or less; n never reaches past the text's terminator.
void PivoterTexte(char* texte, std::int16_t n);

// Writes `texte` then a carriage return and rotates it by one, over and over
// until a key waits (at least once); returns that key's first code.
std::uint8_t DefilerTexte(char* texte);

// Scrolls the pause banner in light cyan until a key is pressed, then wipes
// its line. The banner stays rotated: the next pause starts where this one stopped.
void AttendrePression();

// French name of a key code (code page 850); "ERREUR!" for unknown codes. Never null.
const char* NomTouche(std::uint8_t code);
