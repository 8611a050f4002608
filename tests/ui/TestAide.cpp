// The help window and the shipped help file.
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "AdjoraConfig.h"
#include "DossierLexiques.h"
#include "FenetreAide.h"
#include "MainFormFile.h"

class TestAide : public QObject {
    Q_OBJECT

  private slots:
    void fichierPresent() {
        DossierLexiques dossier;
        dossier.Ecrire(QStringLiteral("Adjora.hlp"),
                       QStringLiteral("<html><body><h1 id=\"sommaire\">Sommaire de l'aide</h1>"
                                      "<p>Règles</p>%1<p id=\"fin\">Fin</p></body></html>")
                           .arg(QStringLiteral("<p>ligne</p>").repeated(200))
                           .toUtf8());
        TMainForm fenetre;
        QVERIFY(!fenetre.Aide());
        fenetre.HelpContents();
        FenetreAide* aide = fenetre.Aide();
        QVERIFY(aide);
        QVERIFY(aide->isVisible());
        QVERIFY(aide->isWindow());
        QVERIFY(!aide->isModal());
        QCOMPARE(aide->parentWidget(), &fenetre);
        QCOMPARE(aide->windowTitle(), QStringLiteral("Aide - Adjora 1.0"));
        QVERIFY(aide->toPlainText().startsWith(QStringLiteral("Sommaire de l'aide")));
        QVERIFY(aide->toPlainText().contains(QStringLiteral("Règles")));

        // Scrolled away and closed, it comes back at the contents, same window.
        aide->scrollToAnchor(QStringLiteral("fin"));
        aide->close();
        fenetre.HelpContents();
        QCOMPARE(fenetre.Aide(), aide);
        QVERIFY(aide->isVisible());
        QCOMPARE(aide->verticalScrollBar()->value(), 0);
        QCOMPARE(fenetre.findChildren<FenetreAide*>().size(), 1);
    }

    void fichierAbsent() {
        DossierLexiques dossier;
        TMainForm fenetre;
        fenetre.HelpContents();
        QVERIFY(fenetre.Aide());
        const QString texte = fenetre.Aide()->toPlainText();
        QVERIFY(texte.contains(QStringLiteral("Adjora.hlp")));
        QVERIFY(texte.contains(QStringLiteral("introuvable")));
        QVERIFY(!FenetreAide(nullptr).Ouvrir(dossier.Chemin(QStringLiteral("Adjora.hlp"))));
    }

    void fichierIllisible() {
        DossierLexiques dossier;
        // A directory of that name cannot be read as a file.
        QVERIFY(QDir(dossier.Chemin({})).mkdir(QStringLiteral("Adjora.hlp")));
        FenetreAide aide(nullptr);
        QVERIFY(!aide.Ouvrir(QStringLiteral("Adjora.hlp")));
        QVERIFY(aide.toPlainText().contains(QStringLiteral("Adjora.hlp")));
    }

    void fichierLivre() {
        const QString chemin = QStringLiteral(ADJORA_DONNEES_BUILD "/Adjora.hlp");
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(fichier.readAll());
        FenetreAide aide(nullptr);
        QVERIFY(aide.Ouvrir(chemin));
        const QString texte = aide.toPlainText();
        for (const char* attendu : {"Pluriel", "Féminin", "except_A.lex", "except_H.lex", "850",
                                    "49", "Imprimer", "belles"}) {
            QVERIFY2(texte.contains(QString::fromUtf8(attendu)), attendu);
        }
        // Every internal link leads to an anchor of the document.
        const QRegularExpression lien(QStringLiteral("href=\"#([^\"]+)\""));
        int liens = 0;
        for (const auto& m : lien.globalMatch(html)) {
            ++liens;
            const QString cible = m.captured(1);
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(cible)) ||
                         html.contains(QStringLiteral("name=\"%1\"").arg(cible)),
                     qPrintable(cible));
        }
        QVERIFY(liens >= 5);
    }
};

QTEST_MAIN(TestAide)
#include "TestAide.moc"
