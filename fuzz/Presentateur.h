// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// A presenter for error reports that never blocks, for the fuzzers.
#pragma once

#include <cstddef>

// Installs a presenter that only counts reports; returns nothing.
void InstallerPresentateurMuet();
// Reports received since the last call.
std::size_t RapportsRecus();
