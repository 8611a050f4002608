// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The about box: program name, version date, purpose and maintainer.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}
class QLineEdit;
class QPushButton;
class QTextEdit;

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    // Builds the box hidden; it keeps its place between showings.
    explicit TAboutBox(QWidget* proprietaire = nullptr);
    ~TAboutBox() override;

    // Controls, in declared order (owned by the box).
    QPushButton* AboutButtonOk = nullptr;
    QTextEdit* Memo1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;

    // Closes the box (cancel result), like the title bar's close box.
    void AboutButtonOkClick();

    // The five lines of Memo1.
    static QString TexteMemo();

  protected:
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

  private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};

// The one about box of the program (set by start-up).
extern TAboutBox* AboutBox;
