// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Runner of the inflection cases: formes.tsv over the paradigm sets of
// paradigmes/ (and "livres", the shipped data), each set's loading reports,
// and the round trip of aller-retour.tsv through the analysis.
#include "AdjoraConfig.h"
#include "Flexion.h"
#include "OutilsTest.h"
#include "Paradigmes.h"

namespace {

const std::filesystem::path kJeux = ADJORA_CAS "/paradigmes";

struct AvecParadigmes : SansLexiques {
    void TearDown() override {
        SansLexiques::TearDown();
        LibererParadigmes();
    }
};

// Loads the eight lexicons and the paradigms of a set; the paradigms' reports.
std::string ChargerJeu(const std::string& jeu) {
    const auto dossier =
        jeu == "livres" ? std::filesystem::path(ADJORA_DONNEES_BUILD) : kJeux / jeu;
    ChargerLexiques(dossier);
    EnregistreurRapports rapports;
    DansDossier dans(dossier);
    ChargerParadigmes();
    return rapports.texte;
}

// The lemma, then the cells of a paradigm or their explanations, as formes.tsv
// holds them: tab-separated, alternatives joined by "|".
std::string Cases(const Paradigme& p, bool explications) {
    std::string texte = pages::Cp1252VersUtf8(p.Lemme);
    for (const CaseParadigme& cas : p.Cases) {
        texte += "\t";
        for (std::size_t i = 0; i < cas.Nb; ++i) {
            char explication[2 * TAILLE_EXPLICATION];
            ExpliquerForme(cas.Formes[i], explication, sizeof explication);
            texte +=
                (i > 0 ? "|" : "") +
                Echapper(pages::Cp1252VersUtf8(explications ? explication : cas.Formes[i].Mot));
        }
    }
    return texte;
}

// Fields first to last - 1 of a case row, tab-separated.
std::string Champs(const std::vector<std::string>& cas, std::size_t premier, std::size_t fin) {
    std::string texte = cas.at(premier);
    for (std::size_t i = premier + 1; i < fin; ++i) {
        texte += "\t" + cas.at(i);
    }
    return texte;
}

TEST_F(AvecParadigmes, ChaqueJeuDonneSesRapports) {
    EXPECT_FALSE(std::filesystem::is_empty(kJeux)) << "no paradigm set in " << kJeux;
    for (const auto& dossier : std::filesystem::directory_iterator(kJeux)) {
        EXPECT_EQ(ChargerJeu(dossier.path().filename()), Lire(dossier.path() / "rapports"))
            << dossier.path().filename();
    }
}

// formes.tsv: word, set, lemma, the four cells and their explanations (when given).
TEST_F(AvecParadigmes, CasDuFichier) {
    std::string jeu;
    for (const auto& cas : LireCas(ADJORA_CAS "/formes.tsv", 11)) {
        if (cas[1] != "livres" && !std::filesystem::is_directory(kJeux / cas[1])) {
            ADD_FAILURE() << "unknown paradigm set " << cas[1];
            continue;
        }
        if (cas[1] != jeu) {
            jeu = cas[1];
            ChargerJeu(jeu);
        }
        Paradigme p;
        FlechirAdjectif(En1252(cas[0] == "-" ? "" : cas[0]).c_str(), &p);
        EXPECT_EQ(Cases(p, false), Champs(cas, 2, 7)) << cas[0] << " with " << jeu;
        if (!cas[7].empty()) {
            EXPECT_EQ(Cases(p, true), cas[2] + "\t" + Champs(cas, 7, 11))
                << cas[0] << " with " << jeu;
        }
    }
}

// Every form of each lemma of aller-retour.tsv, with the shipped data, leads
// back to its lemma, through the analysis (with its cell's gender and number
// where the analysis settles them) and through the inflection.
TEST_F(AvecParadigmes, AllerRetour) {
    ChargerJeu("livres");
    for (const auto& cas : LireCas(ADJORA_CAS "/aller-retour.tsv", 1)) {
        Paradigme p;
        FlechirLemme(En1252(cas[0]).c_str(), &p);
        EXPECT_EQ(pages::Cp1252VersUtf8(p.Lemme), cas[0]);
        EXPECT_GT(p.Cases[CASE_MS].Nb, 0u) << cas[0] << " has no masculine singular";
        for (int c = 0; c < NB_CASES; ++c) {
            for (std::size_t i = 0; i < p.Cases[c].Nb; ++i) {
                const std::string forme = pages::Cp1252VersUtf8(p.Cases[c].Formes[i].Mot);
                const Resultat r = Analyser(forme);
                EXPECT_EQ(r.lemme, cas[0]) << forme;
                EXPECT_TRUE(r.genre > GENRE_FEMININ || r.genre == c % 2) << forme;
                EXPECT_TRUE(r.nombre > NOMBRE_PLURIEL || r.nombre == c / 2) << forme;
                Paradigme retour;
                FlechirAdjectif(p.Cases[c].Formes[i].Mot, &retour);
                EXPECT_STREQ(retour.Lemme, p.Lemme) << forme;
            }
        }
    }
}

} // namespace
