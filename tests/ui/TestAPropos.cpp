// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box: content, layout, keys, closing and modality.
#include <QFontInfo>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "Commun.h"
#include "Polices.h"

namespace {

// Family, pixel size and style of a font, and the family it resolves to.
QString Decrire(const QFont& police) {
    return QStringLiteral("%1 %2%3%4 -> %5")
        .arg(police.family())
        .arg(police.pixelSize())
        .arg(police.bold() ? " gras" : "", police.italic() ? " italique" : "",
             QFontInfo(police).family());
}

} // namespace

class TestAPropos : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TAboutBox> boite_;

    // Runs `pendant` once the box is up (modal), then returns exec()'s result.
    int Montrer(const std::function<void()>& pendant) {
        bool appele = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(boite_->isVisible());
            appele = true;
            pendant();
            if (boite_->isVisible()) { // a failed check must not leave the loop hanging
                QTimer::singleShot(0, boite_.get(), [this] { boite_->done(99); });
            }
        });
        const int resultat = boite_->exec();
        [&] { QVERIFY(appele); }();
        return resultat;
    }

  private slots:
    void initTestCase() { InstallerSubstitutions(); }
    void init() { boite_ = std::make_unique<TAboutBox>(); }
    void cleanup() { boite_.reset(); }

    void fenetre() {
        QCOMPARE(boite_->windowTitle(), "A propos de...");
        QCOMPARE(boite_->pos(), QPoint(310, 130));
        QCOMPARE(boite_->minimumSize(), QSize(290, 190));
        QCOMPARE(boite_->maximumSize(), QSize(290, 190));
        const Qt::WindowFlags drapeaux = boite_->windowFlags();
        QVERIFY(drapeaux & Qt::WindowStaysOnTopHint && drapeaux & Qt::WindowCloseButtonHint);
        QVERIFY(!(drapeaux & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!boite_->isVisible());
        // Enter acts only through the focused button, which is no default one.
        QVERIFY(!boite_->AboutButtonOk->isDefault() && !boite_->AboutButtonOk->autoDefault());
    }

    void controles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometrie");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("police");
        QTest::addColumn<QColor>("couleur"); // of a read-only field's text
        const auto ligne = [](const char* nom, QRect geometrie, const QString& texte,
                              const char* police, QColor couleur = {}) {
            QTest::newRow(nom) << QString(nom) << geometrie << texte << QString(police) << couleur;
        };
        ligne("Edit1", {96, 4, 97, 25}, "Adjora 1.0", "MS Sans Serif 16 gras -> Liberation Sans",
              Qt::red);
        ligne("Edit2", {108, 24, 73, 17}, "30 mai 1998",
              "Times New Roman 13 italique -> Liberation Serif", Qt::black);
        ligne("Memo1", {22, 51, 245, 99},
              "Lemmatiseur d'adjectifs\nqualificatifs français\n\n" ADJORA_MAINTENEUR_NOM
              "\nEmail : " ADJORA_MAINTENEUR_EMAIL,
              "Comic Sans MS 13 -> Comic Neue", Qt::blue);
        ligne("AboutButtonOk", {112, 160, 65, 25}, "OK", "MS Sans Serif 11 -> Liberation Sans");
    }
    void controles() {
        QFETCH(QString, nom);
        QFETCH(QRect, geometrie);
        QFETCH(QString, texte);
        QFETCH(QString, police);
        QFETCH(QColor, couleur);
        auto* controle = boite_->findChild<QWidget*>(nom);
        QVERIFY(controle);
        QCOMPARE(controle->geometry(), geometrie);
        QCOMPARE(controle->property(controle == boite_->Memo1 ? "plainText" : "text").toString(),
                 texte);
        QCOMPARE(Decrire(controle->font()), police);
        if (couleur.isValid()) {
            QCOMPARE(controle->palette().color(QPalette::Text), couleur);
            QVERIFY(controle->property("readOnly").toBool());
        }
    }

    void proprietes() {
        QVERIFY(!boite_->Edit1->hasFrame() && !boite_->Edit2->hasFrame());
        QCOMPARE(boite_->Memo1->palette().color(QPalette::Base),
                 boite_->palette().color(QPalette::Light));
        QCOMPARE(boite_->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(boite_->Memo1->document()->defaultTextOption().alignment() &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
    }

    void focusEtTabulation() {
        QStringList ordre;
        Montrer([&] {
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), boite_->AboutButtonOk, 1000);
            ordre = ParcoursTabulation(4);
            boite_->AboutButtonOk->click();
        });
        QCOMPARE(ordre, QStringList({"AboutButtonOk", "Memo1", "Edit1", "Edit2", "AboutButtonOk"}));
    }

    void entreeFerme_data() {
        QTest::addColumn<int>("touche");
        QTest::newRow("Entrée") << int(Qt::Key_Return);
        QTest::newRow("Entrée du pavé") << int(Qt::Key_Enter);
        QTest::newRow("espace") << int(Qt::Key_Space);
    }
    void entreeFerme() {
        QFETCH(int, touche);
        const int resultat = Montrer([&] {
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), boite_->AboutButtonOk, 1000);
            QTest::keyClick(boite_->AboutButtonOk, Qt::Key(touche));
        });
        QCOMPARE(resultat, int(QDialog::Rejected));
        QVERIFY(!boite_->isVisible());
    }

    void echapSansEffetCaseFerme() {
        boite_->move(200, 220);
        bool encoreVisible = false;
        const int resultat = Montrer([&] {
            QTest::keyClick(boite_->AboutButtonOk, Qt::Key_Escape);
            QTest::keyClick(boite_.get(), Qt::Key_Escape);
            QCoreApplication::processEvents();
            encoreVisible = boite_->isVisible();
            boite_->close(); // the title bar's close box
        });
        QVERIFY(encoreVisible);
        QCOMPARE(resultat, int(QDialog::Rejected));
        QVERIFY(!boite_->isVisible());
        QCOMPARE(boite_->pos(), QPoint(200, 220)); // kept for the next showing
    }

    void modaleEtMemeInstance() {
        DossierLexiques lexiques;
        TMainForm fenetre;
        AboutBox = boite_.get();
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

        for (int fois = 0; fois < 2; ++fois) {
            bool modale = false;
            QTimer::singleShot(0, this, [&] {
                QTRY_VERIFY(boite_->isVisible());
                modale = QApplication::activeModalWidget() == boite_.get() && boite_->isModal();
                // Keys and clicks meant for the main window are ignored meanwhile.
                QTest::keyClick(fenetre.windowHandle(), Qt::Key_A);
                QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {},
                                  fenetre.SpeedImprimer->geometry().center());
                boite_->AboutButtonOk->click();
            });
            QTest::mouseClick(fenetre.SpeedApropos, Qt::LeftButton);
            QVERIFY(modale);
            QVERIFY(!boite_->isVisible());
        }
        QCOMPARE(AboutBox, boite_.get());
        QVERIFY(fenetre.Entree->text().isEmpty());
        AboutBox = nullptr;
    }
};

QTEST_MAIN(TestAPropos)
#include "TestAPropos.moc"
