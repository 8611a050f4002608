// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBoxFile.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

#include "AdjoraConfig.h"
#include "Images.h"
#include "Polices.h"
#include "ui_AboutBoxFile.h"

TAboutBox* AboutBox = nullptr;

namespace {

constexpr int LARGEUR_CLIENT = 290;
constexpr int HAUTEUR_CLIENT = 190;
constexpr int GAUCHE = 310;
constexpr int HAUT = 130;

void Colorier(QWidget* champ, QPalette::ColorRole fond, const QColor& texte) {
    QPalette palette = champ->palette();
    palette.setColor(QPalette::Base, palette.color(fond));
    palette.setColor(QPalette::Text, texte);
    champ->setPalette(palette);
}

} // namespace

QString TAboutBox::TexteMemo() {
    return QStringLiteral("Lemmatiseur d'adjectifs\n"
                          "qualificatifs français\n"
                          "\n") +
           QString::fromUtf8(ADJORA_MAINTENEUR_NOM) + QStringLiteral("\nEmail : ") +
           QString::fromUtf8(ADJORA_MAINTENEUR_EMAIL);
}

TAboutBox::TAboutBox(QWidget* proprietaire)
    : QDialog(proprietaire, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                Qt::WindowStaysOnTopHint),
      ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    AboutButtonOk = ui_->AboutButtonOk;
    Memo1 = ui_->Memo1;
    Edit1 = ui_->Edit1;
    Edit2 = ui_->Edit2;

    setWindowIcon(IconeApplication());
    FixerPixels(this, 11);
    FixerPixels(Edit1, 16);
    FixerPixels(Edit2, 13);
    FixerPixels(Memo1, 13);
    Colorier(Edit1, QPalette::Window, Qt::red);
    Colorier(Edit2, QPalette::Window, Qt::black);
    Colorier(Memo1, QPalette::Light, Qt::blue);
    Edit2->raise(); // lies over the lower edge of the title

    QTextOption centre(Qt::AlignHCenter);
    centre.setWrapMode(QTextOption::WordWrap);
    Memo1->document()->setDefaultTextOption(centre);
    Memo1->setPlainText(TexteMemo());

    connect(AboutButtonOk, &QPushButton::clicked, this, &TAboutBox::AboutButtonOkClick);
    setFixedSize(LARGEUR_CLIENT, HAUTEUR_CLIENT);
    move(GAUCHE, HAUT);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::AboutButtonOkClick() {
    reject();
}

void TAboutBox::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    AboutButtonOk->setFocus(Qt::ActiveWindowFocusReason);
}

void TAboutBox::keyPressEvent(QKeyEvent* evenement) {
    switch (evenement->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == AboutButtonOk) {
            AboutButtonOk->click();
        }
        evenement->accept();
        return;
    case Qt::Key_Escape:
        evenement->accept(); // no cancel button: Escape does nothing
        return;
    default:
        QDialog::keyPressEvent(evenement);
    }
}
