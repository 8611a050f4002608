// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a user meets it: typing, keys, focus, actions, printing, help,
// data, start-up, accessibility.
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "AboutBoxFile.h"
#include "Adjora.h"
#include "AdjoraConfig.h"
#include "Annonce.h"
#include "Bip.h"
#include "FenetreAide.h"
#include "FormesFile.h"
#include "Impression.h"
#include "Lemmatiseur.h"
#include "MainFormFile.h"
#include "PagesDeCode.h"
#include "Paradigmes.h"
#include "Placement.h"

namespace {

// A temporary current folder: lexicons C (two pairs) and H, others empty, and paradigms
// (P); none for the letters in `absents`; a help file when `aide`. Lexicons loaded meanwhile
// go with it.
struct Dossier {
    explicit Dossier(const QString& absents, bool aide = false) : precedent_(QDir::currentPath()) {
        QDir::setCurrent(dossier_.path());
        for (const QChar l : QStringLiteral("ABCDEFGH")) {
            if (!absents.contains(l)) {
                Ecrire(QStringLiteral("except_%1.lex").arg(l),
                       l == 'C' ? "blanche BLANC\npécheresse pécheur\n"_cp850
                                : (l == 'H' ? "marron\n" : ""));
            }
        }
        if (!absents.contains('P')) {
            Ecrire("paradigmes.lex",
                   "beau bel - belle - beaux - belles --\nabsous - - absous - --\n");
        }
        if (aide) {
            Ecrire("Adjora.hlp", "<p>ici</p>");
        }
    }
    ~Dossier() {
        LibererExceptions();
        LibererParadigmes();
        QDir::setCurrent(precedent_);
    }
    static void Ecrire(const QString& nom, const QByteArray& octets) {
        QFile fichier(nom);
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
    }
    QString precedent_;
    QTemporaryDir dossier_;
};

// The rows of a tab-separated case file of this folder, without # comments. A missing or
// empty file, or a row without `colonnes` columns, fails the test.
QList<QStringList> Cas(const QString& nom, int colonnes) {
    QFile fichier(ADJORA_CAS "/" + nom);
    fichier.open(QIODevice::ReadOnly);
    QList<QStringList> lignes;
    for (const QString& l : QString::fromUtf8(fichier.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList champs = l.split('\t');
        if (!l.startsWith('#') && champs.size() == colonnes) {
            lignes << champs;
        } else if (!l.startsWith('#')) {
            QTest::qFail(
                qPrintable(nom + ": a row without " + QString::number(colonnes) + " columns: " + l),
                __FILE__, __LINE__);
        }
    }
    if (lignes.isEmpty()) {
        QTest::qFail(qPrintable(nom + ": missing, unreadable or without cases"), __FILE__,
                     __LINE__);
    }
    return lignes;
}

// The engine's explanation of a word as the field holds it.
QString ExplicationMoteur(const QString& mot) {
    const std::string mot1252 = pages::Utf8VersCp1252(mot.toStdString()).texte;
    Analyse analyse{};
    return QString::fromStdString(
        pages::Cp1252VersUtf8(AnalyserAdjectif(mot1252.c_str(), &analyse)));
}

// "x y width height" or "x y", as written in the case files.
QRect Rectangle(const QString& texte) {
    const QStringList n = texte.split(' ');
    return {n.value(0).toInt(), n.value(1).toInt(), n.value(2).toInt(), n.value(3).toInt()};
}

// The one page of the PDF file `pdf`, rendered at 96 dots per inch by pdftoppm; a null
// image when it cannot be rendered or has another number of pages.
QImage Page(const QString& pdf) {
    QTemporaryDir dossier;
    if (QProcess::execute("pdftoppm", {"-r", "96", "-png", pdf, dossier.filePath("page")}) != 0) {
        return {};
    }
    if (QDir(dossier.path()).entryList({"page*"}) != QStringList{"page-1.png"}) {
        return {};
    }
    return QImage(dossier.filePath("page-1.png"));
}

QString Accessible(QObject* objet, QAccessible::Text quoi) {
    return QAccessible::queryAccessibleInterface(objet)->text(quoi);
}

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<Dossier> dossier_;
    std::unique_ptr<TMainForm> f_;
    TAboutBox aPropos_;
    QStringList messages_;           // print messages and printer requests, in place of their box
    QPrinter* imprimante_ = nullptr; // the printer "chosen" in place of the print dialog
    bool imprimantePresente_ = true; // false: a machine without a printer
    QString fichierPdf_;             // the file "chosen" in place of the save dialog
    int bips_ = 0;
    QStringList annonces_; // names of the notification each time it shows

    bool eventFilter(QObject* annonce, QEvent* evenement) override {
        if (evenement->type() == QEvent::Show) {
            annonces_ << Accessible(annonce, QAccessible::Name);
        }
        return false;
    }

    QString Resultat() const { // lemma, texts of the selected gender and number items
        QStringList texte{f_->Lemme->text()};
        for (const QButtonGroup* groupe : {f_->GroupeGenre(), f_->GroupeNombre()}) {
            texte << (groupe->checkedButton() ? groupe->checkedButton()->text() : "-");
        }
        return texte.join(", ");
    }

  private slots:
    void initTestCase() { AboutBox = &aPropos_; }
    void init() {
        dossier_ = std::make_unique<Dossier>("");
        f_ = std::make_unique<TMainForm>();
        f_->AfficherMessage = [this](const QString& texte) { messages_ << texte; };
        f_->ChoisirImprimante = [this] {
            messages_ << "impression";
            return imprimante_;
        };
        f_->ImprimantePresente = [this] { return imprimantePresente_; };
        f_->ChoisirFichierPdf = [this](const QString& propose) {
            messages_ << "pdf " + QFileInfo(propose).fileName();
            return fichierPdf_;
        };
        InstallerBip([this] { ++bips_; });
        f_->AnnonceResultat()->installEventFilter(this);
        f_->show();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    }
    void cleanup() {
        f_.reset();
        dossier_.reset();
        messages_.clear();
        imprimantePresente_ = true;
        fichierPdf_.clear();
        bips_ = 0;
        annonces_.clear();
    }

    // saisies.tsv: text pasted, then typed, then a key; what the field and the results show.
    void saisie_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QKeySequence>("touche");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("resultat");
        QTest::addColumn<int>("bips");
        for (const QStringList& c : Cas("saisies.tsv", 5)) {
            QTest::newRow(qPrintable(c[0] + " " + c[1]))
                << c[0] << QKeySequence(c[1]) << c[2] << c[3] << c[4].toInt();
        }
    }
    void saisie() {
        QFETCH(QString, tape);
        QFETCH(QString, champ);
        QFETCH(QString, resultat);
        QApplication::clipboard()->setText(tape);
        QTest::keySequence(f_->Entree, QKeySequence::Paste);
        QCOMPARE(f_->Entree->text(), champ);
        f_->Entree->clear();
        for (const char32_t c : tape.toUcs4()) { // any character, typed
            QTest::sendKeyEvent(QTest::Click, f_->Entree, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
        }
        QCOMPARE(f_->Entree->text(), champ);
        QFETCH(int, bips);
        QCOMPARE(bips_, bips);
        QFETCH(QKeySequence, touche);
        QVERIFY2(QString(QTest::currentDataTag()).endsWith(' ' + touche.toString()), "unknown key");
        QTest::keySequence(f_->Entree, touche);
        QTest::keySequence(f_->Entree, touche); // again: the same result, not doubled
        QCOMPARE(Resultat(), resultat);
        const bool analyse = !resultat.startsWith(',');
        QCOMPARE(f_->Explication->toPlainText(), analyse ? ExplicationMoteur(champ) : QString());
        // Told to screen readers as a notification at each Enter, the focus staying in the field.
        QCOMPARE(QAccessible::queryAccessibleInterface(f_->AnnonceResultat())->role(),
                 QAccessible::Notification);
        QStringList attendues; // the result once per Enter, when there is one
        if (analyse) {
            attendues = QStringList(2 * touche.count(), resultat);
        }
        QCOMPARE(annonces_, attendues);
        QCOMPARE(QApplication::focusWidget(), f_->Entree);
        QTest::keyClick(f_->Explication,
                        Qt::Key_Down); // a caret: the explanation read line by line
        QCOMPARE(f_->Explication->textCursor().position() > 0, analyse);
        QTest::keyClick(f_->Entree, Qt::Key_Backspace); // an edited word has no result yet
        QVERIFY(!f_->AnnonceResultat()->isVisible());
    }

    void codeInconnu() { // a code no item stands for leaves its group as it was
        QTest::keyClicks(f_->Entree, "blanches");
        QTest::keyClick(f_->Entree, Qt::Key_Return);
        const Analyse inconnue{"x", 4, 255};
        f_->AfficherAnalyse(inconnue, "");
        QCOMPARE(Resultat(), "x, Féminin, Pluriel");
    }

    void refus() { // a character refused in the middle of the word: a beep, nothing moves
        QTest::keyClicks(f_->Entree, "bele");
        f_->Entree->setCursorPosition(3);
        QTest::sendKeyEvent(QTest::Click, f_->Entree, Qt::Key_unknown, "Ω", Qt::NoModifier);
        QCOMPARE(f_->Entree->text().insert(f_->Entree->cursorPosition(), '|'), "bel|e");
        QCOMPARE(bips_, 1);
    }

    void focus() {
        QTest::keyClicks(f_->Entree, "blanches");
        QStringList ordre;
        for (int i = 0; i < 8; ++i) {
            QWidget* w = QApplication::focusWidget();
            ordre << (qobject_cast<QRadioButton*>(w) ? w->parentWidget() : w)->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(ordre.join(' '), "Entree Lemme Genre Nombre Explication Texte1 Texte2 Entree");
        QCOMPARE(Resultat(), ", -, -");                       // Tab analyses nothing
        QTest::mouseClick(f_->SpeedImprimer, Qt::LeftButton); // acts, takes no focus
        QCOMPARE(QApplication::focusWidget(), f_->Lemme);
        QCOMPARE(f_->Lemme->font().pixelSize(), 11);
        // The button's picture: its olive background transparent, its red light shown.
        const QImage image = f_->SpeedImprimer->icon().pixmap(20).toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(image.pixel(14, 11), qRgb(255, 0, 0));
    }

    // The print, help and about actions, by button or key from anywhere in the window.
    void actions_data() { // actions.tsv
        QTest::addColumn<QString>("depuis");
        QTest::addColumn<QKeySequence>("touche");
        QTest::addColumn<QString>("effet");
        for (const QStringList& c : Cas("actions.tsv", 3)) {
            QTest::newRow(qPrintable(c[0] + " " + c[1])) << c[0] << QKeySequence(c[1]) << c[2];
        }
    }
    void actions() {
        QFETCH(QString, depuis);
        QFETCH(QKeySequence, touche);
        QFETCH(QString, effet);
        auto* cible = f_->findChild<QWidget*>(depuis);
        QVERIFY2(cible, qPrintable("no control " + depuis));
        QVERIFY2(QString(QTest::currentDataTag()).endsWith(' ' + touche.toString()), "unknown key");
        cible->setFocus();
        const QSignalSpy apropos(AboutBox, &QDialog::finished);
        QTimer::singleShot(0, AboutBox, &QWidget::close); // the about box, once it shows
        if (touche.isEmpty()) {
            qobject_cast<QToolButton*>(cible)->click();
        } else {
            QTest::keySequence(cible, touche);
        }
        QTest::qWait(1);
        const QString vu =
            messages_.join("") + (f_->Aide() && f_->Aide()->isVisible() ? "aide" : "");
        QCOMPARE(vu + (apropos.isEmpty() ? "" : "apropos"), effet);
    }

    // The print button prints the window to a PDF file, as to any printer: its image at its
    // size on screen (96 pixels per inch) at the top left of the printable area, one page.
    void impression() {
        QTemporaryDir dossier;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFileName(dossier.filePath("fenetre.pdf"));
        imprimante_ = &pdf;
        f_->SpeedImprimer->click();
        const QImage page = Page(pdf.outputFileName()); // what is not white is printed:
        QVERIFY2(!page.isNull(), "no one-page PDF that pdftoppm (poppler-utils) renders");
        const QRect encre = QRegion(QBitmap::fromImage(page.createMaskFromColor(qRgb(255, 255, 255),
                                                                                Qt::MaskInColor)))
                                .boundingRect();
        const QRect attendu(pdf.pageLayout().paintRectPixels(96).topLeft(), f_->size());
        QVERIFY2(attendu.adjusted(-1, -1, 1, 1).contains(encre) &&
                     encre.contains(attendu.adjusted(1, 1, -1, -1)),
                 qPrintable(QDebug::toString(encre)));
        pdf.setOutputFileName("/nulle/part/fenetre.pdf"); // a job that cannot start
        f_->SpeedImprimer->click();
        QVERIFY(messages_.last().startsWith("L'impression n'a pas pu commencer"));
        imprimante_ = nullptr;
    }

    // sansimprimante.tsv: Ctrl+P on a machine without a printer; the page saved as PDF is the
    // one a printer would get.
    void sansImprimante_data() {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("vu");
        QTest::addColumn<bool>("page");
        for (const QStringList& c : Cas("sansimprimante.tsv", 4)) {
            QTest::newRow(qPrintable(c[0] + " " + c[1])) << c[0] << c[1] << c[2] << (c[3] == "1");
        }
    }
    void sansImprimante() {
        QFETCH(QString, mot);
        QFETCH(QString, fichier);
        QFETCH(QString, vu);
        QFETCH(bool, page);
        QTemporaryDir dossier;
        if (mot != "-") {
            QTest::keyClicks(f_->Entree, mot);
            QTest::keyClick(f_->Entree, Qt::Key_Return);
        }
        imprimantePresente_ = false;
        if (fichier != "-") {
            fichierPdf_ = fichier.replace('@', dossier.path());
        }
        QTest::keySequence(f_->Entree, RACCOURCI_IMPRIMER);
        QCOMPARE(messages_.join('|'), vu);
        if (!page) {
            return;
        }
        QPrinter imprimante(QPrinter::HighResolution); // a printer with its default settings
        imprimante.setOutputFileName(dossier.filePath("imprimante.pdf"));
        imprimante_ = &imprimante;
        imprimantePresente_ = true;
        QTest::keySequence(f_->Entree, RACCOURCI_IMPRIMER);
        imprimante_ = nullptr;
        const QImage enregistree = Page(fichierPdf_);
        QVERIFY2(!enregistree.isNull(), "no one-page PDF that pdftoppm (poppler-utils) renders");
        QCOMPARE(enregistree, Page(imprimante.outputFileName()));
    }

    // dialoguepdf.tsv: the save dialog of the PDF, as Qt shows it, and the file it answers.
    void dialoguePdf_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");
        for (QStringList c : Cas("dialoguepdf.tsv", 2)) {
            QTest::newRow(qPrintable(c[0]))
                << c[0].remove(QRegularExpression("^-$")) << c[1].remove(QRegularExpression("^-$"));
        }
    }
    void dialoguePdf() {
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        QTemporaryDir dossier;
        QString vu; // title, proposed name and filter of the dialog
        QTimer::singleShot(0, this, [&vu, &nom] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* champ = dialogue->findChild<QLineEdit*>("fileNameEdit");
            vu = dialogue->windowTitle() + "|" + champ->text() + "|" +
                 dialogue->nameFilters().join(',');
            if (nom.isEmpty()) {
                QTest::keyClick(champ, Qt::Key_Escape);
                return;
            }
            champ->setText(nom);
            QTest::keyClick(champ, Qt::Key_Return);
        });
        const QString fichier = DialogueFichierPdf(f_.get(), dossier.filePath("adjora-belles.pdf"));
        QCOMPARE(vu, "Enregistrer la fenêtre en PDF|adjora-belles.pdf|Documents PDF (*.pdf)");
        QCOMPARE(fichier, attendu.isEmpty() ? QString() : dossier.filePath(attendu));
    }

    // placements.tsv: a window's frame at its usual place and a screen's available area:
    // where the window opens.
    void placement_data() {
        QTest::addColumn<QRect>("cadre");
        QTest::addColumn<QRect>("zone");
        QTest::addColumn<QPoint>("place");
        for (const QStringList& c : Cas("placements.tsv", 3)) {
            QTest::newRow(qPrintable(c[0] + " in " + c[1]))
                << Rectangle(c[0]) << Rectangle(c[1]) << Rectangle(c[2]).topLeft();
        }
    }
    void placement() {
        QFETCH(QRect, cadre);
        QFETCH(QRect, zone);
        QFETCH(QPoint, place);
        QCOMPARE(PlaceDansZone(cadre, zone), place);
    }

    // ecrans.tsv: where the main window opens on the screen the test runs on (ui.Fenetre, and
    // ui.FenetreEchelle at scale factor 2), frame included.
    void placementFenetre() {
        const QRect zone = f_->screen()->availableGeometry();
        QString place;
        for (const QStringList& c : Cas("ecrans.tsv", 2)) {
            if (Rectangle(c[0]) == zone) {
                place = c[1];
            }
        }
        QVERIFY2(!place.isEmpty(),
                 qPrintable("no case for this screen: " + QDebug::toString(zone)));
        QCOMPARE(f_->frameGeometry().topLeft(), Rectangle(place).topLeft());
        QVERIFY2(zone.contains(f_->frameGeometry()),
                 qPrintable(QDebug::toString(f_->frameGeometry())));
    }

    void aide() {
        f_->SpeedExplications->click();
        FenetreAide* aide = f_->Aide();
        QVERIFY2(aide != nullptr, "the help window did not open");
        // Read by keyboard: the text has the focus, Down moves the caret, Tab reaches a link.
        QTRY_COMPARE(QApplication::focusWidget(), aide);
        QTest::keyClick(aide, Qt::Key_Down);
        QCOMPARE(aide->textCursor().blockNumber(), 1);
        QTest::keyClick(aide, Qt::Key_Tab);
        QCOMPARE(aide->textCursor().selectedText(), "Utiliser la fenêtre");
        QTest::keyClick(aide, Qt::Key_Return); // followed, the caret to its heading
        QTRY_COMPARE(aide->textCursor().blockFormat().headingLevel(), 2);
        // Beside the main window, on the screen, not over it.
        QVERIFY(!aide->frameGeometry().intersects(f_->frameGeometry()));
        QVERIFY(f_->screen()->availableGeometry().contains(aide->frameGeometry()));
        QTest::keyClick(aide, Qt::Key_Escape);
        QVERIFY(!aide->isVisible());
        aide->PlacerAcote(f_->frameGeometry(), QRect(0, 0, 1920, 1080)); // room on the right
        QVERIFY(aide->frameGeometry().left() > f_->frameGeometry().right());
        // The shipped help tells the keys.
        QVERIFY(aide->Ouvrir(ADJORA_DONNEES_BUILD "/Adjora.hlp"));
        for (const char* touche : {"F1 : ", "Ctrl+P : ", "Ctrl+I : ", "Ctrl+T : "}) {
            QVERIFY(aide->toPlainText().contains(touche));
        }
    }

    void aPropos() {
        bool modale = false;
        bool ouverte = false;
        bool fermee = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(AboutBox->isVisible());
            modale = QApplication::activeModalWidget() == AboutBox;
            QTest::keyClick(AboutBox->AboutButtonOk, Qt::Key_Escape); // no cancel button
            ouverte = AboutBox->isVisible();
            QTest::keyClick(AboutBox->AboutButtonOk, Qt::Key_Return);
            fermee = !AboutBox->isVisible();
            AboutBox->reject(); // never left open
        });
        QTest::mouseClick(f_->SpeedApropos, Qt::LeftButton);
        QVERIFY(modale && ouverte && fermee);
    }

    void nomsAccessibles_data() { // noms.tsv: control, accessible name, description
        QTest::addColumn<QString>("attendu");
        for (const QStringList& c : Cas("noms.tsv", 3)) {
            QTest::newRow(qPrintable(c[0])) << c[1] + "|" + c[2];
        }
    }
    void nomsAccessibles() {
        QFETCH(QString, attendu);
        const QString nom = QTest::currentDataTag();
        f_->ToutesLesFormes();
        QWidget* controle = f_->findChild<QWidget*>(nom);
        if (controle == nullptr) {
            controle = AboutBox->findChild<QWidget*>(nom);
        }
        QVERIFY2(controle, qPrintable("no control " + nom));
        const QString description = Accessible(controle, QAccessible::Description);
        QCOMPARE(Accessible(controle, QAccessible::Name) + "|" + description, attendu);
        if (qobject_cast<QToolButton*>(controle)) { // the hint, with the key if any
            QCOMPARE(controle->toolTip(), description);
        }
    }

    void donnees_data() { // donnees.tsv
        QTest::addColumn<QString>("absents");
        QTest::addColumn<bool>("aideIci");
        QTest::addColumn<QString>("programme");
        QTest::addColumn<int>("rapports");
        QTest::addColumn<QString>("lemme");
        QTest::addColumn<bool>("regles");
        for (QStringList c : Cas("donnees.tsv", 7)) {
            QTest::newRow(qPrintable(c[0])) << c[1].remove('-') << (c[2] == "1") << c[3].remove('=')
                                            << c[4].toInt() << c[5] << (c[6] == "1");
        }
    }
    void donnees() {
        QFETCH(QString, absents);
        QFETCH(bool, aideIci);
        QFETCH(QString, programme);
        QFETCH(int, rapports);
        QFETCH(QString, lemme);
        QFETCH(bool, regles);
        cleanup();
        int ouvertures = 0; // reports of files that cannot be opened
        const PresentateurErreur avant =
            InstallerPresentateur([&](const char* rapport, const char*) {
                ouvertures += QByteArray(rapport).contains("fOuvrir");
                return 1;
            });
        dossier_ = std::make_unique<Dossier>(absents, aideIci);
        QDir().mkpath("share/adjora");
        Dossier::Ecrire("share/adjora/except_H.lex", "belles\n"); // used once installed only
        std::vector<std::string> dossiers = DossiersDonnees(programme.toStdString());
        if (programme == "-") {
            dossiers.resize(1);
        }
        const QString ici = QDir::currentPath();
        f_ = std::make_unique<TMainForm>(nullptr, dossiers);
        QCOMPARE(QDir::currentPath(), ici);
        InstallerPresentateur(avant);
        QCOMPARE(ouvertures, rapports);
        QTest::keyClicks(f_->Entree, "belles");
        QTest::keyClick(f_->Entree, Qt::Key_Return);
        QCOMPARE(f_->Lemme->text(), lemme);
        f_->ToutesLesFormes();
        QCOMPARE(f_->Formes()->ExplicationForme->toPlainText().startsWith(
                     "Le fichier des formes irrégulières (paradigmes.lex) est introuvable : ces "
                     "formes viennent des seules règles de terminaison.\n\n"),
                 regles);
        QCOMPARE(QFileInfo(f_->FichierAide()).absoluteFilePath(),
                 QFileInfo(aideIci || programme == "-" ? "Adjora.hlp"
                                                       : ADJORA_DONNEES_BUILD "/Adjora.hlp")
                     .absoluteFilePath());
    }

    // demarrage.tsv: start-up from a folder: the lexicons' reports in boxes before the window,
    // decoded; then the window, the about box and Qt's texts in French until the event loop
    // ends, whose status is returned.
    void demarrage_data() {
        QTest::addColumn<QString>("absents");
        QTest::addColumn<QByteArray>("paradigmes");
        QTest::addColumn<QStringList>("rapport");
        for (QStringList c : Cas("demarrage.tsv", 3)) {
            QTest::newRow(qPrintable(c[0] + " " + c[1]))
                << c[0].remove('-') << c[1].replace("\\n", "\n").toUtf8() << c[2].split('|');
        }
    }
    void demarrage() {
        QFETCH(QString, absents);
        QFETCH(QByteArray, paradigmes);
        QFETCH(QStringList, rapport);
        cleanup();
        dossier_ = std::make_unique<Dossier>(absents);
        if (paradigmes != "-") {
            Dossier::Ecrire("paradigmes.lex", paradigmes);
        }
        QStringList boites; // no box at all when the row names none
        if (rapport.size() == 4) {
            boites << "Erreur à l'execution\nErreur !\n\n* MESSAGE : " + rapport[0] +
                          "\n* MODULE : " + rapport[1] + "\n* FONCTION : " + rapport[2] +
                          "\n* FICHIER : " + QDir::current().filePath(rapport[3]) +
                          "\n\nReportez toute erreur afin qu'elle soit corrigée "
                          "à\n" ADJORA_MAINTENEUR_NOM " : " ADJORA_MAINTENEUR_EMAIL "\nMerci !";
        }
        AboutBox = nullptr; // the program makes its own
        QStringList vu;
        QTimer::singleShot(0, this, [&vu] {
            const QDialogButtonBox boutons(QDialogButtonBox::Cancel);
            vu << MainForm->windowTitle() << (AboutBox ? AboutBox->windowTitle() : "-")
               << boutons.buttons().at(0)->text().remove('&');
            QApplication::exit(3);
        });
        const int statut = Demarrer(
            [&vu](const QString& titre, const QString& texte) { vu << titre + "\n" + texte; });
        AboutBox = &aPropos_;
        QCOMPARE(statut, 3);
        boites << "Adjora 1.0"
               << "A propos de..."
               << "Annuler";
        QCOMPARE(vu, boites);
    }

    // formes.tsv: a word analysed, the dialog opened by a key or the menu of Lemme.
    void formes_data() {
        QTest::addColumn<QStringList>("cas");
        for (const QStringList& c : Cas("formes.tsv", 8)) {
            QTest::newRow(qPrintable(c[0] + " " + c[1])) << c;
        }
    }
    void formes() {
        QFETCH(QStringList, cas);
        if (cas[0] != "-") {
            QTest::keyClicks(f_->Entree, cas[0]);
            QTest::keyClick(f_->Entree, Qt::Key_Return);
        }
        if (cas[1] == "menu") { // the entry of the context menu of Lemme, by keyboard
            QTimer::singleShot(0, this, [] {
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Up);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            });
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                   f_->Lemme->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(f_->Lemme, &menu);
        } else {
            QVERIFY2(QKeySequence(cas[1]).toString() == cas[1], "unknown key");
            QTest::keySequence(f_->Entree, QKeySequence(cas[1]));
        }
        TFormesBox* d = f_->Formes();
        QVERIFY2(d != nullptr, "the forms dialog did not open");
        QTRY_COMPARE(QApplication::focusWidget(), d->Tableau);
        QStringList vu{d->TexteLemme->text()};
        for (int c = 0; c < NB_CASES; ++c) {
            vu << d->Tableau->item(c / 2, c % 2)->text();
        }
        QTest::keyClick(d->Tableau, Qt::Key_Down); // the feminine plural, by the arrows
        QTest::keyClick(d->Tableau, Qt::Key_Right);
        vu << d->ExplicationForme->toPlainText().replace('\n', "\\n");
        QCOMPARE(vu.join('\t'), cas.mid(2).join('\t'));
        QTest::keyClick(d->Tableau, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), f_->Entree);
    }

    // An open dialog follows the next analysis.
    void formesSuiventLAnalyse() {
        f_->ToutesLesFormes();
        f_->activateWindow();
        QTest::keyClicks(f_->Entree, "vieilles");
        QTest::keyClick(f_->Entree, Qt::Key_Return);
        QCOMPARE(f_->Formes()->TexteLemme->text(), "Lemme : vieil");
    }
};

QTEST_MAIN(TestFenetre)
#include "TestFenetre.moc"
