// A temporary current directory holding the lexicon files a test needs. The
// lexicons loaded meanwhile are freed when it goes (windows must go first).
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include "Lemmatiseur.h"
#include "PagesDeCode.h"

class DossierLexiques {
  public:
    // `contenus`: letter ("A".."H") -> file text in UTF-8, written in code
    // page 850. Letters listed in `absents` get no file at all; the others
    // not in `contenus` get an empty file.
    explicit DossierLexiques(const QMap<QString, QString>& contenus = {},
                             const QStringList& absents = {})
        : precedent_(QDir::currentPath()) {
        QVERIFY(dossier_.isValid());
        for (const QChar lettre : QStringLiteral("ABCDEFGH")) {
            if (absents.contains(lettre)) {
                continue;
            }
            Ecrire(QStringLiteral("except_%1.lex").arg(lettre),
                   VersCp850(contenus.value(QString(lettre))));
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

    static QByteArray VersCp850(const QString& texte) {
        QByteArray sortie;
        for (const char octet : pages::Utf8VersCp1252(texte.toUtf8().toStdString()).texte) {
            sortie.append(pages::Cp1252VersCp850(octet));
        }
        return sortie;
    }

  private:
    QString precedent_;
    QTemporaryDir dossier_;
};
