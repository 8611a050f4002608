// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Text at the library's edge: UTF-8 in and out, Windows-1252 for the engine.
#include "Poignee.h"

#include "Lemmatiseur.h"
#include "Mots.h"
#include "PagesDeCode.h"

namespace capi {

namespace {

// The UTF-8 bytes of one code point; returns their number.
std::size_t Encoder(char32_t point, char (&octets)[4]) {
    if (point < 0x80) {
        octets[0] = static_cast<char>(point);
        return 1;
    }
    if (point < 0x800) {
        octets[0] = static_cast<char>(0xC0 | (point >> 6));
        octets[1] = static_cast<char>(0x80 | (point & 0x3F));
        return 2;
    }
    octets[0] = static_cast<char>(0xE0 | (point >> 12));
    octets[1] = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    octets[2] = static_cast<char>(0x80 | (point & 0x3F));
    return 3; // Windows-1252 holds no code point beyond U+FFFF
}

} // namespace

std::size_t VersUtf8(std::string_view texte1252, char* sortie, std::size_t taille) {
    if (sortie == nullptr || taille == 0) {
        return 0;
    }
    std::size_t n = 0;
    for (const char c : texte1252) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x80 && n + 1 < taille) { // ASCII, the common case
            sortie[n++] = c;
            continue;
        }
        const char32_t point = octet < 0x80 ? octet : pages::kHaut1252[octet - 0x80];
        char octets[4];
        const std::size_t longueur = Encoder(point, octets);
        if (n + longueur > taille - 1) {
            break;
        }
        for (std::size_t k = 0; k < longueur; ++k) {
            sortie[n++] = octets[k];
        }
    }
    sortie[n] = '\0';
    return n;
}

adjora_statut PreparerMot(const char* motUtf8, std::string& mot1252) {
    texte::MotPrepare prepare = texte::PreparerMot(texte::Rogner(motUtf8));
    switch (prepare.motif) {
    case texte::Motif::Vide:
        return ADJORA_PAS_UN_MOT;
    case texte::Motif::Utf8Invalide:
        return ADJORA_ERREUR_UTF8;
    case texte::Motif::CaractereRefuse:
        return ADJORA_ERREUR_CARACTERE;
    case texte::Motif::Aucun:
        break;
    }
    if (!ContientUneLettre(prepare.mot1252.c_str())) { // punctuation, numbers: no word
        return ADJORA_PAS_UN_MOT;
    }
    mot1252 = std::move(prepare.mot1252);
    return prepare.remarque.empty() ? ADJORA_OK : ADJORA_MOT_TRONQUE;
}

} // namespace capi
