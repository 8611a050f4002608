// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the window program (main, in main.cpp, only calls it), in the
// library so that tests can run it.
#pragma once

#include "Presentateur.h"

// With the application object created: names the application, installs the
// fonts, Qt's French translations and the error boxes (shown by `afficheur`),
// creates the main window (which loads the lexicons; their reports show
// before it) and the hidden about box, then runs the event loop until the
// main window is closed. The previous error presenter is restored at the end.
// Returns the event loop's exit status.
int Demarrer(const AfficheurBoite& afficheur = AfficherBoiteErreur);
