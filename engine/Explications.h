// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Explanation texts of the number stage (N1-N8) and the gender stage (G1-G16),
// Windows-1252, and the writes into the shared explanation buffer.
#pragma once

namespace explication {

extern const char* const N1;
extern const char* const N2;
extern const char* const N3;
extern const char* const N4;
extern const char* const N5;
extern const char* const N6;
extern const char* const N7;
extern const char* const N8;

extern const char* const G1;
extern const char* const G2;
extern const char* const G3;
extern const char* const G4;
extern const char* const G5;
extern const char* const G6;
extern const char* const G7;
extern const char* const G8;
extern const char* const G9;
extern const char* const G10;
extern const char* const G11;
extern const char* const G12;
extern const char* const G13;
extern const char* const G14;
extern const char* const G15;
extern const char* const G16;

} // namespace explication

// Replaces the explanation with `texte`; never writes past the buffer.
void EcrireExplication(const char* texte);
// Appends `texte` to the explanation, cut short if the buffer is full.
void AjouterExplication(const char* texte);
