// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formes.h"

#include <nlohmann/json.hpp>

#include "Flexion.h"
#include "PagesDeCode.h"
#include "Sortie.h"

namespace cli {

namespace {

const char* const CLES[NB_CASES] = {"masculin_singulier", "feminin_singulier", "masculin_pluriel",
                                    "feminin_pluriel"};

std::string Explication(const FormeFlechie& forme) {
    char texte[2 * TAILLE_EXPLICATION];
    ExpliquerForme(forme, texte, sizeof texte);
    return pages::Cp1252VersUtf8(texte);
}

// A tab, then the forms (or their explanations) of one cell joined by "|".
void AjouterCase(std::string& ligne, const CaseParadigme& cas, bool explications) {
    ligne += '\t';
    for (std::size_t i = 0; i < cas.Nb; ++i) {
        if (i > 0) {
            ligne += '|';
        }
        if (explications) {
            ligne += EchapperLignes(Explication(cas.Formes[i]));
        } else {
            ligne += pages::Cp1252VersUtf8(cas.Formes[i].Mot);
        }
    }
}

std::string EnTsv(std::string_view motDonne, const Paradigme& p, bool avecExplication) {
    std::string ligne(motDonne);
    ligne += '\t';
    ligne += pages::Cp1252VersUtf8(p.Lemme);
    for (const CaseParadigme& cas : p.Cases) {
        AjouterCase(ligne, cas, false);
    }
    for (std::size_t c = 0; avecExplication && c < NB_CASES; ++c) {
        AjouterCase(ligne, p.Cases[c], true);
    }
    ligne += '\n';
    return ligne;
}

std::string EnJson(std::string_view motDonne, const Paradigme& p, bool avecExplication) {
    nlohmann::ordered_json objet = {{"mot", motDonne}, {"lemme", pages::Cp1252VersUtf8(p.Lemme)}};
    nlohmann::ordered_json explications = nlohmann::ordered_json::object();
    for (std::size_t c = 0; c < NB_CASES; ++c) {
        nlohmann::ordered_json formes = nlohmann::ordered_json::array();
        nlohmann::ordered_json textes = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < p.Cases[c].Nb; ++i) {
            formes.push_back(pages::Cp1252VersUtf8(p.Cases[c].Formes[i].Mot));
            if (avecExplication) {
                textes.push_back(Explication(p.Cases[c].Formes[i]));
            }
        }
        objet[CLES[c]] = std::move(formes);
        explications[CLES[c]] = std::move(textes);
    }
    if (avecExplication) {
        objet["explications"] = std::move(explications);
    }
    return objet.dump() + '\n';
}

} // namespace

std::string FormaterFormes(std::string_view motDonne, const std::string& mot1252, Format format,
                           bool avecExplication) {
    Paradigme paradigme;
    FlechirAdjectif(mot1252.c_str(), &paradigme);
    return format == Format::Jsonl ? EnJson(motDonne, paradigme, avecExplication)
                                   : EnTsv(motDonne, paradigme, avecExplication);
}

} // namespace cli
