// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The indexed lexicon lookups answer exactly as the linear search: the same
// positions in every list, and the same lemma, codes and explanation.
#include "AdjoraConfig.h"
#include "ChVar.h"
#include "Index.h"
#include "OutilsTest.h"

namespace {

const std::filesystem::path SOURCES = std::filesystem::path(ADJORA_DONNEES_BUILD).parent_path();
// Duplicates in every list but H, which is empty.
const std::filesystem::path DOUBLONS = SOURCES / "tests/engine/index";

std::vector<Liste*> Listes() {
    return {ListeA,        ListeB, ListeC.Formes, ListeC.Lemmes, ListeD, ListeE.Formes,
            ListeE.Lemmes, ListeF, ListeG.Formes, ListeG.Lemmes, ListeH};
}

// The sample's forms (when asked), then every lexicon word bare, with "s" and with "x".
std::vector<std::string> MotsEssayes(bool echantillon) {
    std::vector<std::string> mots;
    std::ifstream fichier(SOURCES / "tests/lexiques/echantillon.tsv");
    for (std::string ligne; echantillon && std::getline(fichier, ligne);) {
        if (!ligne.empty() && ligne[0] != '#') {
            mots.push_back(ligne.substr(0, ligne.find('\t')));
        }
    }
    for (Liste* liste : Listes()) {
        for (const std::string& mot : Mots(liste)) {
            mots.insert(mots.end(), {mot, mot + "s", mot + "x"});
        }
    }
    return mots;
}

void Charger(const std::filesystem::path& dossier) {
    DansDossier ici(dossier);
    ChargerExceptions();
}

// Runs every word through the indexes, then through the linear search alone.
void ComparerAuLineaire(const std::vector<std::string>& mots) {
    std::vector<Resultat> indexes;
    for (const std::string& mot : mots) {
        indexes.push_back(Analyser(mot));
        const std::string m = En1252(mot);
        for (Liste* liste : Listes()) {
            ASSERT_EQ(PositionIndexee(m.c_str(), liste), PositionMot(m.c_str(), liste)) << mot;
        }
    }
    OublierIndex();
    for (std::size_t i = 0; i < mots.size(); ++i) {
        const Resultat a = indexes[i], b = Analyser(mots[i]);
        EXPECT_EQ(std::tie(a.lemme, a.genre, a.nombre, a.explication),
                  std::tie(b.lemme, b.genre, b.nombre, b.explication));
    }
}

int permises = 0;
void* AllocationLimitee(std::size_t taille) {
    return permises-- > 0 ? std::malloc(taille) : nullptr;
}

using IndexLexiques = SansLexiques;

TEST_F(IndexLexiques, LexiquesLivresEtDoublons) {
    for (const auto& dossier : {std::filesystem::path(ADJORA_DONNEES_BUILD), DOUBLONS}) {
        LibererExceptions();
        Charger(dossier);
        ComparerAuLineaire(MotsEssayes(true));
    }
}

TEST_F(IndexLexiques, ListesModifieesApresChargement) {
    Charger(DOUBLONS);
    InsereMotTete(ListeC.Formes, "seche"); // an earlier duplicate: every position moves
    InsereMotTete(ListeC.Lemmes, "sechard");
    SupprimeMotPos(ListeD, 1);
    InsereMotFin(ListeH, "rouge");
    ComparerAuLineaire(MotsEssayes(true));
}

// Memory runs out after each number of allocations in turn: a list refused
// part-way, a pair refused, the later lexicons never created.
TEST_F(IndexLexiques, ChargementInterrompu) {
    Charger(DOUBLONS);
    const std::vector<std::string> mots = MotsEssayes(false);
    EnregistreurRapports rapports;
    for (int n = 0; n < 80; ++n) {
        LibererExceptions();
        permises = n;
        const Allocateur precedent = DefinirAllocateur(AllocationLimitee);
        Charger(DOUBLONS);
        DefinirAllocateur(precedent);
        ComparerAuLineaire(mots);
    }
    EXPECT_GE(permises, 0) << "the last load must complete";
}

} // namespace
