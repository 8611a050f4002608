// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The window program: start-up lives in Demarrage.cpp.
#include <QApplication>

#include "Demarrage.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return Demarrer();
}
