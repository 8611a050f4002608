// The shipped lexicons over a fixed sample of reference forms: accuracy
// thresholds that the rules alone do not reach, and forms once reported wrong.
#include "AdjoraConfig.h"
#include "OutilsTest.h"

namespace {

// Percentages of right lemmas, genders and numbers over the forms of a file
// (form, lemma, gender m/f/e, number s/p/i, common 0/1; a form with several
// analyses takes several lines and is right when it matches any of them).
std::vector<double> Precision(const std::string& fichier, bool courantes) {
    std::map<std::string, std::vector<std::vector<std::string>>> formes;
    for (const auto& ligne : LireCas(fichier)) {
        if (!courantes || ligne.at(4) == "1") {
            formes[ligne[0]].push_back(ligne);
        }
    }
    std::vector<double> justes(3);
    for (const auto& [mot, references] : formes) {
        const Resultat r = Analyser(mot);
        const auto& cible =
            *std::find_if(references.begin(), references.end(), [&](const auto& ref) {
                return ref[1] == r.lemme || &ref == &references.back();
            });
        justes[0] += cible[1] == r.lemme;
        justes[1] += cible.at(2)[0] == "mfee"[r.genre % 4];
        justes[2] += cible.at(3)[0] == "spii"[r.nombre % 4];
    }
    for (double& j : justes) {
        j *= 100.0 / static_cast<double>(formes.size());
    }
    return justes;
}

const std::string kEchantillon = ADJORA_CAS_LEXIQUES "/echantillon.tsv";
const std::vector<double> kSeuils = {99.7, 98.9, 99.8};
const std::vector<double> kSeuilsCourants = {99.0, 98.9, 99.8};

testing::AssertionResult Atteint(const std::vector<double>& mesure,
                                 const std::vector<double>& seuils) {
    bool atteint = true;
    for (std::size_t i = 0; i < seuils.size(); ++i) {
        atteint = atteint && mesure[i] >= seuils[i];
    }
    return (atteint ? testing::AssertionSuccess() : testing::AssertionFailure())
           << "lemma, gender, number: " << mesure[0] << " " << mesure[1] << " " << mesure[2];
}

TEST_F(SansLexiques, LexiquesLivresSurLEchantillon) {
    EXPECT_FALSE(Atteint(Precision(kEchantillon, false), kSeuils)) << "rules alone";
    EXPECT_FALSE(Atteint(Precision(kEchantillon, true), kSeuilsCourants)) << "rules alone";
    EnregistreurRapports rapports;
    {
        DansDossier donnees(ADJORA_DONNEES_BUILD);
        ChargerExceptions();
    }
    EXPECT_EQ(rapports.texte(), "");
    EXPECT_TRUE(Atteint(Precision(kEchantillon, false), kSeuils));
    EXPECT_TRUE(Atteint(Precision(kEchantillon, true), kSeuilsCourants));
    EXPECT_TRUE(Atteint(Precision(ADJORA_CAS_LEXIQUES "/signales.tsv", false), {100, 100, 100}));
}

} // namespace
