// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// A message for screen readers, spoken while the focus stays where it is.
#pragma once

#include <QString>
#include <QWidget>

// An empty, unfocusable widget that screen readers see as a notification
// (the way desktop notifications reach them): each message shows it anew,
// and a screen reader speaks its name when it shows. It paints nothing.
class Annonce : public QWidget {
    Q_OBJECT
  public:
    explicit Annonce(QWidget* parent);

    // Speaks `texte`, also when it is the message already shown.
    void Annoncer(const QString& texte);

    // Withdraws the message shown, silently.
    void Retirer();
};
