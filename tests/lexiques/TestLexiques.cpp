// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped lexicons over fixed samples of reference forms, form by form:
// every form gets the reference's answer, but the differences of ecarts.tsv.
#include <set>

#include "AdjoraConfig.h"
#include "OutilsTest.h"

namespace {

using Lignes = std::vector<std::vector<std::string>>;

// The rows of a case file by their first field (a form of several analyses
// takes several rows).
std::map<std::string, Lignes> ParForme(const std::string& fichier, std::size_t colonnes) {
    std::map<std::string, Lignes> formes;
    for (const auto& ligne : LireCas(fichier, colonnes)) {
        formes[ligne[0]].push_back(ligne);
    }
    return formes;
}

// The engine's answer as the case files write it: lemma, gender m/f/?/=, number s/p/?/=.
std::vector<std::string> Reponse(const std::string& mot) {
    const Resultat r = Analyser(mot);
    const std::string genres = "mf?=";
    const std::string nombres = "sp?=";
    return {r.lemme, genres.substr(r.genre & 3, 1), nombres.substr(r.nombre & 3, 1)};
}

// A gender or number is right when it is the reference's, or undetermined or
// invariable for a form of both (`les_deux`: e for genders, i for numbers).
bool TraitJuste(const std::string& attendu, const std::string& obtenu,
                const std::string& les_deux) {
    if (attendu == les_deux) {
        return obtenu == "?" || obtenu == "=";
    }
    return obtenu == attendu;
}

// Whether the answer is right for one of the form's analyses (form, lemma, gender, number...).
bool Juste(const std::vector<std::string>& reponse, const Lignes& analyses) {
    for (const auto& a : analyses) {
        if (a[1] == reponse[0] && TraitJuste(a[2], reponse[1], "e") &&
            TraitJuste(a[3], reponse[2], "i")) {
            return true;
        }
    }
    return false;
}

std::string Texte(const std::vector<std::string>& champs, std::size_t debut, std::size_t fin) {
    std::string texte;
    for (std::size_t i = debut; i < fin; ++i) {
        if (i > debut) {
            texte += "/";
        }
        texte += champs[i];
    }
    return texte;
}

TEST_F(SansLexiques, ChaqueFormeALaReponseDeLaReferenceOuSonEcartListe) {
    ASSERT_EQ(ChargerLexiques(ADJORA_DONNEES_BUILD), "");
    const auto ecarts = ParForme(ADJORA_CAS "/ecarts.tsv", 5);
    std::set<std::string> rencontres;
    for (const std::string echantillon : {"echantillon.tsv", "signales.tsv"}) {
        for (const auto& [mot, analyses] : ParForme(ADJORA_CAS "/" + echantillon, 5)) {
            const auto reponse = Reponse(mot);
            const auto ecart = ecarts.find(mot);
            if (ecart == ecarts.end()) {
                EXPECT_TRUE(Juste(reponse, analyses))
                    << echantillon << ": " << mot << " gives " << Texte(reponse, 0, 3)
                    << ", the reference " << Texte(analyses[0], 1, 4);
                continue;
            }
            rencontres.insert(mot);
            EXPECT_FALSE(Juste(reponse, analyses))
                << mot << " now gets the reference's answer: take it out of ecarts.tsv";
            EXPECT_EQ(Texte(reponse, 0, 3), Texte(ecart->second[0], 1, 4))
                << mot << ": another answer than the one ecarts.tsv lists";
        }
    }
    for (const auto& [mot, lignes] : ecarts) {
        EXPECT_TRUE(rencontres.contains(mot)) << mot << " is listed in ecarts.tsv but in no sample";
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
