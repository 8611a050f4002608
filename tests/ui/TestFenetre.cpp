// The window as a user meets it: typing, keys, focus, results, the tool bar
// actions and their keys, help, about box, data lookup, accessibility.
#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "FenetreAide.h"
#include "MainFormFile.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"
#include "Traductions.h"

namespace {

// A temporary current folder holding the lexicons C (a lemma in capitals) and
// H, empty ones for the other letters and none for those in `absents`.
// The lexicons loaded meanwhile go with it.
class Dossier {
  public:
    explicit Dossier(const QString& absents) : precedent_(QDir::currentPath()) {
        for (const QChar lettre : QStringLiteral("ABCDEFGH")) {
            if (!absents.contains(lettre)) {
                Ecrire(QStringLiteral("except_%1.lex").arg(lettre), lettre == 'C'
                                                                        ? "blanche BLANC\n"
                                                                    : lettre == 'H' ? "marron\n"
                                                                                    : "");
            }
        }
        QDir::setCurrent(dossier_.path());
    }
    ~Dossier() {
        LibererExceptions();
        QDir::setCurrent(precedent_);
    }
    void Ecrire(const QString& nom, const QByteArray& octets) const {
        QFile fichier(dossier_.filePath(nom));
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
    }

  private:
    QString precedent_;
    QTemporaryDir dossier_;
};

// The error reports raised while it lives; "+" marks one raised with a window shown.
struct Rapports {
    QStringList vus;
    PresentateurErreur precedent = InstallerPresentateur([this](const char* rapport, const char*) {
        const QWidgetList fenetres = QApplication::topLevelWidgets();
        const bool visible = std::any_of(fenetres.begin(), fenetres.end(),
                                         [](const QWidget* w) { return w->isVisible(); });
        vus << QString::fromStdString(pages::Cp850VersUtf8(rapport)) + (visible ? "+" : "");
        return 1;
    });
    ~Rapports() { InstallerPresentateur(precedent); }
};

QString Accessible(QObject* objet, QAccessible::Text quoi) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(objet);
    return interface ? interface->text(quoi) : QStringLiteral("<aucune interface>");
}

// Types `texte` one character at a time, any character.
void Taper(QWidget* cible, const QString& texte) {
    for (const QChar c : texte) {
        QTest::sendKeyEvent(QTest::Click, cible, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Touche(QWidget* cible, const QKeySequence& touche) {
    QTest::keyClick(cible, touche[0].key(), touche[0].keyboardModifiers());
}

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<Dossier> dossier_;
    std::unique_ptr<TMainForm> f_;
    std::unique_ptr<TAboutBox> aPropos_;
    QStringList messages_; // print messages, in place of their box

    // Lemma and the texts of the selected gender and number items.
    QString Resultat() const {
        QStringList texte{f_->Lemme->text()};
        for (const QButtonGroup* groupe : {f_->GroupeGenre(), f_->GroupeNombre()}) {
            texte << (groupe->checkedButton() ? groupe->checkedButton()->text() : "-");
        }
        return texte.join(", ");
    }

  private slots:
    void initTestCase() {
        QVERIFY(InstallerTraductionsQt());
        aPropos_ = std::make_unique<TAboutBox>();
        AboutBox = aPropos_.get();
    }
    void init() {
        dossier_ = std::make_unique<Dossier>("");
        f_ = std::make_unique<TMainForm>();
        f_->AfficherMessage = [this](const QString& texte) { messages_ << texte; };
        f_->show();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    }
    void cleanup() {
        f_.reset();
        dossier_.reset();
        messages_.clear();
    }

    void saisie_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<bool>("colle"); // pasted with Ctrl+V rather than typed
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("resultat");
        const auto ligne = [](const char* tape, bool colle, const char* champ, const char* res) {
            QTest::newRow(tape) << tape << colle << champ << res;
        };
        ligne("BlANCHES", false, "blanches", "blanc, Féminin, Pluriel");
        ligne("ROUGE", true, "rouge", "rouge, Indéterminé, Singulier");
        ligne("Heureux", false, "heureux", "heureux, Masculin, Indéterminé");
        ligne("MARRON", false, "marron", "marron, Invariable, Invariable");
        ligne("aΩb中ő", false, "ab", "ab, Masculin, Singulier");
        ligne("ΩBla😀nches", true, "blanches", "blanc, Féminin, Pluriel");
        ligne("Ωμέγα", true, "", ", -, -");
    }
    void saisie() {
        QFETCH(QString, tape);
        QFETCH(bool, colle);
        QFETCH(QString, champ);
        QFETCH(QString, resultat);
        if (colle) {
            QApplication::clipboard()->setText(tape);
            QTest::keyClick(f_->Entree, Qt::Key_V, Qt::ControlModifier);
        } else {
            Taper(f_->Entree, tape);
        }
        QCOMPARE(f_->Entree->text(), champ);
        QTest::keyClick(f_->Entree, Qt::Key_Return);
        QCOMPARE(Resultat(), resultat);
        // Announced to screen readers, the focus staying in the field.
        QCOMPARE(Accessible(f_->Lemme, QAccessible::Description),
                 champ.isEmpty() ? "Lemme" : resultat);
        QCOMPARE(QApplication::focusWidget(), f_->Entree);
    }

    void touches_data() {
        QTest::addColumn<QKeySequence>("touche");
        QTest::addColumn<bool>("analyse");
        for (const QKeyCombination t :
             {QKeyCombination(Qt::Key_Return), Qt::ShiftModifier | Qt::Key_Return,
              Qt::ControlModifier | Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter}) {
            QTest::newRow(qPrintable(QKeySequence(t).toString())) << QKeySequence(t) << true;
        }
        for (const Qt::Key t : {Qt::Key_Tab, Qt::Key_Left, Qt::Key_Escape, Qt::Key_Space}) {
            QTest::newRow(qPrintable(QKeySequence(t).toString())) << QKeySequence(t) << false;
        }
    }
    void touches() {
        QFETCH(QKeySequence, touche);
        QFETCH(bool, analyse);
        QTest::keyClicks(f_->Entree, "blanches");
        Touche(f_->Entree, touche);
        QCOMPARE(Resultat(), analyse ? "blanc, Féminin, Pluriel" : ", -, -");
    }

    void focus() {
        QStringList ordre;
        for (int i = 0; i < 8; ++i) {
            QWidget* w = QApplication::focusWidget();
            ordre << (qobject_cast<QRadioButton*>(w) ? w->parentWidget() : w)->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(ordre, QStringList({"Entree", "Lemme", "Genre", "Nombre", "Explication", "Texte1",
                                     "Texte2", "Entree"}));
        // The tool bar's buttons act without taking the focus.
        QTest::mouseClick(f_->SpeedImprimer, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f_->Lemme);
    }

    void impression_data() {
        QTest::addColumn<QString>("depuis");
        QTest::addColumn<QKeySequence>("touche"); // none: the button
        QTest::newRow("bouton") << "Entree" << QKeySequence();
        QTest::newRow("Ctrl+P dans l'adjectif") << "Entree" << QKeySequence("Ctrl+P");
        QTest::newRow("Ctrl+P dans l'explication") << "Explication" << QKeySequence("Ctrl+P");
    }
    void impression() {
        QFETCH(QString, depuis);
        QFETCH(QKeySequence, touche);
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is configured on this machine");
        }
        auto* cible = f_->findChild<QWidget*>(depuis);
        cible->setFocus();
        touche.isEmpty() ? f_->SpeedImprimer->click() : Touche(cible, touche);
        QCOMPARE(messages_, QStringList("Aucune imprimante par défaut n'est sélectionnée."));
        QCOMPARE(f_->SpeedImprimer->toolTip(), "Imprimer (Ctrl+P)");
    }

    void aide() {
        QTest::keyClick(f_->Lemme, Qt::Key_F1);
        FenetreAide* aide = f_->Aide();
        QVERIFY(aide && aide->isVisible());
        QCOMPARE(f_->SpeedExplications->toolTip(), "Aide (F1)");
        // Beside the main window, on the screen, not over it.
        QVERIFY(!aide->frameGeometry().intersects(f_->frameGeometry()));
        QVERIFY(f_->screen()->availableGeometry().contains(aide->frameGeometry()));
        QTest::keyClick(aide, Qt::Key_Escape);
        QVERIFY(!aide->isVisible());
        f_->SpeedExplications->click();
        QVERIFY(aide->isVisible() && f_->Aide() == aide);
        // The shipped help tells the keys.
        QVERIFY(aide->Ouvrir(ADJORA_DONNEES_BUILD "/Adjora.hlp"));
        QVERIFY(aide->toPlainText().contains("F1 : ") && aide->toPlainText().contains("Ctrl+P : "));
    }

    void placementAide_data() {
        QTest::addColumn<QRect>("principale");
        QTest::addColumn<QRect>("ecran");
        QTest::addColumn<bool>("aDroite");
        const QRect fenetre(309, 155, 313, 323);
        QTest::newRow("large") << fenetre << QRect(0, 0, 1280, 1024) << true;
        QTest::newRow("étroit") << fenetre << QRect(0, 0, 1024, 768) << true;
        QTest::newRow("bas droite")
            << fenetre.translated(400, 250) << QRect(0, 0, 1280, 800) << false;
        QTest::newRow("second écran")
            << fenetre.translated(1400, 0) << QRect(1280, 0, 800, 600) << false;
    }
    void placementAide() {
        QFETCH(QRect, principale);
        QFETCH(QRect, ecran);
        QFETCH(bool, aDroite);
        FenetreAide aide(nullptr);
        aide.PlacerAcote(principale, ecran);
        const QRect place = aide.frameGeometry();
        QVERIFY(!place.intersects(principale) && ecran.contains(place));
        QCOMPARE(place.left() > principale.right(), aDroite);
        QVERIFY(place.width() >= 240 && place.height() >= principale.height());
    }

    void aPropos() {
        for (const Qt::Key touche : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
            bool modale = false;
            bool ouverte = false;
            QTimer::singleShot(0, this, [&] {
                QTRY_VERIFY(AboutBox->isVisible());
                modale = QApplication::activeModalWidget() == AboutBox;
                QTest::keyClick(AboutBox->AboutButtonOk, touche);
                ouverte = AboutBox->isVisible();
                AboutBox->close(); // the title bar's close box
            });
            QTest::mouseClick(f_->SpeedApropos, Qt::LeftButton);
            QVERIFY(modale && !AboutBox->isVisible());
            QCOMPARE(ouverte, touche == Qt::Key_Escape); // no cancel button
        }
    }

    void nomsAccessibles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("description");
        const QStringList lignes = {
            "Entree|Adjectif|Donnez votre adjectif à lemmatiser",
            "Lemme|Lemme|Lemme",
            "Explication|Explication de la lemmatisation|",
            "Genre|Genre|Genre",
            "Nombre|Nombre|Nombre",
            "SpeedImprimer|Imprimer|Imprimer (Ctrl+P)",
            "SpeedExplications|Aide|Aide (F1)",
            "SpeedApropos|À propos|A propos...",
            "Memo1|Présentation du programme|",
            "AboutButtonOk|OK|",
        };
        for (const QString& ligne : lignes) {
            const QStringList champs = ligne.split('|');
            QTest::newRow(qPrintable(champs[0])) << champs[1] << champs[2];
        }
    }
    void nomsAccessibles() {
        QFETCH(QString, nom);
        QFETCH(QString, description);
        const QString objet = QTest::currentDataTag();
        QObject* controle = f_->findChild<QWidget*>(objet);
        controle = controle ? controle : AboutBox->findChild<QWidget*>(objet);
        QCOMPARE(Accessible(controle, QAccessible::Name), nom);
        QCOMPARE(Accessible(controle, QAccessible::Description), description);
    }

    void donnees_data() {
        QTest::addColumn<QString>("absents"); // lexicons missing from the current folder
        QTest::addColumn<bool>("aideIci");    // a help file in the current folder
        QTest::addColumn<int>("rapports");    // "Opération impossible" boxes
        QTest::addColumn<QString>("lemme");   // of "belles"
        QTest::newRow("ici") << "" << true << 0 << "bel";
        QTest::newRow("ici, D absent") << "D" << false << 1 << "bel";
        // From another folder: every lexicon and the help from the source tree.
        QTest::newRow("ailleurs") << "ABCDEFGH" << false << 0 << "beau";
    }
    void donnees() {
        QFETCH(QString, absents);
        QFETCH(bool, aideIci);
        QFETCH(int, rapports);
        QFETCH(QString, lemme);
        cleanup();
        Rapports vus;
        dossier_ = std::make_unique<Dossier>(absents);
        if (aideIci) {
            dossier_->Ecrire("Adjora.hlp", "<p>ici</p>");
        }
        const QString ici = QDir::currentPath();
        f_ = std::make_unique<TMainForm>();
        QCOMPARE(QDir::currentPath(), ici);
        QCOMPARE(vus.vus.filter("* MESSAGE : Opération impossible\n").size(), rapports);
        QCOMPARE(vus.vus.filter("+").size(), 0); // reported before the window shows
        QTest::keyClicks(f_->Entree, "belles");
        QTest::keyClick(f_->Entree, Qt::Key_Return);
        QCOMPARE(f_->Lemme->text(), lemme);
        QCOMPARE(QFileInfo(f_->FichierAide()).absoluteFilePath(),
                 QFileInfo(aideIci ? "Adjora.hlp" : ADJORA_DONNEES_BUILD "/Adjora.hlp")
                     .absoluteFilePath());
    }

    void dialoguesEnFrancais() {
        QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Annuler");
    }
};

QTEST_MAIN(TestFenetre)
#include "TestFenetre.moc"
