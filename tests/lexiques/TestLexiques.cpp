// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped lexicons over fixed samples of reference forms (seuils.tsv).
#include "AdjoraConfig.h"
#include "OutilsTest.h"

namespace {

// Percentages of right lemmas, genders and numbers over the forms of a sample
// (form, lemma, gender m/f/e, number s/p/i, common 0/1; a form of several
// analyses takes several lines and is scored on the one of its lemma).
std::vector<double> Precision(const std::string& fichier, bool courantes) {
    std::map<std::string, std::vector<std::vector<std::string>>> formes;
    for (const auto& ligne : LireCas(fichier, 5)) {
        if (!courantes || ligne.at(4) == "1") {
            formes[ligne[0]].push_back(ligne);
        }
    }
    std::vector<double> justes(3);
    for (const auto& [mot, references] : formes) {
        const Resultat r = Analyser(mot);
        const auto& cible = *std::find_if(references.begin(), references.end(), [&](auto& ref) {
            return ref[1] == r.lemme || &ref == &references.back();
        });
        justes[0] += cible[1] == r.lemme;
        justes[1] += cible.at(2)[0] == "mfee"[r.genre % 4];
        justes[2] += cible.at(3)[0] == "spii"[r.nombre % 4];
    }
    for (double& j : justes) {
        j = 100.0 * j / static_cast<double>(formes.size());
    }
    return justes;
}

TEST_F(SansLexiques, SeulsLesLexiquesLivresAtteignentLesSeuils) {
    for (bool livres : {false, true}) {
        EXPECT_EQ(livres ? ChargerLexiques(ADJORA_DONNEES_BUILD) : "", "");
        for (const auto& s : LireCas(ADJORA_CAS "/seuils.tsv", 5)) {
            const auto p = Precision(ADJORA_CAS "/" + s[0], s.at(1) == "1");
            const bool atteint = p[0] >= std::stod(s.at(2)) && p[1] >= std::stod(s.at(3)) &&
                                 p[2] >= std::stod(s.at(4));
            EXPECT_EQ(atteint, livres) << s[0] << (livres ? "" : " without lexicons") << ": lemma "
                                       << p[0] << ", gender " << p[1] << ", number " << p[2];
        }
    }
}

TEST_F(SansLexiques, LesMotsEcartesNeSontDansAucuneListe) {
    EXPECT_EQ(ChargerLexiques(ADJORA_DONNEES_BUILD), "");
    for (const auto& ligne : LireCas(ADJORA_CAS "/hors_listes.tsv", 1)) {
        for (const auto& [nom, liste] : Listes()) {
            EXPECT_EQ(PositionMot(En1252(ligne[0]).c_str(), liste), 0)
                << ligne[0] << ", list " << nom;
        }
    }
}

} // namespace
