// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The warning beep, behind a replaceable sounder so that tests can record it.
#pragma once

#include <functional>

using SonnerieBip = std::function<void()>;

// Sounds the beep through the installed sounder (the system's by default).
void Bip();

// Installs `sonnerie` (an empty one restores the system's) and returns the
// one it replaces.
SonnerieBip InstallerBip(SonnerieBip sonnerie);
