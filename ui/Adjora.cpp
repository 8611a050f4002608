// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the application, the error boxes, the main window (which loads
// the lexicons), the about box, then the event loop.
#include <QApplication>

#include "AboutBoxFile.h"
#include "AdjoraConfig.h"
#include "Images.h"
#include "MainFormFile.h"
#include "Polices.h"
#include "Presentateur.h"
#include "Traductions.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(TITRE_APPLICATION);
    QApplication::setApplicationVersion(QStringLiteral(ADJORA_VERSION));
    QApplication::setWindowIcon(IconeApplication());
    InstallerSubstitutions();
    InstallerTraductionsQt(); // standard dialogs in French

    // Reports raised while the lexicons load show as boxes before the window.
    InstallerPresentateur(PresentateurFenetre());

    TMainForm fenetre;
    MainForm = &fenetre;
    TAboutBox aPropos;
    AboutBox = &aPropos;

    fenetre.show();
    QApplication::exec();

    AboutBox = nullptr;
    MainForm = nullptr;
    return 0;
}
