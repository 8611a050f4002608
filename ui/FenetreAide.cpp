// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FenetreAide.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "MainFormFile.h"

namespace {

constexpr int LARGEUR = 520;
constexpr int HAUTEUR = 560;
constexpr int LARGEUR_MIN = 240;
constexpr int ECART = 8; // between the two windows

} // namespace

FenetreAide::FenetreAide(QWidget* proprietaire) : QTextBrowser(proprietaire) {
    setObjectName(QStringLiteral("FenetreAide"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Aide - ") + TITRE_APPLICATION);
    setOpenExternalLinks(true);
    // A caret, so that the arrows read the text line by line; Tab still walks the links.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // A link followed within the page takes the caret along, once the view has moved.
    connect(
        this, &QTextBrowser::anchorClicked, this,
        [this](const QUrl& lien) {
            if (lien.toString(QUrl::RemoveFragment).isEmpty()) {
                AllerAncre(lien.fragment());
            }
        },
        Qt::QueuedConnection);
    resize(LARGEUR, HAUTEUR);
}

bool FenetreAide::Ouvrir(const QString& fichier) {
    setFocus(); // taken when the window shows
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

void FenetreAide::PlacerAcote(const QRect& principale, const QRect& ecran) {
    const int droite = ecran.right() - principale.right() - ECART;
    const int gauche = principale.left() - ecran.left() - ECART;
    const QSize cadre = frameGeometry().size() - geometry().size(); // title bar and borders
    const int largeur =
        std::max(LARGEUR_MIN, std::min(LARGEUR + cadre.width(), std::max(droite, gauche)));
    const int hauteur = std::min(HAUTEUR + cadre.height(), ecran.height());
    const int x =
        droite >= gauche ? principale.right() + 1 + ECART : principale.left() - ECART - largeur;
    const int y = std::clamp(principale.top(), ecran.top(), ecran.bottom() + 1 - hauteur);
    resize(largeur - cadre.width(), hauteur - cadre.height());
    move(x, y);
}

void FenetreAide::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Escape && evenement->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(evenement);
}

bool FenetreAide::focusNextPrevChild(bool suivant) {
    const bool lien = QTextBrowser::focusNextPrevChild(suivant);
    // The link reached is selected, but Qt tells screen readers nothing of it.
    const QTextCursor curseur = textCursor();
    QAccessibleTextSelectionEvent selection(this, curseur.selectionStart(), curseur.selectionEnd());
    selection.setCursorPosition(curseur.position());
    QAccessible::updateAccessibility(&selection);
    return lien;
}

void FenetreAide::AllerAncre(const QString& nom) {
    for (QTextBlock bloc = document()->begin(); bloc.isValid(); bloc = bloc.next()) {
        for (auto morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
            if (morceau.fragment().charFormat().anchorNames().contains(nom)) {
                QTextCursor curseur(document());
                curseur.setPosition(morceau.fragment().position());
                setTextCursor(curseur);
                return;
            }
        }
    }
}
