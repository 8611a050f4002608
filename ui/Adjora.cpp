// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Adjora.h"

#include <QApplication>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "Images.h"
#include "MainFormFile.h"
#include "Polices.h"
#include "Traductions.h"

int Demarrer(const AfficheurBoite& afficheur) {
    QApplication::setApplicationName(TITRE_APPLICATION);
    QApplication::setApplicationVersion(QStringLiteral(ADJORA_VERSION));
    QApplication::setWindowIcon(IconeApplication());
    InstallerSubstitutions();
    InstallerTraductionsQt(); // standard dialogs in French

    // Reports raised while the lexicons load show as boxes before the window.
    const PresentateurErreur precedent = InstallerPresentateur(PresentateurFenetre(afficheur));

    TMainForm fenetre;
    MainForm = &fenetre;
    TAboutBox aPropos;
    AboutBox = &aPropos;

    fenetre.show();
    const int statut = QApplication::exec();

    AboutBox = nullptr;
    MainForm = nullptr;
    InstallerPresentateur(precedent);
    return statut;
}
