// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Toutes les formes" dialog: the four forms of the last analysed
// adjective in a 2 × 2 table (singular and plural rows, masculine and
// feminine columns), and the explanation of the selected cell.
#pragma once

#include <QDialog>
#include <QKeySequence>
#include <functional>
#include <memory>
#include <string>

#include "Flexion.h"

namespace Ui {
class TFormesBox;
}
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// Opens the dialog from anywhere in the main window.
inline const QKeySequence RACCOURCI_FORMES = QKeySequence(Qt::CTRL | Qt::Key_T);

class TFormesBox : public QDialog {
    Q_OBJECT

  public:
    // `paradigmesAbsents`: the paradigm file was not found, so the rules
    // alone give the forms, which the explanations say.
    explicit TFormesBox(QWidget* proprietaire = nullptr, bool paradigmesAbsents = false);
    ~TFormesBox() override;

    // Controls (owned by the dialog).
    QLabel* TexteLemme = nullptr;
    QTableWidget* Tableau = nullptr;
    QPlainTextEdit* ExplicationForme = nullptr;
    QPushButton* FormesButtonFermer = nullptr;

    // Shows the paradigm of `mot1252`, a word as analysed (Windows-1252);
    // an empty word shows that none was analysed yet. The first cell is selected.
    void Afficher(const std::string& mot1252);

    // The cell (CASE_MS ... CASE_FP) of a table position, and back.
    static int CasePosition(int ligne, int colonne);

  private:
    void AfficherExplication();

    std::unique_ptr<Ui::TFormesBox> ui_;
    Paradigme paradigme_{};
    bool paradigmesAbsents_ = false;
};

// Adds "Toutes les formes" (with its key) to the context menu of `champ`,
// after the field's standard entries; `ouvrir` runs when it is chosen.
void AjouterMenuFormes(QLineEdit* champ, const std::function<void()>& ouvrir);
