// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a window opens: its usual place, unless that would put part of it off
// the screen.
#pragma once

#include <QPoint>
#include <QRect>

// The top-left corner for a window whose frame would be `cadre` at its usual
// place, so that it lies within `zone` (a screen's available area): each
// coordinate stays as it is where the frame fits, else the frame is moved
// just inside the far edge; a frame larger than the zone is aligned on its
// near edge, so that the title bar stays reachable.
QPoint PlaceDansZone(const QRect& cadre, const QRect& zone);
