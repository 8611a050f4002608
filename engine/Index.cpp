// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Index.h"

#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace {

struct IndexListe {
    const Liste* liste = nullptr;
    std::uint64_t generation = 0;
    std::vector<const char*> mots; // the word at each position, from 1
    std::vector<Position> cases;   // open addressing: a position, 0 when free
};

std::vector<IndexListe> indexListes;

std::uint32_t Hacher(const char* mot) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (; *mot != '\0'; ++mot) {
        h = (h ^ static_cast<unsigned char>(*mot)) * 16777619u;
    }
    return h;
}

// The slot holding `mot`, or the free slot where it would go.
std::size_t Case(const IndexListe& i, const char* mot) {
    const std::size_t masque = i.cases.size() - 1;
    std::size_t c = Hacher(mot) & masque;
    while (i.cases[c] != 0 && std::strcmp(i.mots[i.cases[c] - 1], mot) != 0) {
        c = (c + 1) & masque;
    }
    return c;
}

void Remplir(IndexListe& i, Liste* liste) {
    const Noeud* noeud = liste->Premier;
    const std::uint16_t nb = noeud == nullptr ? 0 : liste->Nb;
    i.mots.reserve(nb);
    for (std::uint16_t p = 0; p < nb; ++p, noeud = noeud->Suivant) {
        i.mots.push_back(static_cast<const char*>(noeud->Element));
    }
    std::size_t taille = 16;
    while (taille < 2u * nb) {
        taille *= 2;
    }
    i.cases.assign(taille, 0);
    for (std::uint32_t p = 1; p <= nb; ++p) {
        const char* mot = i.mots[p - 1];
        if (mot != nullptr) { // a null element never matches
            Position& c = i.cases[Case(i, mot)];
            if (c == 0) { // a later duplicate keeps the first position
                c = static_cast<Position>(p);
            }
        }
    }
}

// The list's index when it is current, else null.
const IndexListe* Courant(const Liste* liste) {
    for (const IndexListe& i : indexListes) {
        if (i.liste == liste) {
            return i.generation == GenerationListes() ? &i : nullptr;
        }
    }
    return nullptr;
}

} // namespace

void IndexerListe(Liste* liste) {
    if (liste == nullptr) {
        return;
    }
    for (auto i = indexListes.begin(); i != indexListes.end(); ++i) {
        if (i->liste == liste) {
            indexListes.erase(i);
            break;
        }
    }
    try {
        IndexListe nouvel;
        nouvel.liste = liste;
        nouvel.generation = GenerationListes();
        Remplir(nouvel, liste);
        indexListes.push_back(std::move(nouvel));
    } catch (const std::bad_alloc&) {
        // No index: the lookups search the list itself.
    }
}

void OublierIndex() {
    indexListes.clear();
    indexListes.shrink_to_fit();
}

Position PositionIndexee(const char* mot, Liste* liste) {
    const IndexListe* i = mot != nullptr ? Courant(liste) : nullptr;
    if (i == nullptr) {
        return PositionMot(mot, liste);
    }
    return i->cases[Case(*i, mot)];
}

const char* MotPosIndexe(Liste* liste, Position position) {
    const IndexListe* i = Courant(liste);
    if (i == nullptr || position == 0 || position > i->mots.size()) {
        return MotPos(liste, position);
    }
    return i->mots[position - 1];
}
