// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing the window's image.
#pragma once

#include <QPixmap>
#include <QRect>

class QPrinter;

// The window's pixels per inch, the scale of its definitions.
inline constexpr double PIXELS_PAR_POUCE = 96.0;

// Size in printer dots of an image of `pixels` screen pixels, at `dpi` dots
// per inch, to the nearest whole dot.
int EnPoints(int pixels, int dpi);

// Prints `image` on one page of `imprimante`, at the top-left corner of the
// printable area, scaled by the printer's resolution over 96 pixels per inch.
// Returns the rectangle drawn, in printer dots; an empty one when the job
// could not be started. The job is always ended.
QRect ImprimerImage(QPrinter& imprimante, const QPixmap& image);
