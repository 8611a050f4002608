// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzzers share: a presenter for error reports that never blocks,
// and the loading of the lexicons.
#pragma once

#include <cstddef>

// Installs a presenter that only counts reports; returns nothing.
void InstallerPresentateurMuet();
// Reports received since the last call.
std::size_t RapportsRecus();
// Loads the lexicons from $ADJORA_FUZZ_DONNEES, else from the source tree's
// data/, and forgets the reports that loading raised; aborts on failure.
void ChargerLexiquesDuFuzz();
