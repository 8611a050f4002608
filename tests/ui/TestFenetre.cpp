// The main window: its controls, the input field and the display of analyses.
#include <QButtonGroup>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "DossierLexiques.h"
#include "GroupeRadio.h"
#include "Images.h"
#include "MainFormFile.h"
#include "PagesDeCode.h"
#include "Polices.h"

namespace {

// What the engine itself answers for a UTF-8 word, converted for display.
struct Attendu {
    QString lemme;
    QString explication;
    std::uint8_t genre;
    std::uint8_t nombre;
};

Attendu AnalyseDirecte(const QString& mot) {
    Analyse analyse{};
    const auto texte = pages::Utf8VersCp1252(mot.toUtf8().toStdString()).texte;
    const char* explication = AnalyserAdjectif(texte.c_str(), &analyse);
    return {QString::fromStdString(pages::Cp1252VersUtf8(analyse.Mot)),
            QString::fromStdString(pages::Cp1252VersUtf8(explication)), analyse.CodeGenre,
            analyse.CodeNombre};
}

const QMap<QString, QString> kLexiques = {
    {QStringLiteral("A"), QStringLiteral("gris\népais\n")},
    {QStringLiteral("C"), QStringLiteral("blanche blanc\n")},
    {QStringLiteral("H"), QStringLiteral("marron\norange\n")},
};

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DossierLexiques> lexiques_;
    std::unique_ptr<TMainForm> fenetre_;

    void Analyser(const QString& mot) {
        fenetre_->Entree->setText(mot);
        QTest::keyClick(fenetre_->Entree, Qt::Key_Return);
    }
    bool RienAffiche() const {
        return fenetre_->Lemme->text().isEmpty() &&
               fenetre_->Explication->toPlainText().isEmpty() && fenetre_->ItemGenre() == -1 &&
               fenetre_->ItemNombre() == -1;
    }

  private slots:
    void initTestCase() { InstallerSubstitutions(); }

    void init() {
        lexiques_ = std::make_unique<DossierLexiques>(kLexiques);
        fenetre_ = std::make_unique<TMainForm>();
        MainForm = fenetre_.get();
    }
    void cleanup() {
        MainForm = nullptr;
        fenetre_.reset();
        lexiques_.reset();
    }

    void fenetreFixe() {
        QCOMPARE(fenetre_->windowTitle(), QStringLiteral("Adjora 1.0"));
        QCOMPARE(fenetre_->size(), QSize(313, 323));
        QCOMPARE(fenetre_->minimumSize(), QSize(313, 323));
        QCOMPARE(fenetre_->maximumSize(), QSize(313, 323));
        const Qt::WindowFlags drapeaux = fenetre_->windowFlags();
        QVERIFY(drapeaux.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(drapeaux.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!drapeaux.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(fenetre_->pos(), QPoint(309, 155));
        QVERIFY(!fenetre_->isVisible()); // built hidden
        QVERIFY(!fenetre_->windowIcon().isNull());
        QVERIFY(fenetre_->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void controlesEtGeometrie_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometrie");
        QTest::addColumn<QString>("bulle");
        QTest::newRow("SpeedBar") << "SpeedBar" << QRect(0, 0, 313, 33) << "";
        QTest::newRow("SpeedImprimer") << "SpeedImprimer" << QRect(4, 4, 25, 25) << "Imprimer";
        QTest::newRow("SpeedExplications")
            << "SpeedExplications" << QRect(260, 4, 25, 25) << "Aide";
        QTest::newRow("SpeedApropos") << "SpeedApropos" << QRect(284, 4, 25, 25) << "A propos...";
        QTest::newRow("Texte1") << "Texte1" << QRect(4, 56, 49, 17) << "";
        QTest::newRow("Entree") << "Entree" << QRect(56, 52, 213, 21)
                                << "Donnez votre adjectif à lemmatiser";
        QTest::newRow("Texte2") << "Texte2" << QRect(4, 80, 49, 17) << "";
        QTest::newRow("Lemme") << "Lemme" << QRect(56, 78, 213, 21) << "Lemme";
        QTest::newRow("Nombre") << "Nombre" << QRect(56, 104, 97, 93) << "Nombre";
        QTest::newRow("Genre") << "Genre" << QRect(172, 104, 97, 93) << "Genre";
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(56, 204, 213, 105) << "";
        QTest::newRow("Explication") << "Explication" << QRect(64, 220, 197, 77) << "";
    }
    void controlesEtGeometrie() {
        QFETCH(QString, nom);
        QFETCH(QRect, geometrie);
        QFETCH(QString, bulle);
        auto* controle = fenetre_->findChild<QWidget*>(nom);
        QVERIFY2(controle, qPrintable(nom));
        QCOMPARE(controle->geometry(), geometrie);
        QCOMPARE(controle->toolTip(), bulle);
    }

    void textesEtProprietes() {
        QCOMPARE(fenetre_->Texte1->text(), QStringLiteral("Adjectif :"));
        QCOMPARE(fenetre_->Texte2->text(), QStringLiteral("Lemme :"));
        QCOMPARE(fenetre_->GroupBox1->title(), QStringLiteral("Explication de la lemmatisation"));
        QCOMPARE(fenetre_->Genre->title(), QStringLiteral("Genre"));
        QCOMPARE(fenetre_->Nombre->title(), QStringLiteral("Nombre"));
        for (QLineEdit* etiquette : {fenetre_->Texte1, fenetre_->Texte2}) {
            QVERIFY(etiquette->isReadOnly());
            QVERIFY(!etiquette->hasFrame());
            QCOMPARE(etiquette->cursor().shape(), Qt::ArrowCursor);
        }
        QVERIFY(!fenetre_->Entree->isReadOnly());
        QCOMPARE(fenetre_->Entree->cursor().shape(), Qt::WhatsThisCursor);
        QVERIFY(fenetre_->Lemme->isReadOnly());
        QCOMPARE(fenetre_->Lemme->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(fenetre_->Explication->isReadOnly());
        QCOMPARE(fenetre_->Explication->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(fenetre_->Explication->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(RienAffiche());
        QVERIFY(fenetre_->Entree->text().isEmpty());
        // The explanation box lies over the frame that encloses it.
        QVERIFY(fenetre_->GroupBox1->geometry().contains(fenetre_->Explication->geometry()));
    }

    void policesEtCouleurs() {
        const QFont police = fenetre_->Entree->font();
        QCOMPARE(police.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(police.pixelSize(), 11);
        QCOMPARE(fenetre_->Genre->font().pixelSize(), 11);
        if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
            QCOMPARE(QFontInfo(police).family(), QStringLiteral("Liberation Sans"));
        }
        const QPalette palette = fenetre_->Texte1->palette();
        QCOMPARE(palette.color(QPalette::Base), fenetre_->palette().color(QPalette::Window));
        QCOMPARE(fenetre_->SpeedBar->backgroundRole(), QPalette::Button);
        QVERIFY(fenetre_->SpeedBar->autoFillBackground());
    }

    void radiosDansLOrdre() {
        const QStringList nombre = {"Singulier", "Pluriel", "Invariable", "Indéterminé"};
        const QStringList genre = {"Masculin", "Féminin", "Invariable", "Indéterminé"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(fenetre_->GroupeNombre()->button(i)->text(), nombre[i]);
            QCOMPARE(fenetre_->GroupeGenre()->button(i)->text(), genre[i]);
            if (i > 0) {
                QVERIFY(fenetre_->GroupeGenre()->button(i)->y() >
                        fenetre_->GroupeGenre()->button(i - 1)->y());
            }
        }
        QVERIFY(fenetre_->GroupeGenre()->exclusive());
        SelectionnerItem(fenetre_->GroupeGenre(), 2);
        QCOMPARE(fenetre_->ItemGenre(), 2);
        SelectionnerItem(fenetre_->GroupeGenre(), 0);
        QCOMPARE(fenetre_->ItemGenre(), 0);
        QVERIFY(!fenetre_->GroupeGenre()->button(2)->isChecked());
        SelectionnerItem(fenetre_->GroupeGenre(), 4); // outside the group: no change
        QCOMPARE(fenetre_->ItemGenre(), 0);
    }

    void barreOutilsSansFocus() {
        for (QToolButton* bouton :
             {fenetre_->SpeedImprimer, fenetre_->SpeedExplications, fenetre_->SpeedApropos}) {
            QCOMPARE(bouton->focusPolicy(), Qt::NoFocus);
            QVERIFY(bouton->autoRaise());
            QVERIFY(bouton->text().isEmpty() ||
                    bouton->toolButtonStyle() == Qt::ToolButtonIconOnly);
            QVERIFY(!bouton->icon().isNull());
            QCOMPARE(bouton->parentWidget(), fenetre_->SpeedBar);
        }
    }

    void imagesTransparentes() {
        for (const char* nom : {"imprimer", "aide", "apropos"}) {
            const QImage image = ImageBouton(QString::fromLatin1(nom)).toImage();
            QCOMPARE(image.size(), QSize(20, 20));
            // The olive background (bottom-left pixel included) is transparent.
            QCOMPARE(qAlpha(image.pixel(0, 19)), 0);
            int opaques = 0;
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const QRgb p = image.pixel(x, y);
                    QVERIFY(qAlpha(p) == 0 || QColor(p) != QColor(132, 130, 0));
                    opaques += qAlpha(p) != 0;
                }
            }
            QVERIFY2(opaques > 20, nom);
        }
        QVERIFY(ImageBouton(QStringLiteral("absente")).isNull());
    }

    void ordreDeTabulation() {
        // Collapse the focus chain to the controls of the window.
        const auto controle = [this](QWidget* w) -> QString {
            if (w->parentWidget() == fenetre_->Genre || w->parentWidget() == fenetre_->Nombre) {
                return w->parentWidget()->objectName();
            }
            return w->objectName();
        };
        QStringList ordre;
        QWidget* w = fenetre_->Entree;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w != fenetre_.get()) {
                const QString nom = controle(w);
                if (ordre.isEmpty() || ordre.last() != nom) {
                    ordre << nom;
                }
            }
            w = w->nextInFocusChain();
        } while (w != fenetre_->Entree);
        QCOMPARE(ordre, QStringList({"Entree", "Lemme", "Genre", "Nombre", "Explication", "Texte1",
                                     "Texte2"}));
    }

    void focusALOuverture() {
        fenetre_->show();
        QVERIFY(QTest::qWaitForWindowActive(fenetre_.get()));
        QCOMPARE(QApplication::focusWidget(), fenetre_->Entree);
        QTest::keyClick(fenetre_->Entree, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fenetre_->Lemme);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->parentWidget(), fenetre_->Genre);
    }

    void minusculesForcees() {
        QTest::keyClicks(fenetre_->Entree, QStringLiteral("BeLLES"));
        QCOMPARE(fenetre_->Entree->text(), QStringLiteral("belles"));
        fenetre_->Entree->setCursorPosition(2);
        QTest::keyClicks(fenetre_->Entree, QStringLiteral("ÉÀ"));
        QCOMPARE(fenetre_->Entree->text(), QStringLiteral("beéàlles"));
        QCOMPARE(fenetre_->Entree->cursorPosition(), 4);
        // A pasted text is lowered too.
        fenetre_->Entree->clear();
        fenetre_->Entree->insert(QStringLiteral("GRANDES"));
        QCOMPARE(fenetre_->Entree->text(), QStringLiteral("grandes"));
        // The engine receives the lowered text.
        fenetre_->Entree->clear();
        QTest::keyClicks(fenetre_->Entree, QStringLiteral("BELLES"));
        QTest::keyClick(fenetre_->Entree, Qt::Key_Return);
        QCOMPARE(fenetre_->Lemme->text(), AnalyseDirecte(QStringLiteral("belles")).lemme);
    }

    void toucheEntree_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::newRow("Entrée") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Maj+Entrée") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Entrée") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Entrée du pavé") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Maj+Entrée du pavé")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier | Qt::ShiftModifier);
    }
    void toucheEntree() {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        fenetre_->Entree->setText(QStringLiteral("belles"));
        QTest::keyClick(fenetre_->Entree, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        const Attendu attendu = AnalyseDirecte(QStringLiteral("belles"));
        QCOMPARE(fenetre_->Lemme->text(), attendu.lemme);
        QCOMPARE(fenetre_->Explication->toPlainText(), attendu.explication);
        QCOMPARE(fenetre_->ItemGenre(), 1);  // Féminin
        QCOMPARE(fenetre_->ItemNombre(), 1); // Pluriel
        // The word stays, unselected, and keeps the focus handling.
        QCOMPARE(fenetre_->Entree->text(), QStringLiteral("belles"));
        QVERIFY(!fenetre_->Entree->hasSelectedText());
    }

    void autresTouchesSansEffet_data() {
        QTest::addColumn<int>("touche");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("lettre") << int(Qt::Key_A);
        QTest::newRow("gauche") << int(Qt::Key_Left);
        QTest::newRow("droite") << int(Qt::Key_Right);
        QTest::newRow("haut") << int(Qt::Key_Up);
        QTest::newRow("bas") << int(Qt::Key_Down);
        QTest::newRow("Échap") << int(Qt::Key_Escape);
        QTest::newRow("espace") << int(Qt::Key_Space);
    }
    void autresTouchesSansEffet() {
        QFETCH(int, touche);
        fenetre_->Entree->setText(QStringLiteral("belles"));
        QTest::keyClick(fenetre_->Entree, Qt::Key(touche));
        QVERIFY(RienAffiche());
        QVERIFY(CodeToucheVirtuelle(touche) != TOUCHE_ENTREE);
    }

    void codesDesTouches() {
        QCOMPARE(CodeToucheVirtuelle(Qt::Key_Return), TOUCHE_ENTREE);
        QCOMPARE(CodeToucheVirtuelle(Qt::Key_Enter), TOUCHE_ENTREE);
        QCOMPARE(CodeToucheVirtuelle(Qt::Key_Tab), std::uint16_t{9});
        QCOMPARE(CodeToucheVirtuelle(Qt::Key_A), std::uint16_t{'A'});
        QCOMPARE(CodeToucheVirtuelle(Qt::Key_F1), std::uint16_t{0});
    }

    void entreeVideSansEffet() {
        fenetre_->Entree->clear();
        QTest::keyClick(fenetre_->Entree, Qt::Key_Return);
        QVERIFY(RienAffiche());

        Analyser(QStringLiteral("grandes"));
        const QString lemme = fenetre_->Lemme->text();
        const QString explication = fenetre_->Explication->toPlainText();
        const int genre = fenetre_->ItemGenre();
        const int nombre = fenetre_->ItemNombre();
        QVERIFY(!lemme.isEmpty());
        fenetre_->Entree->clear();
        QTest::keyClick(fenetre_->Entree, Qt::Key_Return);
        QCOMPARE(fenetre_->Lemme->text(), lemme);
        QCOMPARE(fenetre_->Explication->toPlainText(), explication);
        QCOMPARE(fenetre_->ItemGenre(), genre);
        QCOMPARE(fenetre_->ItemNombre(), nombre);
    }

    void espacesAnalyses() {
        Analyser(QStringLiteral("   "));
        QCOMPARE(fenetre_->Explication->toPlainText(),
                 AnalyseDirecte(QStringLiteral("   ")).explication);
        QVERIFY(!fenetre_->Explication->toPlainText().isEmpty());
    }

    void analyseRepeteeRemplace() {
        Analyser(QStringLiteral("belles"));
        Analyser(QStringLiteral("belles"));
        const Attendu attendu = AnalyseDirecte(QStringLiteral("belles"));
        QCOMPARE(fenetre_->Explication->toPlainText(), attendu.explication);

        // A corrected word replaces every result control.
        Analyser(QStringLiteral("heureux"));
        const Attendu heureux = AnalyseDirecte(QStringLiteral("heureux"));
        QCOMPARE(fenetre_->Explication->toPlainText(), heureux.explication);
        QVERIFY(!fenetre_->Explication->toPlainText().contains(attendu.explication));
        QCOMPARE(fenetre_->Lemme->text(), heureux.lemme);
        QCOMPARE(fenetre_->ItemGenre(), 0);
        QCOMPARE(fenetre_->ItemNombre(), 3); // undetermined number is the fourth item
    }

    void explicationDepuisLeDebut() {
        Analyser(QStringLiteral("rapides")); // a long explanation
        QCOMPARE(fenetre_->Explication->verticalScrollBar()->value(), 0);
        QCOMPARE(fenetre_->Explication->textCursor().position(), 0);
        QVERIFY(fenetre_->Explication->blockCount() >= 2); // each "\n" starts a line
    }

    void codesCroises_data() {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("genre");
        QTest::addColumn<int>("nombre");
        // gender 2 -> fourth item, number 0 -> first
        QTest::newRow("rouge") << "rouge" << 3 << 0;
        // gender 3 and number 3 (list H) -> third items
        QTest::newRow("marron") << "marron" << 2 << 2;
        // number 2 -> fourth item, gender 0 -> first
        QTest::newRow("heureux") << "heureux" << 0 << 3;
        // list A: masculine, undetermined number
        QTest::newRow("gris") << "gris" << 0 << 3;
        // list C
        QTest::newRow("blanches") << "blanches" << 1 << 1;
    }
    void codesCroises() {
        QFETCH(QString, mot);
        QFETCH(int, genre);
        QFETCH(int, nombre);
        Analyser(mot);
        QCOMPARE(fenetre_->ItemGenre(), genre);
        QCOMPARE(fenetre_->ItemNombre(), nombre);
        const Attendu attendu = AnalyseDirecte(mot);
        QCOMPARE(fenetre_->Lemme->text(), attendu.lemme);
        QCOMPARE(*ItemPourCode(attendu.genre), genre);
        QCOMPARE(*ItemPourCode(attendu.nombre), nombre);
    }

    void codeHorsTableSansEffet() {
        Analyser(QStringLiteral("marron"));
        Analyse analyse{};
        std::copy_n("vert", 5, analyse.Mot);
        analyse.CodeGenre = 4;
        analyse.CodeNombre = 255;
        fenetre_->AfficherAnalyse(analyse, "texte");
        QCOMPARE(fenetre_->ItemGenre(), 2);
        QCOMPARE(fenetre_->ItemNombre(), 2);
        QCOMPARE(fenetre_->Lemme->text(), QStringLiteral("vert"));
        QCOMPARE(fenetre_->Explication->toPlainText(), QStringLiteral("texte"));
        QVERIFY(!ItemPourCode(4).has_value());
    }

    void lemmeSansTerminateur() {
        // A record whose word fills the whole buffer is still read safely.
        Analyse analyse{};
        std::fill(std::begin(analyse.Mot), std::end(analyse.Mot), 'a');
        analyse.CodeGenre = 0;
        analyse.CodeNombre = 0;
        fenetre_->AfficherAnalyse(analyse, "");
        QCOMPARE(fenetre_->Lemme->text(), QString(50, QLatin1Char('a')));
    }

    void motDeSoixanteCaracteres() {
        const QString mot = QString(44, QLatin1Char('x')) + QStringLiteral("belles") +
                            QString(10, QLatin1Char('z'));
        QCOMPARE(mot.size(), 60);
        Analyser(mot);
        QCOMPARE(fenetre_->Entree->text(), mot);
        QCOMPARE(fenetre_->Lemme->text(), AnalyseDirecte(mot.left(50)).lemme);
        QVERIFY(fenetre_->Lemme->text().size() <= 50);
        QVERIFY(!fenetre_->Lemme->text().contains(QLatin1Char('z')));
        QCOMPARE(fenetre_->ItemNombre(), 1);
        QCOMPARE(fenetre_->ItemGenre(), 1);
    }

    void caractereHorsPageDeCode() {
        QTest::keyClicks(fenetre_->Entree, QStringLiteral("ab"));
        fenetre_->Entree->insert(QStringLiteral("中ő"));
        QTest::keyClick(fenetre_->Entree, Qt::Key_Return);
        QCOMPARE(fenetre_->Lemme->text(), QStringLiteral("ab??"));
        QCOMPARE(fenetre_->Explication->toPlainText(),
                 AnalyseDirecte(QStringLiteral("ab??")).explication);
        // A character of the code page goes through unchanged.
        Analyser(QStringLiteral("épais"));
        QCOMPARE(fenetre_->Lemme->text(), QStringLiteral("épais"));
    }

    void grandeEntreeSansLimite() {
        const QString mot(5000, QLatin1Char('e'));
        Analyser(mot);
        QCOMPARE(fenetre_->Entree->text().size(), 5000);
        QCOMPARE(fenetre_->Lemme->text(), AnalyseDirecte(mot.left(50)).lemme);
    }
};

QTEST_MAIN(TestFenetre)
#include "TestFenetre.moc"
