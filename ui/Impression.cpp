// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Impression.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

int EnPoints(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * dpi / PIXELS_PAR_POUCE));
}

QRect ImprimerImage(QPrinter& imprimante, const QPixmap& image) {
    QPainter peintre;
    if (!peintre.begin(&imprimante)) {
        return {};
    }
    const QSizeF taille = image.deviceIndependentSize();
    const QRect cible(
        0, 0, EnPoints(static_cast<int>(std::lround(taille.width())), imprimante.logicalDpiX()),
        EnPoints(static_cast<int>(std::lround(taille.height())), imprimante.logicalDpiY()));
    peintre.drawPixmap(cible, image);
    peintre.end();
    return cible;
}
