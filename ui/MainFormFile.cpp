// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFile.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "Annonce.h"
#include "DossierDonnees.h"
#include "FenetreAide.h"
#include "FormesFile.h"
#include "GroupeRadio.h"
#include "Images.h"
#include "Impression.h"
#include "Minuscules.h"
#include "PagesDeCode.h"
#include "Paradigmes.h"
#include "Placement.h"
#include "Polices.h"
#include "ui_MainFormFile.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int LARGEUR_CLIENT = 313;
constexpr int HAUTEUR_CLIENT = 323;
constexpr int GAUCHE = 309;
constexpr int HAUT = 155;
constexpr int PIXELS_POLICE = 11;

QString VersUtf8(const char* texte1252) {
    return QString::fromStdString(pages::Cp1252VersUtf8(texte1252 ? texte1252 : ""));
}

// A read-only field that passes for a label: no border, menu-colour background.
void CommeEtiquette(QLineEdit* champ) {
    QPalette palette = champ->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    champ->setPalette(palette);
}

bool ContientAide(const std::string& dossier) {
    std::error_code erreur;
    return std::filesystem::is_regular_file(
        std::filesystem::path(dossier) / FICHIER_AIDE.toStdString(), erreur);
}

// Loads the eight lexicons and, when the current folder holds its file, the
// paradigm lexicon. That one is optional: without it the rules give every
// form and nothing is reported. Returns whether the file was there.
bool ChargerLexiquesEtParadigmes() {
    ChargerExceptions();
    std::error_code erreur;
    if (!std::filesystem::exists(std::filesystem::symlink_status(FICHIER_PARADIGMES, erreur))) {
        return false;
    }
    ChargerParadigmes();
    return true;
}

// Loads the eight lexicons and the paradigms from the first folder that holds
// any lexicon; when none does, from the current folder, whose missing files
// are reported. Returns whether the paradigm file was there.
bool ChargerDepuisDossierDonnees(const std::vector<std::string>& candidats) {
    // The files are read by bare name, from the current folder.
    const auto dossier = dossiers::PremierDossier(candidats);
    bool paradigmes = false;
    if (dossier && dossiers::ExecuterDans(
                       *dossier, [&paradigmes] { paradigmes = ChargerLexiquesEtParadigmes(); })) {
        return paradigmes;
    }
    return ChargerLexiquesEtParadigmes();
}

// Where the save dialog opens: the documents folder, else the home folder.
QString DossierPdf() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) {
        return documents;
    }
    return QDir::homePath();
}

QString TexteItem(const QButtonGroup* groupe) {
    const QAbstractButton* item = groupe->checkedButton();
    return item ? item->text() : QString();
}

} // namespace

std::uint16_t CodeToucheVirtuelle(int cleQt) {
    // Only Enter acts; every other key reaches the handler as a code it ignores.
    return cleQt == Qt::Key_Return || cleQt == Qt::Key_Enter ? TOUCHE_ENTREE : 0;
}

std::vector<std::string> DossiersDonnees(const std::filesystem::path& programme) {
    return {".", dossiers::DossierDonneesPresDuProgramme(programme).value_or(""),
            ADJORA_DONNEES_BUILD};
}

TMainForm::TMainForm(QWidget* proprietaire, const std::vector<std::string>& candidats)
    : QWidget(proprietaire, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TMainForm>()) {
    ui_->setupUi(this);
    PreparerControles();
    PreparerBarreOutils();
    setFixedSize(LARGEUR_CLIENT, HAUTEUR_CLIENT);
    PlacerSurEcran();
    Entree->setFocus();

    AfficherMessage = [this](const QString& texte) {
        QMessageBox::critical(this, TITRE_APPLICATION, texte);
    };
    ImprimantePresente = [this] { return ImprimanteConnue(); };
    ChoisirImprimante = [this] { return DialogueImpression(); };
    ChoisirFichierPdf = [this](const QString& propose) {
        return DialogueFichierPdf(this, propose);
    };
    const auto aide = dossiers::PremierDossier(candidats, ContientAide);
    fichierAide_ = aide && *aide != "." ? QDir(QString::fromStdString(*aide)).filePath(FICHIER_AIDE)
                                        : FICHIER_AIDE;
    paradigmesAbsents_ = !ChargerDepuisDossierDonnees(candidats);
}

TMainForm::~TMainForm() = default;

// The usual place, moved inside the available area of its screen where it
// would run off it (a large scale factor on a small screen). The frame counts
// as far as the platform tells it before the window shows.
void TMainForm::PlacerSurEcran() {
    create();
    const QPoint usuelle(GAUCHE, HAUT);
    QScreen* ecran = QGuiApplication::screenAt(usuelle);
    if (ecran == nullptr) {
        ecran = screen();
    }
    const QRect cadre(usuelle, size().grownBy(windowHandle()->frameMargins()));
    move(PlaceDansZone(cadre, ecran->availableGeometry()));
}

void TMainForm::PreparerControles() {
    SpeedBar = ui_->SpeedBar;
    SpeedImprimer = ui_->SpeedImprimer;
    SpeedExplications = ui_->SpeedExplications;
    SpeedApropos = ui_->SpeedApropos;
    Entree = ui_->Entree;
    Lemme = ui_->Lemme;
    Genre = ui_->Genre;
    Nombre = ui_->Nombre;
    Explication = ui_->Explication;
    GroupBox1 = ui_->GroupBox1;
    Texte1 = ui_->Texte1;
    Texte2 = ui_->Texte2;

    setWindowIcon(IconeApplication());
    FixerPixels(this, PIXELS_POLICE);
    CommeEtiquette(Texte1);
    CommeEtiquette(Texte2);
    Explication->raise(); // drawn over the frame that encloses it

    Entree->setValidator(new ValidateurMinuscules(Entree));
    Entree->installEventFilter(this);
    annonce_ = new Annonce(this);
    connect(Entree, &QLineEdit::textEdited, annonce_, &Annonce::Retirer); // no result yet

    groupeGenre_ = CreerGroupeRadio(Genre);
    groupeNombre_ = CreerGroupeRadio(Nombre);

    AjouterMenuFormes(Lemme, [this] { ToutesLesFormes(); });
    connect(new QShortcut(RACCOURCI_FORMES, this), &QShortcut::activated, this,
            &TMainForm::ToutesLesFormes);
}

void TMainForm::PreparerBarreOutils() {
    SpeedBar->setBackgroundRole(QPalette::Button);
    const struct {
        QToolButton* bouton;
        const char* image;
        void (TMainForm::*action)();
        QKeySequence touche; // reaches the action from anywhere in the window
    } boutons[] = {
        {SpeedImprimer, "imprimer", &TMainForm::FilePrint, RACCOURCI_IMPRIMER},
        {SpeedExplications, "aide", &TMainForm::HelpContents, RACCOURCI_AIDE},
        {SpeedApropos, "apropos", &TMainForm::HelpAbout, RACCOURCI_APROPOS},
    };
    for (const auto& b : boutons) {
        b.bouton->setIcon(QIcon(ImageBouton(QString::fromLatin1(b.image))));
        connect(b.bouton, &QToolButton::clicked, this, b.action);
        connect(new QShortcut(b.touche, this), &QShortcut::activated, this, b.action);
    }
}

bool TMainForm::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == Entree && evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        std::uint16_t code = CodeToucheVirtuelle(touche->key());
        EntreeKeyDown(objet, code, touche->modifiers());
    }
    return QWidget::eventFilter(objet, evenement); // the key reaches the field as usual
}

void TMainForm::EntreeKeyDown(QObject* /*Sender*/, std::uint16_t& Key,
                              Qt::KeyboardModifiers /*Shift*/) {
    if (Key != TOUCHE_ENTREE) {
        return;
    }
    const QString texte = Entree->text();
    if (texte.isEmpty()) {
        return;
    }
    // The field holds only characters that Windows-1252 can hold.
    const pages::Conversion1252 mot = pages::Utf8VersCp1252(texte.toUtf8().toStdString());
    if (!ContientUneLettre(mot.texte.c_str())) {
        return; // punctuation or a number: no word, as an empty field
    }
    Analyse analyse{};
    const char* explication = AnalyserAdjectif(mot.texte.c_str(), &analyse);
    AfficherAnalyse(analyse, explication);
    dernierMot_ = mot.texte;
    if (formes_ && formes_->isVisible()) {
        formes_->Afficher(dernierMot_);
    }
}

void TMainForm::AfficherAnalyse(const Analyse& analyse, const char* explication) {
    Explication->setPlainText(VersUtf8(explication));
    Explication->moveCursor(QTextCursor::Start);
    Explication->verticalScrollBar()->setValue(0);

    char mot[TAILLE_MOT];
    std::copy(std::begin(analyse.Mot), std::end(analyse.Mot), mot);
    mot[TAILLE_MOT - 1] = '\0';
    Lemme->setText(VersUtf8(mot).toLower());

    if (const auto item = ItemPourCode(analyse.CodeGenre)) {
        SelectionnerItem(groupeGenre_, *item);
    }
    if (const auto item = ItemPourCode(analyse.CodeNombre)) {
        SelectionnerItem(groupeNombre_, *item);
    }
    AnnoncerResultat();
}

void TMainForm::AnnoncerResultat() {
    annonce_->Annoncer(
        QStringList{Lemme->text(), TexteItem(groupeGenre_), TexteItem(groupeNombre_)}.join(
            QStringLiteral(", ")));
}

int TMainForm::ItemGenre() const {
    return ItemSelectionne(groupeGenre_);
}
int TMainForm::ItemNombre() const {
    return ItemSelectionne(groupeNombre_);
}

void TMainForm::FilePrint() {
    if (!ImprimantePresente()) {
        AfficherMessage(QStringLiteral("Aucune imprimante par défaut n'est sélectionnée."));
        EnregistrerEnPdf();
        return;
    }
    QPrinter* imprimante = ChoisirImprimante();
    if (imprimante == nullptr) {
        return;
    }
    if (ImprimerImage(*imprimante, grab()).isEmpty()) {
        AfficherMessage(QStringLiteral("L'impression n'a pas pu commencer sur l'imprimante « %1 ».")
                            .arg(imprimante->printerName()));
    }
}

// The page the printer would get, saved in a file the user chooses.
void TMainForm::EnregistrerEnPdf() {
    const QString propose =
        QDir(DossierPdf()).filePath(NomFichierPdf(VersUtf8(dernierMot_.c_str())));
    const QString fichier = ChoisirFichierPdf(propose);
    if (fichier.isEmpty()) {
        return;
    }
    if (EnregistrerImagePdf(fichier, grab()).isEmpty()) {
        AfficherMessage(QStringLiteral("Le fichier « %1 » n'a pas pu être écrit.")
                            .arg(QDir::toNativeSeparators(fichier)));
    }
}

bool TMainForm::ImprimanteConnue() const {
    return !QPrinterInfo::availablePrinters().isEmpty() &&
           (imprimante_ || !QPrinterInfo::defaultPrinter().isNull());
}

QPrinter* TMainForm::DialogueImpression() {
    if (!imprimante_) {
        imprimante_ =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    }
    QPrintDialog PrintDialog(imprimante_.get(), this);
    PrintDialog.setObjectName(QStringLiteral("PrintDialog"));
    PrintDialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                           QAbstractPrintDialog::PrintCollateCopies);
    if (PrintDialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return imprimante_.get();
}

void TMainForm::HelpContents() {
    if (!aide_) {
        aide_ = new FenetreAide(this);
    }
    aide_->Ouvrir(fichierAide_);
    if (!aide_->isVisible()) {
        aide_->PlacerAcote(frameGeometry(), screen()->availableGeometry());
    }
    aide_->show();
    aide_->raise();
    aide_->activateWindow();
}

void TMainForm::ToutesLesFormes() {
    if (!formes_) {
        formes_ = new TFormesBox(this, paradigmesAbsents_);
        // Closed, it gives the focus back to the main window's field that had it.
        connect(formes_, &QDialog::finished, this, [this] { activateWindow(); });
    }
    formes_->Afficher(dernierMot_);
    formes_->show();
    formes_->raise();
    formes_->activateWindow();
}

void TMainForm::HelpAbout() {
    if (AboutBox) {
        AboutBox->exec();
    }
}
