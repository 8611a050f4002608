// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing the window's image.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPrinter;
class QWidget;

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

// The printer-less path: the same page saved as a PDF file.

// The file name proposed for the PDF of the window after `mot` was analysed:
// "adjora-<mot>.pdf", the word cut to its analysed length and each character
// that a file name should not hold replaced by '_'; "adjora.pdf" for no word.
QString NomFichierPdf(const QString& mot);

// The save dialog (Qt's own, in French with Qt's translations), opened on
// `propose` (a path); the file chosen, ".pdf" added when it has no suffix,
// or "" when the user cancels.
QString DialogueFichierPdf(QWidget* proprietaire, const QString& propose);

// Prints `image` into the PDF file `fichier`, on the page a printer with its
// default settings would get, as ImprimerImage does. Returns the rectangle
// drawn; an empty one when the file could not be started.
QRect EnregistrerImagePdf(const QString& fichier, const QPixmap& image);
