// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a user meets it: typing, keys, focus, actions, help, data, accessibility.
#include <QPrinterInfo>
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "Annonce.h"
#include "Bip.h"
#include "FenetreAide.h"
#include "FormesFile.h"
#include "MainFormFile.h"
#include "MessageErreur.h"
#include "Paradigmes.h"
#include "Traductions.h"

namespace {

// A temporary current folder: lexicons C (a lemma in capitals) and H, others empty, and
// paradigms (P); none for the letters in `absents`; a help file when `aide`. Lexicons
// loaded meanwhile go with it.
struct Dossier {
    explicit Dossier(const QString& absents, bool aide = false) : precedent_(QDir::currentPath()) {
        QDir::setCurrent(dossier_.path());
        for (const QChar l : QStringLiteral("ABCDEFGH")) {
            if (!absents.contains(l)) {
                Ecrire(QStringLiteral("except_%1.lex").arg(l),
                       l == 'C' ? "blanche BLANC\n" : (l == 'H' ? "marron\n" : ""));
            }
        }
        if (!absents.contains('P')) {
            Ecrire("paradigmes.lex", "beau bel - belle - beaux - belles --\n");
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

// The rows of a tab-separated case file of this folder, without # comments.
QList<QStringList> Cas(const QString& nom) {
    QFile fichier(ADJORA_CAS "/" + nom);
    if (!fichier.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(nom));
    }
    QList<QStringList> lignes;
    for (const QString& l : QString::fromUtf8(fichier.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (!l.startsWith('#')) {
            lignes << l.split('\t');
        }
    }
    return lignes;
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
    QStringList messages_; // print messages, in place of their box
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
    void initTestCase() {
        QVERIFY(InstallerTraductionsQt());
        AboutBox = &aPropos_;
    }
    void init() {
        dossier_ = std::make_unique<Dossier>("");
        f_ = std::make_unique<TMainForm>();
        f_->AfficherMessage = [this](const QString& texte) { messages_ << texte; };
        InstallerBip([this] { ++bips_; });
        f_->AnnonceResultat()->installEventFilter(this);
        f_->show();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    }
    void cleanup() {
        f_.reset();
        dossier_.reset();
        messages_.clear();
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
        for (const QStringList& c : Cas("saisies.tsv")) {
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
        QTest::keySequence(f_->Entree, touche);
        QCOMPARE(Resultat(), resultat);
        // Told to screen readers as a notification at each Enter, the focus staying in the field.
        QCOMPARE(QAccessible::queryAccessibleInterface(f_->AnnonceResultat())->role(),
                 QAccessible::Notification);
        QCOMPARE(annonces_,
                 resultat.startsWith(',') ? QStringList() : QStringList(touche.count(), resultat));
        QCOMPARE(QApplication::focusWidget(), f_->Entree);
        QTest::keyClick(f_->Explication,
                        Qt::Key_Down); // a caret: the explanation read line by line
        QCOMPARE(f_->Explication->textCursor().position() > 0, !resultat.startsWith(','));
        QTest::keyClick(f_->Entree, Qt::Key_Backspace); // an edited word has no result yet
        QVERIFY(!f_->AnnonceResultat()->isVisible());
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
    }

    // The print, help and about actions, by button or key from anywhere in the window.
    void actions_data() { // actions.tsv
        QTest::addColumn<QString>("depuis");
        QTest::addColumn<QKeySequence>("touche");
        QTest::addColumn<QString>("effet");
        for (const QStringList& c : Cas("actions.tsv")) {
            QTest::newRow(qPrintable(c[0] + " " + c[1])) << c[0] << QKeySequence(c[1]) << c[2];
        }
    }
    void actions() {
        QFETCH(QString, depuis);
        QFETCH(QKeySequence, touche);
        QFETCH(QString, effet);
        if (effet.contains("imprimante") && !QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is configured on this machine");
        }
        auto* cible = f_->findChild<QWidget*>(depuis);
        cible->setFocus();
        const QSignalSpy apropos(AboutBox, &QDialog::finished);
        QTimer::singleShot(0, AboutBox, &QWidget::close); // the about box, once it shows
        touche.isEmpty() ? qobject_cast<QToolButton*>(cible)->click()
                         : QTest::keySequence(cible, touche);
        QTest::qWait(1);
        const QString vu =
            messages_.join("") + (f_->Aide() && f_->Aide()->isVisible() ? "aide" : "");
        QCOMPARE(vu + (apropos.isEmpty() ? "" : "apropos"), effet);
    }

    void aide() {
        f_->SpeedExplications->click();
        FenetreAide* aide = f_->Aide();
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
        bool modale = false, ouverte = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(AboutBox->isVisible());
            modale = QApplication::activeModalWidget() == AboutBox;
            QTest::keyClick(AboutBox->AboutButtonOk, Qt::Key_Escape); // no cancel button
            ouverte = AboutBox->isVisible();
            QTest::keyClick(AboutBox->AboutButtonOk, Qt::Key_Return);
        });
        QTest::mouseClick(f_->SpeedApropos, Qt::LeftButton);
        QVERIFY(modale && ouverte && !AboutBox->isVisible());
    }

    void nomsAccessibles_data() { // noms.tsv: control, accessible name, description
        QTest::addColumn<QString>("attendu");
        for (const QStringList& c : Cas("noms.tsv")) {
            QTest::newRow(qPrintable(c[0])) << c[1] + "|" + c.value(2);
        }
    }
    void nomsAccessibles() {
        QFETCH(QString, attendu);
        const QString nom = QTest::currentDataTag();
        f_->ToutesLesFormes();
        QWidget* controle = f_->findChild<QWidget*>(nom);
        controle = controle ? controle : AboutBox->findChild<QWidget*>(nom);
        const QString description = Accessible(controle, QAccessible::Description);
        QCOMPARE(Accessible(controle, QAccessible::Name) + "|" + description, attendu);
        if (qobject_cast<QToolButton*>(controle)) { // the hint, with the key if any
            QCOMPARE(controle->toolTip(), description);
        }
    }

    void donnees_data() {
        QTest::addColumn<QString>("absents"); // lexicons missing from the current folder
        QTest::addColumn<bool>("aideIci");    // a help file in the current folder
        QTest::addColumn<int>("rapports");    // boxes naming a missing file
        QTest::addColumn<QString>("lemme");   // of "belles"
        QTest::newRow("ici") << "" << true << 0 << "bel";
        QTest::newRow("ici, D absent") << "D" << false << 1 << "bel";
        QTest::newRow("ici, paradigmes absents") << "P" << false << 1 << "bel";
        // From another folder: every lexicon and the help from the source tree.
        QTest::newRow("ailleurs") << "ABCDEFGH" << false << 0 << "beau";
    }
    void donnees() {
        QFETCH(QString, absents);
        QFETCH(bool, aideIci);
        QFETCH(int, rapports);
        QFETCH(QString, lemme);
        cleanup();
        int ouvertures = 0; // reports of files that cannot be opened
        const PresentateurErreur avant =
            InstallerPresentateur([&](const char* rapport, const char*) {
                ouvertures += QByteArray(rapport).contains("fOuvrir");
                return 1;
            });
        dossier_ = std::make_unique<Dossier>(absents, aideIci);
        const QString ici = QDir::currentPath();
        f_ = std::make_unique<TMainForm>();
        QCOMPARE(QDir::currentPath(), ici);
        InstallerPresentateur(avant);
        QCOMPARE(ouvertures, rapports);
        QTest::keyClicks(f_->Entree, "belles");
        QTest::keyClick(f_->Entree, Qt::Key_Return);
        QCOMPARE(f_->Lemme->text(), lemme);
        QCOMPARE(QFileInfo(f_->FichierAide()).absoluteFilePath(),
                 QFileInfo(aideIci ? "Adjora.hlp" : ADJORA_DONNEES_BUILD "/Adjora.hlp")
                     .absoluteFilePath());
    }

    // formes.tsv: a word analysed, the dialog opened by a key or the menu of Lemme.
    void formes_data() {
        QTest::addColumn<QStringList>("cas");
        for (const QStringList& c : Cas("formes.tsv")) {
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
            emit f_->Lemme->customContextMenuRequested(QPoint(4, 4));
        } else {
            QTest::keySequence(f_->Entree, QKeySequence(cas[1]));
        }
        TFormesBox* d = f_->Formes();
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

    void dialoguesEnFrancais() {
        const QDialogButtonBox boutons(QDialogButtonBox::Cancel);
        QCOMPARE(boutons.buttons().at(0)->text().remove('&'), "Annuler");
    }
};

QTEST_MAIN(TestFenetre)
#include "TestFenetre.moc"
