// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Presentateur.h"

#include <QMessageBox>
#include <utility>

#include "PagesDeCode.h"

void AfficherBoiteErreur(const QString& titre, const QString& texte) {
    QMessageBox boite(QMessageBox::NoIcon, titre, texte, QMessageBox::Ok);
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

PresentateurErreur PresentateurFenetre(AfficheurBoite afficheur) {
    return [afficheur = std::move(afficheur)](const char* rapport, const char* titre) {
        afficheur(QString::fromStdString(pages::Cp850VersUtf8(titre ? titre : "")),
                  QString::fromStdString(pages::Cp850VersUtf8(rapport ? rapport : "")));
        return 1;
    };
}
