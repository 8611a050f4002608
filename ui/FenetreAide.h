// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: the help file shown at its contents page.
#pragma once

#include <QRect>
#include <QString>
#include <QTextBrowser>

class FenetreAide : public QTextBrowser {
    Q_OBJECT
  public:
    explicit FenetreAide(QWidget* proprietaire);

    // Loads `fichier` (an HTML document) and shows its beginning, the
    // contents, with the focus and the caret there; when it cannot be read,
    // says so, naming the file.
    // Returns whether the file was read.
    bool Ouvrir(const QString& fichier);

    // Moves the window beside `principale` (a frame in screen coordinates),
    // on whichever side of it `ecran` leaves more room, narrowed to fit there.
    void PlacerAcote(const QRect& principale, const QRect& ecran);

  private:
    void AllerAncre(const QString& nom); // the caret to the start of anchor `nom`

  protected:
    void keyPressEvent(QKeyEvent* evenement) override; // Escape closes
    bool focusNextPrevChild(bool suivant) override;    // Tab: the next link, told to screen readers
};
