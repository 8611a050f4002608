// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzzers share: a presenter for error reports that never blocks,
// the loading of the lexicons and a scratch file.
#pragma once

#include <cstddef>
#include <string>

// Installs a presenter that only counts reports; returns nothing.
void InstallerPresentateurMuet();
// Reports received since the last call.
std::size_t RapportsRecus();
// Loads the lexicons from $ADJORA_FUZZ_DONNEES, else from the source tree's
// data/, and forgets the reports that loading raised; aborts on failure.
void ChargerLexiquesDuFuzz();
// Creates the scratch file (under $TMPDIR, else /tmp), removed at exit, and
// returns its path; aborts on failure.
const std::string& CreerFichierTemporaire();
// Replaces the scratch file's content; aborts on failure.
void EcrireFichierTemporaire(const void* contenu, std::size_t longueur);
