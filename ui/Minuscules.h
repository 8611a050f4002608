// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Lower-case forcing for single-line text fields.
#pragma once

#include <QValidator>

// Turns every letter of the field into lower case as it is entered (typed or
// pasted), leaving the cursor where it was; it never refuses a text.
class ValidateurMinuscules : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
    void fixup(QString& texte) const override;
};
