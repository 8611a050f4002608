// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Explanation texts of the number stage (N1-N8) and the gender stage (G1-G16),
// Windows-1252, and the writes into the shared explanation buffer and rule
// record.
#pragma once

// One explanation and its rule code ("N3", "G6").
struct Message {
    const char* code;
    const char* texte;
};

namespace explication {

extern const Message N1;
extern const Message N2;
extern const Message N3;
extern const Message N4;
extern const Message N5;
extern const Message N6;
extern const Message N7;
extern const Message N8;

extern const Message G1;
extern const Message G2;
extern const Message G3;
extern const Message G4;
extern const Message G5;
extern const Message G6;
extern const Message G7;
extern const Message G8;
extern const Message G9;
extern const Message G10;
extern const Message G11;
extern const Message G12;
extern const Message G13;
extern const Message G14;
extern const Message G15;
extern const Message G16;

} // namespace explication

// Replaces the explanation with the message's text and the rule record with
// its code; never writes past either buffer.
void EcrireExplication(const Message& message);
// Appends the message's text to the explanation, cut short if the buffer is
// full, and its code to the rule record.
void AjouterExplication(const Message& message);
