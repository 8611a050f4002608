// The about box: content, layout, keys, closing and modality.
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "DossierLexiques.h"
#include "MainFormFile.h"
#include "Polices.h"

namespace {

// Records the window-blocking events a window receives.
class Bloquages : public QObject {
  public:
    int bloque = 0;
    int debloque = 0;
    bool eventFilter(QObject*, QEvent* evenement) override {
        bloque += evenement->type() == QEvent::WindowBlocked;
        debloque += evenement->type() == QEvent::WindowUnblocked;
        return false;
    }
};

} // namespace

class TestAPropos : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TAboutBox> boite_;

    // Runs `pendant` once the box is up (modal), then exec()'s result.
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
        QCOMPARE(boite_->windowTitle(), QStringLiteral("A propos de..."));
        QCOMPARE(boite_->size(), QSize(290, 190));
        QCOMPARE(boite_->minimumSize(), boite_->maximumSize());
        QCOMPARE(boite_->pos(), QPoint(310, 130));
        const Qt::WindowFlags drapeaux = boite_->windowFlags();
        QVERIFY(drapeaux.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(drapeaux.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!drapeaux.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!drapeaux.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!boite_->isVisible());
    }

    void controles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometrie");
        QTest::newRow("Edit1") << "Edit1" << QRect(96, 4, 97, 25);
        QTest::newRow("Edit2") << "Edit2" << QRect(108, 24, 73, 17);
        QTest::newRow("Memo1") << "Memo1" << QRect(22, 51, 245, 99);
        QTest::newRow("AboutButtonOk") << "AboutButtonOk" << QRect(112, 160, 65, 25);
    }
    void controles() {
        QFETCH(QString, nom);
        QFETCH(QRect, geometrie);
        auto* controle = boite_->findChild<QWidget*>(nom);
        QVERIFY(controle);
        QCOMPARE(controle->geometry(), geometrie);
        // All four are centred on the middle of the box.
        QVERIFY(qAbs(2 * controle->x() + controle->width() - 290) <= 1);
    }

    void textesEtPolices() {
        QCOMPARE(boite_->Edit1->text(), QStringLiteral("Adjora 1.0"));
        QCOMPARE(boite_->Edit2->text(), QStringLiteral("30 mai 1998"));
        QCOMPARE(boite_->AboutButtonOk->text(), QStringLiteral("OK"));
        const QStringList lignes = boite_->Memo1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lignes.size(), 5);
        QCOMPARE(lignes[0], QStringLiteral("Lemmatiseur d'adjectifs"));
        QCOMPARE(lignes[1], QStringLiteral("qualificatifs français"));
        QCOMPARE(lignes[2], QString());
        QCOMPARE(lignes[3], QString::fromUtf8(ADJORA_MAINTENEUR_NOM));
        QCOMPARE(lignes[4],
                 QStringLiteral("Email : ") + QString::fromUtf8(ADJORA_MAINTENEUR_EMAIL));

        const QFont titre = boite_->Edit1->font();
        QCOMPARE(titre.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(titre.pixelSize(), 16);
        QVERIFY(titre.bold());
        const QFont date = boite_->Edit2->font();
        QCOMPARE(date.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(date.pixelSize(), 13);
        QVERIFY(date.italic());
        const QFont memo = boite_->Memo1->font();
        QCOMPARE(memo.family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(memo.pixelSize(), 13);
        QVERIFY(!memo.bold() && !memo.italic());
        QCOMPARE(boite_->AboutButtonOk->font().pixelSize(), 11);
        if (QFontDatabase::hasFamily(QStringLiteral("Comic Neue"))) {
            QCOMPARE(QFontInfo(memo).family(), QStringLiteral("Comic Neue"));
        }

        QCOMPARE(boite_->Edit1->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(boite_->Edit2->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(boite_->Memo1->palette().color(QPalette::Text), QColor(Qt::blue));
        QCOMPARE(boite_->Memo1->palette().color(QPalette::Base),
                 boite_->palette().color(QPalette::Light));
        for (QLineEdit* champ : {boite_->Edit1, boite_->Edit2}) {
            QVERIFY(champ->isReadOnly());
            QVERIFY(!champ->hasFrame());
        }
        QVERIFY(boite_->Memo1->isReadOnly());
        QCOMPARE(boite_->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(boite_->Memo1->document()->defaultTextOption().alignment() &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
    }

    void boutonNiDefautNiAnnulation() {
        QVERIFY(!boite_->AboutButtonOk->isDefault());
        QVERIFY(!boite_->AboutButtonOk->autoDefault());
    }

    void ordreDeTabulation() {
        QWidget* w = boite_->AboutButtonOk;
        QStringList ordre;
        do {
            if (w->focusPolicy() & Qt::TabFocus) {
                ordre << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != boite_->AboutButtonOk);
        QCOMPARE(ordre, QStringList({"AboutButtonOk", "Memo1", "Edit1", "Edit2"}));
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
            QTRY_COMPARE(QApplication::focusWidget(), boite_->AboutButtonOk);
            QTest::keyClick(boite_->AboutButtonOk, Qt::Key(touche));
        });
        QCOMPARE(resultat, int(QDialog::Rejected));
        QVERIFY(!boite_->isVisible());
    }

    void echapNeFermePas() {
        bool encoreVisible = false;
        const int resultat = Montrer([&] {
            QTest::keyClick(boite_->AboutButtonOk, Qt::Key_Escape);
            QTest::keyClick(boite_.get(), Qt::Key_Escape);
            QCoreApplication::processEvents();
            encoreVisible = boite_->isVisible();
            QTest::mouseClick(boite_->AboutButtonOk, Qt::LeftButton);
        });
        QVERIFY(encoreVisible);
        QCOMPARE(resultat, int(QDialog::Rejected));
    }

    void caseDeFermetureCommeOk() {
        const int resultat = Montrer([&] { boite_->close(); });
        QCOMPARE(resultat, int(QDialog::Rejected));
        QVERIFY(!boite_->isVisible());
    }

    void modaleEtMemeInstance() {
        DossierLexiques lexiques;
        TMainForm fenetre;
        MainForm = &fenetre;
        AboutBox = boite_.get();
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        Bloquages bloquages;
        fenetre.installEventFilter(&bloquages);

        for (int fois = 0; fois < 2; ++fois) {
            bool vu = false;
            QTimer::singleShot(0, this, [&] {
                QTRY_VERIFY(boite_->isVisible());
                vu = QApplication::activeModalWidget() == boite_.get() && boite_->isModal();
                // Keys and clicks meant for the main window are ignored meanwhile.
                QTest::keyClick(fenetre.windowHandle(), Qt::Key_A);
                QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {},
                                  fenetre.SpeedImprimer->geometry().center());
                boite_->AboutButtonOk->click();
            });
            QTest::mouseClick(fenetre.SpeedApropos, Qt::LeftButton);
            QVERIFY(vu);
            QVERIFY(!boite_->isVisible());
            QCOMPARE(AboutBox, boite_.get());
            QCOMPARE(boite_->Edit1->text(), QStringLiteral("Adjora 1.0"));
        }
        QVERIFY(fenetre.Entree->text().isEmpty());
        QVERIFY(bloquages.bloque >= 1);
        QVERIFY(bloquages.debloque >= 1);
        AboutBox = nullptr;
        MainForm = nullptr;
    }

    void positionConservee() {
        boite_->move(200, 220);
        const int resultat = Montrer([&] { boite_->AboutButtonOk->click(); });
        QCOMPARE(resultat, int(QDialog::Rejected));
        QCOMPARE(boite_->pos(), QPoint(200, 220));
    }
};

QTEST_MAIN(TestAPropos)
#include "TestAPropos.moc"
