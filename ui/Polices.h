// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts of the window definitions: the families are the Windows ones, mapped
// at start-up to the nearest families shipped by the system.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

// Registers the substitutions "MS Sans Serif" -> Liberation Sans,
// "Times New Roman" -> Liberation Serif, "Comic Sans MS" -> Comic Neue.
void InstallerSubstitutions();

// A font of the given family and height in pixels.
QFont Police(const QString& famille, int pixels, bool gras = false, bool italique = false);

// Gives `widget` its own font with the given height in pixels, keeping the
// family and style it already has.
void FixerPixels(QWidget* widget, int pixels);
