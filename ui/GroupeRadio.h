// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Radio groups: a column of exclusive buttons with ids 0..n-1, none checked
// at start.
#pragma once

#include <cstdint>
#include <optional>

class QButtonGroup;
class QGroupBox;

// Builds an exclusive group over the radio buttons of `cadre`, in their
// top-to-bottom order, with ids 0, 1, ...
QButtonGroup* CreerGroupeRadio(QGroupBox* cadre);

// Checks item `index` (the others are cleared); an index outside the group
// changes nothing.
void SelectionnerItem(QButtonGroup* groupe, int index);

// Index of the checked item, or -1 when none is.
int ItemSelectionne(const QButtonGroup* groupe);

// Item shown for a gender or number code: 0 -> 0, 1 -> 1, 2 -> 3
// ("Indéterminé", fourth), 3 -> 2 ("Invariable", third); nothing otherwise.
std::optional<int> ItemPourCode(std::uint8_t code);
