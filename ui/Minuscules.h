// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Lower-case forcing for single-line text fields.
#pragma once

#include <QValidator>

// Turns every letter of the field into lower case as it is entered (typed or
// pasted), composes a letter followed by a combining mark (decomposed text)
// into one character, and drops the characters Windows-1252 cannot hold, so that the
// engine never receives a substitute, with a beep; the cursor keeps its place
// in the text that remains. It never refuses a whole text.
class ValidateurMinuscules : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
    void fixup(QString& texte) const override;
};
