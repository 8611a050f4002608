// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Annonce.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* InterfaceAnnonce(const QString& classe, QObject* objet) {
    if (classe == QLatin1String(Annonce::staticMetaObject.className()) && objet->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Annonce::Annonce(QWidget* parent) : QWidget(parent) {
    static const bool installee = [] {
        QAccessible::installFactory(InterfaceAnnonce);
        return true;
    }();
    (void)installee;
    setObjectName(QStringLiteral("Annonce"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Annonce::Annoncer(const QString& texte) {
    hide(); // screen readers speak a notification when it shows
    setAccessibleName(texte);
    show();
}

void Annonce::Retirer() {
    if (!isHidden()) {
        hide();
        setAccessibleName(QString());
    }
}
