// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Images.h"

#include <QBitmap>
#include <QColor>
#include <QImage>

// Q_INIT_RESOURCE must be used outside any namespace.
static void ChargerRessources() {
    Q_INIT_RESOURCE(Adjora);
}

void InitialiserImages() {
    static const bool fait = (ChargerRessources(), true);
    (void)fait;
}

QPixmap ImageBouton(const QString& nom) {
    InitialiserImages();
    const QImage image(QStringLiteral(":/images/%1.xpm").arg(nom));
    if (image.isNull()) {
        return {};
    }
    const int cote = image.height();
    QPixmap moitie = QPixmap::fromImage(image.copy(0, 0, cote, cote));
    moitie.setMask(moitie.createMaskFromColor(QColor(OLIVE_R, OLIVE_G, OLIVE_B), Qt::MaskInColor));
    return moitie;
}

QIcon IconeApplication() {
    InitialiserImages();
    return QIcon(QPixmap(QStringLiteral(":/images/adjora.xpm")));
}
