// Printing: the window image at the printer's scale.
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

#include "DossierLexiques.h"
#include "Impression.h"
#include "MainFormFile.h"

class TestImpression : public QObject {
    Q_OBJECT

  private:
    static QRect ImprimerEnPdf(const QString& fichier, int dpi, const QPixmap& image) {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(fichier);
        imprimante.setResolution(dpi);
        return ImprimerImage(imprimante, image);
    }

  private slots:
    void tailleEnPoints_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("attendue");
        // 313 x 323 pixels at 96 per inch, to the nearest dot.
        QTest::newRow("96") << 96 << QSize(313, 323);
        QTest::newRow("300") << 300 << QSize(978, 1009);    // 978.1, 1009.4
        QTest::newRow("600") << 600 << QSize(1956, 2019);   // 1956.25, 2018.75
        QTest::newRow("1200") << 1200 << QSize(3913, 4038); // 3912.5 rounds up, 4037.5
    }
    void tailleEnPoints() {
        QFETCH(int, dpi);
        QFETCH(QSize, attendue);
        DossierLexiques dossier;
        TMainForm fenetre;
        const QPixmap image = fenetre.grab();
        QCOMPARE(image.deviceIndependentSize().toSize(), QSize(313, 323));
        const QString pdf = dossier.Chemin(QStringLiteral("page.pdf"));
        const QRect dessine = ImprimerEnPdf(pdf, dpi, image);
        QCOMPARE(dessine.topLeft(), QPoint(0, 0));
        QCOMPARE(dessine.size(), attendue);
        QCOMPARE(EnPoints(313, dpi), attendue.width());
        // The job was ended: the document is complete on disk.
        QFile fichier(pdf);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray octets = fichier.readAll();
        QVERIFY(octets.startsWith("%PDF"));
        QVERIFY(octets.trimmed().endsWith("%%EOF"));
    }

    void imageCouranteDeLaFenetre() {
        DossierLexiques dossier;
        TMainForm fenetre;
        const QImage avant = fenetre.grab().toImage();
        fenetre.Entree->setText(QStringLiteral("belles"));
        QTest::keyClick(fenetre.Entree, Qt::Key_Return);
        const QImage apres = fenetre.grab().toImage();
        QCOMPARE(apres.size(), avant.size());
        QVERIFY(apres != avant); // the result shows in the printed image
    }

    void travailImpossible() {
        DossierLexiques dossier;
        TMainForm fenetre;
        const QRect dessine = ImprimerEnPdf(
            dossier.Chemin(QStringLiteral("absent/sous/dossier/page.pdf")), 300, fenetre.grab());
        QVERIFY(dessine.isEmpty());
        // The window stays usable.
        fenetre.Entree->setText(QStringLiteral("grandes"));
        QTest::keyClick(fenetre.Entree, Qt::Key_Return);
        QVERIFY(!fenetre.Lemme->text().isEmpty());
    }

    void sansImprimanteAucunDialogue() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is configured on this machine");
        }
        DossierLexiques dossier;
        TMainForm fenetre;
        QStringList messages;
        fenetre.AfficherMessage = [&](const QString& texte) { messages << texte; };
        fenetre.FilePrint();
        fenetre.FilePrint();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0], QStringLiteral("Aucune imprimante par défaut n'est sélectionnée."));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestImpression)
#include "TestImpression.moc"
