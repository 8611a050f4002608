// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Minuscules.h"

#include <algorithm>

QValidator::State ValidateurMinuscules::validate(QString& texte, int& position) const {
    fixup(texte);
    position = std::clamp(position, 0, static_cast<int>(texte.size()));
    return Acceptable;
}

void ValidateurMinuscules::fixup(QString& texte) const {
    texte = texte.toLower();
}
