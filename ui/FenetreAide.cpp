// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FenetreAide.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>

#include "MainFormFile.h"

FenetreAide::FenetreAide(QWidget* proprietaire) : QTextBrowser(proprietaire) {
    setObjectName(QStringLiteral("FenetreAide"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Aide - ") + TITRE_APPLICATION);
    setOpenExternalLinks(true);
    resize(520, 560);
}

bool FenetreAide::Ouvrir(const QString& fichier) {
    QFile source(fichier);
    if (!source.open(QIODevice::ReadOnly)) {
        setSearchPaths({});
        setHtml(
            QStringLiteral("<h3>Aide indisponible</h3>"
                           "<p>Le fichier d'aide <b>%1</b> est introuvable ou illisible "
                           "dans le dossier courant (%2).</p>")
                .arg(fichier.toHtmlEscaped(), QFileInfo(fichier).absolutePath().toHtmlEscaped()));
        return false;
    }
    setSearchPaths({QFileInfo(fichier).absolutePath()});
    setHtml(QString::fromUtf8(source.readAll()));
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    return true;
}
