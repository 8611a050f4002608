// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GroupeRadio.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>

QButtonGroup* CreerGroupeRadio(QGroupBox* cadre) {
    auto boutons = cadre->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(boutons.begin(), boutons.end(),
                     [](const QRadioButton* a, const QRadioButton* b) { return a->y() < b->y(); });
    auto* groupe = new QButtonGroup(cadre);
    groupe->setExclusive(true);
    int id = 0;
    for (QRadioButton* bouton : boutons) {
        bouton->setChecked(false);
        groupe->addButton(bouton, id++);
    }
    return groupe;
}

void SelectionnerItem(QButtonGroup* groupe, int index) {
    if (QAbstractButton* bouton = groupe->button(index)) {
        bouton->setChecked(true);
    }
}

int ItemSelectionne(const QButtonGroup* groupe) {
    return groupe->checkedId();
}

std::optional<int> ItemPourCode(std::uint8_t code) {
    switch (code) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
        return 3;
    case 3:
        return 2;
    default:
        return std::nullopt;
    }
}
