// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The indexed lexicon lookups answer exactly as the linear search: the same
// positions in every list, and the same lemma, codes and explanation.
#include "AdjoraConfig.h"
#include "Index.h"
#include "OutilsTest.h"

namespace {

const std::string kDoublons = ADJORA_CAS "/index"; // duplicates in every list but H, empty

// The sample's forms (when asked), then every lexicon word bare, with "s" and with "x".
std::vector<std::string> MotsEssayes(bool echantillon) {
    std::vector<std::string> mots;
    if (echantillon) {
        for (const auto& cas : LireCas(ADJORA_CAS "/../lexiques/echantillon.tsv", 5)) {
            mots.push_back(cas[0]);
        }
    }
    for (const auto& [nom, liste] : Listes()) {
        for (const std::string& mot : Mots(liste)) {
            mots.insert(mots.end(), {mot, mot + "s", mot + "x"});
        }
    }
    return mots;
}

// Runs every word through the indexes, then through the linear search alone.
void ComparerAuLineaire(const std::vector<std::string>& mots) {
    std::vector<std::string> indexes;
    for (const std::string& mot : mots) {
        indexes.push_back(Analyser(mot).texte());
        for (const auto& [nom, liste] : Listes()) {
            const std::string m = En1252(mot);
            ASSERT_EQ(PositionIndexee(m.c_str(), liste), PositionMot(m.c_str(), liste)) << mot;
        }
    }
    OublierIndex();
    for (std::size_t i = 0; i < mots.size(); ++i) {
        EXPECT_EQ(indexes[i], Analyser(mots[i]).texte()) << mots[i];
    }
}

// The shipped lexicons, the duplicates, then lists changed after loading.
TEST_F(SansLexiques, IndexesEtRechercheLineaireDonnentLesMemesReponses) {
    for (const std::string& dossier : {std::string(ADJORA_DONNEES_BUILD), kDoublons}) {
        ChargerLexiques(dossier);
        ComparerAuLineaire(MotsEssayes(true));
    }
    ChargerLexiques(kDoublons);            // indexed again, then every list changes
    InsereMotTete(ListeC.Formes, "seche"); // an earlier duplicate: every position moves
    InsereMotTete(ListeC.Lemmes, "sechard");
    SupprimeMotPos(ListeD, 1);
    InsereMotFin(ListeH, "rouge");
    ComparerAuLineaire(MotsEssayes(true));
}

// Memory runs out after each number of allocations in turn: a list refused
// part-way, a pair refused, the later lexicons never created.
TEST_F(SansLexiques, ChargementInterrompu) {
    ChargerLexiques(kDoublons);
    const std::vector<std::string> mots = MotsEssayes(false);
    EnregistreurRapports rapports;
    for (int n = 0; n < 80; ++n) {
        {
            AllocateurDefaillant echec(n);
            ChargerLexiques(kDoublons);
        }
        ComparerAuLineaire(mots);
    }
    EXPECT_GE(AllocateurDefaillant::restantes, 0) << "the last load must complete";
}

} // namespace
