// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Hash indexes beside the lexicon lists: the position of a word's first entry
// and the word at a position, in constant time. The lists stay the storage;
// an index answers exactly as PositionMot and MotPos on its list, and one
// that may be stale (a list changed since it was built) is not used: the
// lookups then fall back to the linear search.
#pragma once

#include "Liste.h"

// Builds (or rebuilds) the index of one list. A null list, or an index that
// cannot be allocated, leaves the list without one.
void IndexerListe(Liste* liste);
// Drops every index.
void OublierIndex();

// PositionMot(mot, liste) and MotPos(liste, position), through the list's
// index when it has a current one.
Position PositionIndexee(const char* mot, Liste* liste);
const char* MotPosIndexe(Liste* liste, Position position);
