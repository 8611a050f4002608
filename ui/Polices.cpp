// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Polices.h"

#include <QWidget>

void InstallerSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

QFont Police(const QString& famille, int pixels, bool gras, bool italique) {
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(gras);
    police.setItalic(italique);
    return police;
}

void FixerPixels(QWidget* widget, int pixels) {
    QFont police = widget->font();
    police.setPixelSize(pixels);
    widget->setFont(police);
}
