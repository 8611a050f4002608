// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormesFile.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "Images.h"
#include "PagesDeCode.h"
#include "Polices.h"
#include "ui_FormesFile.h"

namespace {

constexpr int PIXELS_POLICE = 11;

QString VersUtf8(const char* texte1252) {
    return QString::fromStdString(pages::Cp1252VersUtf8(texte1252));
}

QString Formes(const CaseParadigme& cas) {
    QStringList formes;
    for (std::size_t i = 0; i < cas.Nb; ++i) {
        formes << VersUtf8(cas.Formes[i].Mot);
    }
    return formes.join(QStringLiteral(", "));
}

// Each form of the cell followed by its explanation.
QString Explications(const CaseParadigme& cas) {
    if (cas.Nb == 0) {
        return VersUtf8(EXPLICATION_CASE_VIDE).trimmed();
    }
    QStringList textes;
    for (std::size_t i = 0; i < cas.Nb; ++i) {
        char texte[2 * TAILLE_EXPLICATION];
        ExpliquerForme(cas.Formes[i], texte, sizeof texte);
        textes << VersUtf8(cas.Formes[i].Mot) + QStringLiteral(" : ") + VersUtf8(texte).trimmed();
    }
    return textes.join(QStringLiteral("\n\n"));
}

// The table just holds its header and its two rows, in the dialog's font.
void AjusterHauteur(QTableWidget* tableau) {
    tableau->resizeRowsToContents();
    tableau->setFixedHeight(tableau->horizontalHeader()->sizeHint().height() +
                            tableau->verticalHeader()->length() + 2 * tableau->frameWidth());
}

} // namespace

TFormesBox::TFormesBox(QWidget* proprietaire, bool paradigmesAbsents)
    : QDialog(proprietaire), ui_(std::make_unique<Ui::TFormesBox>()),
      paradigmesAbsents_(paradigmesAbsents) {
    ui_->setupUi(this);
    TexteLemme = ui_->TexteLemme;
    Tableau = ui_->Tableau;
    ExplicationForme = ui_->ExplicationForme;
    FormesButtonFermer = ui_->FormesButtonFermer;

    setWindowIcon(IconeApplication());
    FixerPixels(this, PIXELS_POLICE);
    for (int position = 0; position < NB_CASES; ++position) {
        Tableau->setItem(position / 2, position % 2, new QTableWidgetItem);
    }
    AjusterHauteur(Tableau);
    connect(Tableau, &QTableWidget::currentCellChanged, this, &TFormesBox::AfficherExplication);
    connect(FormesButtonFermer, &QPushButton::clicked, this, &QDialog::reject);
}

TFormesBox::~TFormesBox() = default;

int TFormesBox::CasePosition(int ligne, int colonne) {
    return 2 * ligne + colonne; // singular row first, masculine column first
}

void TFormesBox::Afficher(const std::string& mot1252) {
    paradigme_ = Paradigme{};
    if (!mot1252.empty()) {
        FlechirAdjectif(mot1252.c_str(), &paradigme_);
    }
    TexteLemme->setText(mot1252.empty() ? QStringLiteral("Aucun adjectif analysé")
                                        : QStringLiteral("Lemme : ") + VersUtf8(paradigme_.Lemme));
    for (int ligne = 0; ligne < 2; ++ligne) {
        for (int colonne = 0; colonne < 2; ++colonne) {
            Tableau->item(ligne, colonne)
                ->setText(Formes(paradigme_.Cases[CasePosition(ligne, colonne)]));
        }
    }
    Tableau->setCurrentCell(0, 0);
    AfficherExplication();
    Tableau->setFocus();
}

void TFormesBox::AfficherExplication() {
    const int ligne = Tableau->currentRow();
    const int colonne = Tableau->currentColumn();
    if (ligne < 0 || colonne < 0 || paradigme_.Lemme[0] == '\0') {
        ExplicationForme->setPlainText(
            QStringLiteral("Tapez un adjectif dans la fenêtre principale et validez-le par "
                           "Entrée : ses formes s'affichent ici."));
        return;
    }
    QString texte = Explications(paradigme_.Cases[CasePosition(ligne, colonne)]);
    if (paradigmesAbsents_) {
        texte.prepend(QStringLiteral("Le fichier des formes irrégulières (paradigmes.lex) est "
                                     "introuvable : ces formes viennent des seules règles de "
                                     "terminaison.\n\n"));
    }
    ExplicationForme->setPlainText(texte);
}

void AjouterMenuFormes(QLineEdit* champ, const std::function<void()>& ouvrir) {
    champ->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(champ, &QWidget::customContextMenuRequested, champ,
                     [champ, ouvrir](const QPoint& position) {
                         std::unique_ptr<QMenu> menu(champ->createStandardContextMenu());
                         menu->setObjectName(QStringLiteral("MenuLemme"));
                         menu->addSeparator();
                         QAction* action =
                             menu->addAction(QStringLiteral("Toutes les formes"), ouvrir);
                         action->setObjectName(QStringLiteral("ActionFormes"));
                         action->setShortcut(RACCOURCI_FORMES);
                         menu->exec(champ->mapToGlobal(position));
                     });
}
