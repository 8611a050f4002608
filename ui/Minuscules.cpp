// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Minuscules.h"

#include <algorithm>

#include "Bip.h"
#include "PagesDeCode.h"

namespace {

// A surrogate half stands for a character beyond the code page: never held.
bool Representable(QChar c) {
    return !c.isSurrogate() && pages::VersOctet(c.unicode(), pages::kHaut1252) >= 0;
}

} // namespace

QValidator::State ValidateurMinuscules::validate(QString& texte, int& position) const {
    const QString minuscules = texte.toLower();
    QString garde;
    garde.reserve(minuscules.size());
    int curseur = std::clamp(position, 0, static_cast<int>(minuscules.size()));
    for (qsizetype i = 0; i < minuscules.size(); ++i) {
        if (Representable(minuscules[i])) {
            garde.append(minuscules[i]);
        } else if (i < position) {
            --curseur;
        }
    }
    if (garde.size() < minuscules.size()) {
        Bip(); // a refused character: the text stays as it was
    }
    texte = garde;
    position = std::clamp(curseur, 0, static_cast<int>(texte.size()));
    return Acceptable;
}

void ValidateurMinuscules::fixup(QString& texte) const {
    int fin = static_cast<int>(texte.size());
    validate(texte, fin);
}
