// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Error reports at start-up: modal boxes through the window presenter,
// raised while the main window loads its lexicons, before it shows.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "Commun.h"
#include "MessageErreur.h"
#include "Presentateur.h"

namespace {

struct Boite {
    QString titre;
    QString texte;
    bool fenetreVisible; // whether any window showed when the box came
};

// Records the boxes shown while it lives, in place of the real ones.
class Enregistreur {
  public:
    QList<Boite> boites;
    Enregistreur() {
        precedent_ = InstallerPresentateur(
            PresentateurFenetre([this](const QString& titre, const QString& texte) {
                const QWidgetList fenetres = QApplication::topLevelWidgets();
                boites.append({titre, texte,
                               std::any_of(fenetres.begin(), fenetres.end(),
                                           [](QWidget* w) { return w->isVisible(); })});
            }));
    }
    ~Enregistreur() { InstallerPresentateur(precedent_); }

  private:
    PresentateurErreur precedent_;
};

} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT

  private slots:
    void rapportsAuChargement_data() {
        QTest::addColumn<QString>("absents");
        QTest::addColumn<QString>("lexiqueC");
        QTest::addColumn<QStringList>("rapports"); // the heart of each box, in order
        const QString ouvrir = "* MESSAGE : Opération impossible\n* MODULE : GESTION DES "
                               "FICHIERS\n* FONCTION : fOuvrir\n";
        const QString compte = "* MESSAGE : Nombre d'adjectifs incomplet !\n* MODULE : "
                               "Lemmatiseur\n* FONCTION : ChargerDouble\n";
        QTest::newRow("complets") << ""
                                  << "blanche blanc\n"
                                  << QStringList();
        QTest::newRow("D absent") << "D"
                                  << "" << QStringList{ouvrir};
        QTest::newRow("A et H absents, C coupé après une forme")
            << "AH"
            << "blanche blanc verte" << QStringList{ouvrir, compte, ouvrir};
    }
    void rapportsAuChargement() {
        QFETCH(QString, absents);
        QFETCH(QString, lexiqueC);
        QFETCH(QStringList, rapports);
        DossierLexiques dossier({{u'C', lexiqueC}, {u'H', "marron\n"}}, absents);
        Enregistreur enregistreur;
        TMainForm fenetre;
        QCOMPARE(enregistreur.boites.size(), rapports.size());
        for (int i = 0; i < rapports.size(); ++i) {
            const Boite& boite = enregistreur.boites[i];
            QCOMPARE(boite.titre, "Erreur à l'execution");
            QVERIFY2(boite.texte.contains(rapports[i]), qPrintable(boite.texte));
            QVERIFY(!boite.fenetreVisible); // shown before the window
        }
        if (!absents.contains('H')) { // start-up went on to load the last lexicon
            Analyser(fenetre, "marron");
            QCOMPARE(fenetre.ItemGenre(), 2);
        }
    }

    void conversionDesTextes() {
        Enregistreur enregistreur;
        QCOMPARE(MessageErreur("Mémoire saturée ! 100 %s"_cp850, "CHVAR", "AllocChVar"), 1);
        QCOMPARE(enregistreur.boites.size(), 1);
        const QString& texte = enregistreur.boites[0].texte;
        QVERIFY(texte.contains("* MESSAGE : Mémoire saturée ! 100 %s\n* MODULE : CHVAR\n* "
                               "FONCTION : AllocChVar\n"));
        QVERIFY(texte.contains("Reportez toute erreur afin qu'elle soit corrigée à\n"));
        QVERIFY(!texte.contains(QChar::ReplacementCharacter));
        // No report, no caption: an empty box, no fault.
        QCOMPARE(PresentateurFenetre([](const QString& titre, const QString& x) {
                     QVERIFY(titre.isEmpty() && x.isEmpty());
                 })(nullptr, nullptr),
                 1);
    }

    void vraieBoiteModale() {
        QMessageBox* boite = nullptr;
        QString vu;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            vu = QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(boite->windowTitle(), boite->text())
                     .arg(boite->textFormat())
                     .arg(boite->icon())
                     .arg(boite->buttons().size())
                     .arg(boite->isModal() && !boite->parentWidget());
            boite->button(QMessageBox::Ok)->click();
        });
        AfficherBoiteErreur("Erreur à l'execution", "Erreur !\n\n* MESSAGE : <b>x</b>");
        // Plain text, no icon, one button, modal with no owner.
        QCOMPARE(vu, "Erreur à l'execution|Erreur !\n\n* MESSAGE : <b>x</b>|0|0|1|1");
    }
};

QTEST_MAIN(TestDemarrage)
#include "TestDemarrage.moc"
