// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: an input field for one adjective, the lemma, gender and
// number found by the engine, its explanation, and a tool bar to print the
// window, open the help and show the about box.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Lemmatiseur.h"

namespace Ui {
class TMainForm;
}
class Annonce;
class FenetreAide;
class TFormesBox;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QToolButton;

inline const QString TITRE_APPLICATION = QStringLiteral("Adjora 1.0");
inline const QString FICHIER_AIDE = QStringLiteral("Adjora.hlp");

// Keys of the print, help and about actions, from anywhere in the main window.
inline const QKeySequence RACCOURCI_IMPRIMER = QKeySequence(Qt::CTRL | Qt::Key_P);
inline const QKeySequence RACCOURCI_AIDE = QKeySequence(Qt::Key_F1);
inline const QKeySequence RACCOURCI_APROPOS = QKeySequence(Qt::CTRL | Qt::Key_I);

// Windows virtual key code of Enter, the only key that starts an analysis.
inline constexpr std::uint16_t TOUCHE_ENTREE = 13;

// Key code handed to EntreeKeyDown: 13 for Return and the keypad's Enter, 0 otherwise.
std::uint16_t CodeToucheVirtuelle(int cleQt);

// The folders that may hold the lexicons and the help file, in order: the
// current folder, the installed data folder beside `programme` (by default
// the running program) when it holds lexicons, else "", the source tree's data/.
std::vector<std::string> DossiersDonnees(const std::filesystem::path& programme = {});

class TMainForm : public QWidget {
    Q_OBJECT

  public:
    // Builds the window hidden, sets the help file and loads the lexicons,
    // both taken from the first of `candidats` that holds them (when none holds
    // a lexicon, the current folder's missing files are reported).
    explicit TMainForm(QWidget* proprietaire = nullptr,
                       const std::vector<std::string>& candidats = DossiersDonnees());
    ~TMainForm() override;

    // Controls, in declared order (owned by the window).
    QFrame* SpeedBar = nullptr;
    QToolButton* SpeedImprimer = nullptr;
    QToolButton* SpeedExplications = nullptr;
    QToolButton* SpeedApropos = nullptr;
    QLineEdit* Entree = nullptr;
    QLineEdit* Lemme = nullptr;
    QGroupBox* Genre = nullptr;
    QGroupBox* Nombre = nullptr;
    QPlainTextEdit* Explication = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Texte1 = nullptr;
    QLineEdit* Texte2 = nullptr;

    // Event handlers.
    void FilePrint();
    void HelpContents();
    void HelpAbout();
    void EntreeKeyDown(QObject* Sender, std::uint16_t& Key, Qt::KeyboardModifiers Shift);

    // Shows one analysis: explanation, lemma and both radio selections.
    void AfficherAnalyse(const Analyse& analyse, const char* explication);

    // Tells screen readers the result shown: lemma, gender and number items.
    void AnnoncerResultat();

    // Radio groups, by item index (-1: none selected).
    QButtonGroup* GroupeGenre() const { return groupeGenre_; }
    QButtonGroup* GroupeNombre() const { return groupeNombre_; }
    int ItemGenre() const;
    int ItemNombre() const;

    // What screen readers are told after each analysis.
    Annonce* AnnonceResultat() const { return annonce_; }

    // Opens the "Toutes les formes" dialog on the last analysed word.
    void ToutesLesFormes();
    TFormesBox* Formes() const { return formes_; }

    // The help window, once opened.
    FenetreAide* Aide() const { return aide_; }
    const QString& FichierAide() const { return fichierAide_; }

    // Shows a message about printing; replaceable so that tests can record.
    std::function<void(const QString& texte)> AfficherMessage;

    // Whether the system offers a printer (by default, asks the print
    // system). Replaceable so that tests run as on a machine without one.
    std::function<bool()> ImprimantePresente;

    // The printer of a print job: by default the print dialog, opened on the
    // printer last confirmed (the default printer at first); null when the
    // user cancels. Replaceable so that tests print to a file.
    std::function<QPrinter*()> ChoisirImprimante;

    // Without a printer, the PDF file to save the page in: by default the save
    // dialog opened on `propose`; "" when the user cancels. Replaceable so
    // that tests need no dialog.
    std::function<QString(const QString& propose)> ChoisirFichierPdf;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void PreparerControles();
    void PreparerBarreOutils();
    void PlacerSurEcran();
    bool ImprimanteConnue() const;
    QPrinter* DialogueImpression();
    void EnregistrerEnPdf();

    std::unique_ptr<Ui::TMainForm> ui_;
    QButtonGroup* groupeGenre_ = nullptr;
    QButtonGroup* groupeNombre_ = nullptr;
    Annonce* annonce_ = nullptr;
    FenetreAide* aide_ = nullptr;
    TFormesBox* formes_ = nullptr;
    std::string dernierMot_; // Windows-1252, as last analysed
    std::unique_ptr<QPrinter> imprimante_;
    QString fichierAide_;
    bool paradigmesAbsents_ = false; // no paradigm file: the rules alone give the forms
};

// The one main window of the program (set by start-up).
extern TMainForm* MainForm;
