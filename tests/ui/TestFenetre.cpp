// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: its controls, the input field and the display of analyses.
#include <QButtonGroup>
#include <QFontInfo>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "Commun.h"
#include "GroupeRadio.h"
#include "Images.h"
#include "Polices.h"

namespace {

// What the window shows: lemma, gender and number items (-1: none), explanation.
struct Affichage {
    QString lemme;
    int genre = -1;
    int nombre = -1;
    QString explication;
    bool operator==(const Affichage&) const = default;
};

char* toString(const Affichage& a) {
    const QStringList champs = {a.lemme, QString::number(a.genre), QString::number(a.nombre),
                                a.explication};
    return qstrdup(qPrintable(champs.join(" | ")));
}

// The engine's own lemma and explanation for `mot`, with the items expected.
Affichage Attendu(const QString& mot, int genre, int nombre) {
    Analyse analyse{};
    const char* explication =
        AnalyserAdjectif(pages::Utf8VersCp1252(mot.toStdString()).texte.c_str(), &analyse);
    return {QString::fromStdString(pages::Cp1252VersUtf8(analyse.Mot)), genre, nombre,
            QString::fromStdString(pages::Cp1252VersUtf8(explication))};
}

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DossierLexiques> lexiques_;
    std::unique_ptr<TMainForm> f_;

    Affichage Affiche() const {
        return {f_->Lemme->text(), f_->ItemGenre(), f_->ItemNombre(),
                f_->Explication->toPlainText()};
    }

  private slots:
    void initTestCase() { InstallerSubstitutions(); }
    void init() {
        lexiques_ = std::make_unique<DossierLexiques>(
            QMap<QChar, QString>{{u'A', "gris\népais\n"}, {u'H', "marron\norange\n"}});
        f_ = std::make_unique<TMainForm>();
    }
    void cleanup() {
        f_.reset();
        lexiques_.reset();
    }

    void fenetre() {
        QCOMPARE(f_->windowTitle(), "Adjora 1.0");
        QCOMPARE(f_->pos(), QPoint(309, 155));
        QCOMPARE(f_->minimumSize(), QSize(313, 323));
        QCOMPARE(f_->maximumSize(), QSize(313, 323));
        const Qt::WindowFlags drapeaux = f_->windowFlags();
        QVERIFY(drapeaux & Qt::WindowMinimizeButtonHint && drapeaux & Qt::WindowCloseButtonHint);
        QVERIFY(!(drapeaux & Qt::WindowMaximizeButtonHint));
        QVERIFY(!f_->isVisible()); // built hidden
        QVERIFY(f_->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void controles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometrie");
        QTest::addColumn<QString>("bulle");
        QTest::addColumn<QString>("texte"); // a field's text, a frame's title
        const auto ligne = [](const char* nom, QRect geometrie, const char* bulle = "",
                              const char* texte = "") {
            QTest::newRow(nom) << QString(nom) << geometrie << QString(bulle) << QString(texte);
        };
        ligne("SpeedBar", {0, 0, 313, 33});
        ligne("SpeedImprimer", {4, 4, 25, 25}, "Imprimer");
        ligne("SpeedExplications", {260, 4, 25, 25}, "Aide");
        ligne("SpeedApropos", {284, 4, 25, 25}, "A propos...");
        ligne("Texte1", {4, 56, 49, 17}, "", "Adjectif :");
        ligne("Entree", {56, 52, 213, 21}, "Donnez votre adjectif à lemmatiser");
        ligne("Texte2", {4, 80, 49, 17}, "", "Lemme :");
        ligne("Lemme", {56, 78, 213, 21}, "Lemme");
        ligne("Nombre", {56, 104, 97, 93}, "Nombre", "Nombre");
        ligne("Genre", {172, 104, 97, 93}, "Genre", "Genre");
        ligne("GroupBox1", {56, 204, 213, 105}, "", "Explication de la lemmatisation");
        ligne("Explication", {64, 220, 197, 77});
    }
    void controles() {
        QFETCH(QString, nom);
        QFETCH(QRect, geometrie);
        QFETCH(QString, bulle);
        QFETCH(QString, texte);
        auto* controle = f_->findChild<QWidget*>(nom);
        QVERIFY(controle);
        QCOMPARE(controle->geometry(), geometrie);
        QCOMPARE(controle->toolTip(), bulle);
        const auto* cadre = qobject_cast<QGroupBox*>(controle);
        QCOMPARE(cadre ? cadre->title() : controle->property("text").toString(), texte);
    }

    void proprietes() {
        // Labels are frameless read-only fields on the window's colour.
        for (QLineEdit* champ : {f_->Texte1, f_->Texte2, f_->Lemme}) {
            QVERIFY2(champ->isReadOnly() && champ->cursor().shape() == Qt::ArrowCursor,
                     qPrintable(champ->objectName()));
        }
        QVERIFY(!f_->Texte1->hasFrame() && !f_->Texte2->hasFrame());
        QCOMPARE(f_->Texte2->palette().color(QPalette::Base),
                 f_->palette().color(QPalette::Window));
        QCOMPARE(f_->Entree->cursor().shape(), Qt::WhatsThisCursor);
        QVERIFY(f_->Explication->isReadOnly());
        QCOMPARE(f_->Explication->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(f_->Entree->font().family(), "MS Sans Serif");
        QCOMPARE(f_->Entree->font().pixelSize(), 11);
        QCOMPARE(QFontInfo(f_->Entree->font()).family(), "Liberation Sans");
        QCOMPARE(f_->SpeedBar->backgroundRole(), QPalette::Button);
    }

    void radios() {
        const QStringList nombre = {"Singulier", "Pluriel", "Invariable", "Indéterminé"};
        const QStringList genre = {"Masculin", "Féminin", "Invariable", "Indéterminé"};
        QButtonGroup* groupe = f_->GroupeGenre();
        for (int i = 0; i < 4; ++i) { // numbered top to bottom
            QCOMPARE(f_->GroupeNombre()->button(i)->text(), nombre[i]);
            QCOMPARE(groupe->button(i)->text(), genre[i]);
            QVERIFY(i == 0 || groupe->button(i)->y() > groupe->button(i - 1)->y());
        }
        SelectionnerItem(groupe, 2);
        SelectionnerItem(groupe, 0);
        SelectionnerItem(groupe, 4); // outside the group: no change
        QCOMPARE(f_->ItemGenre(), 0);
        QVERIFY(!groupe->button(2)->isChecked() && !groupe->button(4));
    }

    void barreOutils() {
        for (QToolButton* bouton : {f_->SpeedImprimer, f_->SpeedExplications, f_->SpeedApropos}) {
            QCOMPARE(bouton->parentWidget(), f_->SpeedBar);
            QCOMPARE(bouton->focusPolicy(), Qt::NoFocus);
            QVERIFY(bouton->autoRaise() && !bouton->icon().isNull());
        }
        // 20 x 20 pictures whose olive background, and only it, is transparent.
        for (const char* nom : {"imprimer", "aide", "apropos"}) {
            const QImage image = ImageBouton(nom).toImage();
            QCOMPARE(image.size(), QSize(20, 20));
            int transparents = 0;
            for (int point = 0; point < 400; ++point) {
                const QRgb p = image.pixel(point % 20, point / 20);
                QVERIFY2(qAlpha(p) == 0 || QColor(p) != QColor(132, 130, 0), nom);
                transparents += qAlpha(p) == 0;
            }
            QVERIFY2(transparents > 0 && transparents < 380, nom);
        }
        QVERIFY(ImageBouton("absente").isNull());
    }

    void focusEtTabulation() {
        f_->show();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
        QCOMPARE(ParcoursTabulation(7), QStringList({"Entree", "Lemme", "Genre", "Nombre",
                                                     "Explication", "Texte1", "Texte2", "Entree"}));
    }

    void minusculesForcees() {
        QTest::keyClicks(f_->Entree, "BeLLES");
        QCOMPARE(f_->Entree->text(), "belles");
        f_->Entree->setCursorPosition(2);
        QTest::keyClicks(f_->Entree, "ÉÀ");
        QCOMPARE(f_->Entree->text(), "beéàlles");
        QCOMPARE(f_->Entree->cursorPosition(), 4);
        f_->Entree->clear();
        f_->Entree->insert("GRANDES"); // as pasted
        QCOMPARE(f_->Entree->text(), "grandes");
    }

    void touches_data() {
        QTest::addColumn<QKeySequence>("touche");
        QTest::addColumn<bool>("analyse");
        const auto ligne = [](QKeyCombination touche, bool analyse) {
            QTest::newRow(qPrintable(QKeySequence(touche).toString()))
                << QKeySequence(touche) << analyse;
        };
        for (const QKeyCombination entree :
             {QKeyCombination(Qt::Key_Return), Qt::ShiftModifier | Qt::Key_Return,
              Qt::ControlModifier | Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter,
              Qt::KeypadModifier | Qt::ShiftModifier | Qt::Key_Enter}) {
            ligne(entree, true);
        }
        for (const Qt::Key autre : {Qt::Key_Tab, Qt::Key_A, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                    Qt::Key_Down, Qt::Key_Escape, Qt::Key_Space}) {
            ligne(autre, false);
        }
    }
    void touches() {
        QFETCH(QKeySequence, touche);
        QFETCH(bool, analyse);
        Analyser(*f_, "belles", touche[0]);
        QCOMPARE(Affiche(), analyse ? Attendu("belles", 1, 1) : Affichage{}); // feminine plural
        // The word stays, unselected.
        QVERIFY(f_->Entree->text().startsWith("belles") && !f_->Entree->hasSelectedText());
    }

    void entreeVide() {
        Analyser(*f_, "");
        QCOMPARE(Affiche(), Affichage{});
        Analyser(*f_, "grandes");
        Analyser(*f_, ""); // leaves the last analysis
        QCOMPARE(Affiche(), Attendu("grandes", 1, 1));
        // Blanks are not empty: the engine answers them.
        Analyser(*f_, "   ");
        QCOMPARE(Affiche().explication, Attendu("   ", 0, 0).explication);
        QVERIFY(!Affiche().explication.isEmpty());
    }

    void analyseRepeteeRemplace() {
        Analyser(*f_, "belles");
        Analyser(*f_, "belles");
        QCOMPARE(Affiche(), Attendu("belles", 1, 1)); // the explanation is not doubled
        Analyser(*f_, "heureux");
        QCOMPARE(Affiche(), Attendu("heureux", 0, 3)); // every result replaced
    }

    void codesCroises_data() {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("genre");
        QTest::addColumn<int>("nombre");
        QTest::newRow("rouge") << "rouge" << 3 << 0;     // gender code 2 (undetermined): 4th item
        QTest::newRow("heureux") << "heureux" << 0 << 3; // number code 2 (undetermined): 4th item
        QTest::newRow("marron") << "marron" << 2 << 2;   // both codes 3 (invariable): 3rd items
    }
    void codesCroises() {
        QFETCH(QString, mot);
        QFETCH(int, genre);
        QFETCH(int, nombre);
        Analyser(*f_, mot);
        QCOMPARE(Affiche(), Attendu(mot, genre, nombre));
    }

    void enregistrementsAnormaux() {
        // A code outside the table leaves its radio group as it was.
        Analyser(*f_, "marron");
        f_->AfficherAnalyse(Analyse{"vert", 4, 255}, "texte");
        QCOMPARE(Affiche(), (Affichage{"vert", 2, 2, "texte"}));
        // A word filling the whole buffer, with no terminator, is read safely.
        Analyse plein{};
        std::fill(std::begin(plein.Mot), std::end(plein.Mot), 'a');
        f_->AfficherAnalyse(plein, nullptr);
        QCOMPARE(Affiche(), (Affichage{QString(50, 'a'), 0, 0, ""}));
    }

    void motsLongs() {
        // 60 characters, "belles" ending at the 50th: the engine reads the first 50.
        const QString soixante = QString(44, 'x') + "belles" + QString(10, 'z');
        Analyser(*f_, soixante);
        QCOMPARE(f_->Entree->text(), soixante);
        QCOMPARE(Affiche(), Attendu(soixante.left(50), 1, 1));
        // A huge input is neither cut in the field nor a fault.
        const QString enorme(5000, 'e');
        Analyser(*f_, enorme);
        QCOMPARE(f_->Entree->text(), enorme);
        QCOMPARE(f_->Lemme->text(), Attendu(enorme.left(50), 0, 0).lemme);
    }

    void caractereHorsPageDeCode() {
        Analyser(*f_, "ab中ő"); // neither is in Windows-1252: the engine gets '?'
        QCOMPARE(f_->Lemme->text(), "ab??");
        QCOMPARE(Affiche().explication, Attendu("ab??", 0, 0).explication);
        Analyser(*f_, "épais");
        QCOMPARE(f_->Lemme->text(), "épais");
    }
};

QTEST_MAIN(TestFenetre)
#include "TestFenetre.moc"
