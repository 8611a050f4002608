// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the window tests.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "Lemmatiseur.h"
#include "MainFormFile.h"
#include "PagesDeCode.h"

// A temporary current directory holding the lexicon files. The lexicons
// loaded meanwhile are freed when it goes (windows must go first).
class DossierLexiques {
  public:
    // `contenus`: letter -> UTF-8 text, written in code page 850. The letters
    // in `absents` get no file, the other letters of A..H an empty one.
    explicit DossierLexiques(const QMap<QChar, QString>& contenus = {}, const QString& absents = {})
        : precedent_(QDir::currentPath()) {
        QVERIFY(dossier_.isValid());
        for (const QChar lettre : QStringLiteral("ABCDEFGH")) {
            QByteArray octets;
            for (const char c : pages::Utf8VersCp1252(contenus.value(lettre).toStdString()).texte) {
                octets.append(pages::Cp1252VersCp850(c));
            }
            if (!absents.contains(lettre)) {
                Ecrire(QStringLiteral("except_%1.lex").arg(lettre), octets);
            }
        }
        QVERIFY(QDir::setCurrent(dossier_.path()));
    }
    ~DossierLexiques() {
        LibererExceptions();
        QDir::setCurrent(precedent_);
    }
    DossierLexiques(const DossierLexiques&) = delete;
    DossierLexiques& operator=(const DossierLexiques&) = delete;

    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

    void Ecrire(const QString& nom, const QByteArray& octets) const {
        QFile fichier(dossier_.filePath(nom));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        QCOMPARE(fichier.write(octets), octets.size());
    }

  private:
    QString precedent_;
    QTemporaryDir dossier_;
};

// Puts `mot` in the window's input field and presses `touche` there.
inline void Analyser(TMainForm& fenetre, const QString& mot,
                     QKeyCombination touche = Qt::Key_Return) {
    fenetre.Entree->setText(mot);
    QTest::keyClick(fenetre.Entree, touche.key(), touche.keyboardModifiers());
}

// The controls the focus visits on `fois` presses of Tab, starting from (and
// including) the focused one; a radio button counts as its group.
inline QStringList ParcoursTabulation(int fois) {
    QStringList ordre;
    for (int i = 0; i <= fois && QApplication::focusWidget(); ++i) {
        QWidget* controle = QApplication::focusWidget();
        ordre << (qobject_cast<QRadioButton*>(controle) ? controle->parentWidget() : controle)
                     ->objectName();
        QTest::keyClick(controle, Qt::Key_Tab);
    }
    return ordre;
}
