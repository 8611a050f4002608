// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Placement.h"

#include <algorithm>

namespace {

// One coordinate: from `debut` over `longueur`, kept within `min`..`max` (inclusive).
int DansIntervalle(int debut, int longueur, int min, int max) {
    const int dernier = max + 1 - longueur; // the last start that still fits
    return std::max(min, std::min(debut, dernier));
}

} // namespace

QPoint PlaceDansZone(const QRect& cadre, const QRect& zone) {
    return {DansIntervalle(cadre.left(), cadre.width(), zone.left(), zone.right()),
            DansIntervalle(cadre.top(), cadre.height(), zone.top(), zone.bottom())};
}
