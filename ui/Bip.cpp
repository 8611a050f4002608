// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bip.h"

#include <QApplication>
#include <utility>

namespace {

SonnerieBip& Sonnerie() {
    static SonnerieBip sonnerie = QApplication::beep;
    return sonnerie;
}

} // namespace

void Bip() {
    Sonnerie()();
}

SonnerieBip InstallerBip(SonnerieBip sonnerie) {
    return std::exchange(Sonnerie(),
                         sonnerie ? std::move(sonnerie) : SonnerieBip(QApplication::beep));
}
