// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's pictures, drawn in XPM files of the resource file.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The colour that stands for transparency in the tool bar pictures.
inline constexpr int OLIVE_R = 132, OLIVE_G = 130, OLIVE_B = 0;

// The normal (left) half of a 40 x 20 two-state button picture, with its
// olive pixels made transparent. `nom` is "imprimer", "aide" or "apropos".
QPixmap ImageBouton(const QString& nom);

// The 32 x 32 application icon.
QIcon IconeApplication();

// Makes the resources of this library available (needed once per process).
void InitialiserImages();
