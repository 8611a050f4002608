// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The tool bar's help and print actions, and the shipped help file.
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "AdjoraConfig.h"
#include "Commun.h"
#include "FenetreAide.h"
#include "Impression.h"

namespace {

QRect ImprimerEnPdf(const QString& fichier, int dpi, const QPixmap& image) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier);
    imprimante.setResolution(dpi);
    return ImprimerImage(imprimante, image);
}

} // namespace

class TestBarreOutils : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DossierLexiques> dossier_;
    std::unique_ptr<TMainForm> f_;

  private slots:
    void init() {
        dossier_ = std::make_unique<DossierLexiques>();
        f_ = std::make_unique<TMainForm>();
    }
    void cleanup() {
        f_.reset();
        dossier_.reset();
    }

    void aidePresente() {
        dossier_->Ecrire("Adjora.hlp", QStringLiteral("<h1>Sommaire</h1><p>Règles</p>%1"
                                                      "<p id=\"fin\">Fin</p>")
                                           .arg(QString("<p>ligne</p>").repeated(200))
                                           .toUtf8());
        QVERIFY(!f_->Aide());
        f_->SpeedExplications->click();
        FenetreAide* aide = f_->Aide();
        QVERIFY(aide && aide->isVisible() && aide->isWindow() && !aide->isModal());
        QCOMPARE(aide->parentWidget(), f_.get());
        QCOMPARE(aide->windowTitle(), "Aide - Adjora 1.0");
        QVERIFY(aide->toPlainText().startsWith("Sommaire\nRègles\n"));
        // Scrolled away and closed, it comes back at the contents, same window.
        aide->scrollToAnchor("fin");
        QVERIFY(aide->verticalScrollBar()->value() > 0);
        aide->close();
        f_->HelpContents();
        QVERIFY(f_->Aide() == aide && aide->isVisible());
        QCOMPARE(aide->verticalScrollBar()->value(), 0);
        QCOMPARE(f_->findChildren<FenetreAide*>().size(), 1);
    }

    void aideIllisible_data() {
        QTest::addColumn<bool>("dossier");
        QTest::newRow("absente") << false;
        QTest::newRow("dossier du même nom") << true;
    }
    void aideIllisible() {
        QFETCH(bool, dossier);
        QVERIFY(!dossier || QDir().mkdir("Adjora.hlp"));
        f_->HelpContents();
        QVERIFY(f_->Aide() && f_->Aide()->isVisible());
        QCOMPARE(f_->Aide()->toPlainText(),
                 QStringLiteral("Aide indisponible\nLe fichier d'aide Adjora.hlp est introuvable "
                                "ou illisible dans le dossier courant (%1).")
                     .arg(QDir::currentPath()));
        QVERIFY(!f_->Aide()->Ouvrir("Adjora.hlp"));
    }

    void aideLivree() {
        QFile fichier(ADJORA_DONNEES_BUILD "/Adjora.hlp");
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(fichier.readAll());
        FenetreAide aide(nullptr);
        QVERIFY(aide.Ouvrir(fichier.fileName()));
        for (const char* attendu :
             {"Pluriel", "Féminin", "except_A.lex", "except_H.lex", "850", "Imprimer", "belles"}) {
            QVERIFY2(aide.toPlainText().contains(attendu), attendu);
        }
        // Every internal link leads to an anchor of the document.
        int liens = 0;
        for (const auto& lien : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
            const QString cible = lien.captured(1);
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(cible)) ||
                         html.contains(QStringLiteral("name=\"%1\"").arg(cible)),
                     qPrintable(cible));
            ++liens;
        }
        QVERIFY(liens >= 5);
    }

    void impressionEnPoints_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("attendue");
        // 313 x 323 pixels at 96 per inch, to the nearest dot.
        QTest::newRow("300") << 300 << QSize(978, 1009);    // 978.1, 1009.4
        QTest::newRow("600") << 600 << QSize(1956, 2019);   // 1956.25, 2018.75
        QTest::newRow("1200") << 1200 << QSize(3913, 4038); // 3912.5 rounds up, 4037.5
    }
    void impressionEnPoints() {
        QFETCH(int, dpi);
        QFETCH(QSize, attendue);
        const QString pdf = dossier_->Chemin("page.pdf");
        QCOMPARE(ImprimerEnPdf(pdf, dpi, f_->grab()), QRect(QPoint(0, 0), attendue));
        // The job was ended: the document is complete on disk.
        QFile fichier(pdf);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray octets = fichier.readAll();
        QVERIFY(octets.startsWith("%PDF") && octets.trimmed().endsWith("%%EOF"));
    }

    void impressionImpossible() {
        QVERIFY(ImprimerEnPdf(dossier_->Chemin("absent/page.pdf"), 300, f_->grab()).isEmpty());
        Analyser(*f_, "grandes"); // the window stays usable
        QVERIFY(!f_->Lemme->text().isEmpty());
    }

    void sansImprimanteAucunDialogue() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is configured on this machine");
        }
        QStringList messages;
        f_->AfficherMessage = [&](const QString& texte) { messages << texte; };
        f_->SpeedImprimer->click();
        f_->FilePrint();
        QCOMPARE(messages, QStringList(2, "Aucune imprimante par défaut n'est sélectionnée."));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestBarreOutils)
#include "TestBarreOutils.moc"
