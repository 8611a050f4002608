// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The window program; its start-up lives in Adjora.cpp, in the library, so that tests can run it.
#include <QApplication>

#include "Adjora.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return Demarrer();
}
