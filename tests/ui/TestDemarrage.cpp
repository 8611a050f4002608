// Error reports at start-up: modal boxes through the window presenter,
// raised while the main window loads its lexicons, before it shows.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "DossierLexiques.h"
#include "MainFormFile.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"
#include "Presentateur.h"

namespace {

struct Boite {
    QString titre;
    QString texte;
    bool fenetreVisible;
};

bool UneFenetreVisible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            return true;
        }
    }
    return false;
}

// Installs a recording presenter for the lifetime of the object.
class Enregistreur {
  public:
    QList<Boite> boites;
    Enregistreur() {
        precedent_ = InstallerPresentateur(
            PresentateurFenetre([this](const QString& titre, const QString& texte) {
                boites.append({titre, texte, UneFenetreVisible()});
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
    void lexiqueManquant() {
        DossierLexiques dossier({{QStringLiteral("D"), QStringLiteral("facile\n")},
                                 {QStringLiteral("H"), QStringLiteral("marron\n")}},
                                {QStringLiteral("D")});
        Enregistreur enregistreur;
        TMainForm fenetre;
        QCOMPARE(enregistreur.boites.size(), 1);
        const Boite& boite = enregistreur.boites.first();
        QCOMPARE(boite.titre, QStringLiteral("Erreur à l'execution"));
        QVERIFY(boite.texte.contains(QStringLiteral("* MESSAGE : Opération impossible")));
        QVERIFY(boite.texte.contains(QStringLiteral("* FONCTION : fOuvrir")));
        QVERIFY(!boite.fenetreVisible);

        // Start-up went on: the lexicons after D were loaded.
        fenetre.show();
        fenetre.Entree->setText(QStringLiteral("marron"));
        QTest::keyClick(fenetre.Entree, Qt::Key_Return);
        QCOMPARE(fenetre.ItemGenre(), 2);
        QCOMPARE(fenetre.ItemNombre(), 2);
    }

    void plusieursRapportsALaSuite() {
        DossierLexiques dossier({{QStringLiteral("C"), QStringLiteral("blanche blanc verte")}},
                                {QStringLiteral("A"), QStringLiteral("H")});
        Enregistreur enregistreur;
        TMainForm fenetre;
        // A and H missing, C ending right after a form.
        QCOMPARE(enregistreur.boites.size(), 3);
        QVERIFY(enregistreur.boites[0].texte.contains(QStringLiteral("fOuvrir")));
        QVERIFY(enregistreur.boites[1].texte.contains(QStringLiteral("ChargerDouble")));
        QVERIFY(enregistreur.boites[2].texte.contains(QStringLiteral("fOuvrir")));
        for (const Boite& boite : enregistreur.boites) {
            QVERIFY(!boite.fenetreVisible);
        }
    }

    void sansErreurAucuneBoite() {
        DossierLexiques dossier({{QStringLiteral("C"), QStringLiteral("blanche blanc\n")}});
        Enregistreur enregistreur;
        TMainForm fenetre;
        QVERIFY(enregistreur.boites.isEmpty());
    }

    void conversionDesTextes() {
        Enregistreur enregistreur;
        const int reponse = MessageErreur("Mémoire saturée ! 100 %s"_cp850, "CHVAR", "AllocChVar");
        QCOMPARE(reponse, 1);
        QCOMPARE(enregistreur.boites.size(), 1);
        QVERIFY(enregistreur.boites[0].texte.contains(QStringLiteral("Mémoire saturée ! 100 %s")));
        QVERIFY(enregistreur.boites[0].texte.contains(QStringLiteral("corrigée")));
        QVERIFY(!enregistreur.boites[0].texte.contains(QChar::ReplacementCharacter));
    }

    void presentateurNulSansPlantage() {
        const PresentateurErreur p = PresentateurFenetre(
            [](const QString& t, const QString& x) { QVERIFY(t.isEmpty() && x.isEmpty()); });
        QCOMPARE(p(nullptr, nullptr), 1);
    }

    void vraieBoiteModale() {
        QString titre, texte;
        int boutons = -1;
        QMessageBox::Icon icone = QMessageBox::Critical;
        bool modale = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            titre = boite->windowTitle();
            texte = boite->text();
            icone = boite->icon();
            boutons = boite->buttons().size();
            modale = boite->isModal() && !boite->parentWidget();
            boite->button(QMessageBox::Ok)->click();
        });
        AfficherBoiteErreur(QStringLiteral("Erreur à l'execution"),
                            QStringLiteral("Erreur !\n\n* MESSAGE : <b>x</b>"));
        QCOMPARE(titre, QStringLiteral("Erreur à l'execution"));
        QCOMPARE(texte, QStringLiteral("Erreur !\n\n* MESSAGE : <b>x</b>"));
        QCOMPARE(icone, QMessageBox::NoIcon);
        QCOMPARE(boutons, 1);
        QVERIFY(modale);
    }
};

QTEST_MAIN(TestDemarrage)
#include "TestDemarrage.moc"
