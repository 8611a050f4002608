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
    bool refus = false;
    for (qsizetype i = 0; i < minuscules.size(); ++i) {
        // A letter and its combining mark (decomposed text) make one character.
        const char32_t compose =
            garde.isEmpty() ? 0 : pages::Composer(garde.back().unicode(), minuscules[i].unicode());
        if (compose != 0) {
            garde.back() = QChar(static_cast<char16_t>(compose));
        } else if (Representable(minuscules[i])) {
            garde.append(minuscules[i]);
            continue;
        } else {
            refus = true;
        }
        if (i < position) {
            --curseur;
        }
    }
    if (refus) {
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
