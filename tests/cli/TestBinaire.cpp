// End-to-end runs of the built adjora-cli.
#include <gtest/gtest.h>
#include <sstream>

#include "../engine/OutilsTest.h"
#include "AdjoraConfig.h"
#include "Processus.h"

namespace {

const std::string BINAIRE = ADJORA_CLI_BINAIRE;

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        lignes.push_back(ligne);
    }
    return lignes;
}

std::vector<std::string> Champs(const std::string& ligne) {
    std::vector<std::string> champs;
    std::istringstream flux(ligne);
    for (std::string champ; std::getline(flux, champ, '\t');) {
        champs.push_back(champ);
    }
    return champs;
}

class Binaire : public ::testing::Test {
  protected:
    void SetUp() override {
        dossier_.ecrire850("except_A.lex", "gris\n");
        dossier_.ecrire850("except_B.lex", "hébreux\n");
        dossier_.ecrire850("except_C.lex", "blanche blanc\n");
        dossier_.ecrire850("except_D.lex", "facile\n");
        dossier_.ecrire850("except_E.lex", "nouvel nouveau\n");
        dossier_.ecrire850("except_F.lex", "menteuse\n");
        dossier_.ecrire850("except_G.lex", "laide laid\n");
        dossier_.ecrire850("except_H.lex", "marron\n");
    }
    Execution Lancer(std::vector<std::string> arguments, const std::string& entree = "") {
        arguments.insert(arguments.begin(), {"--lexiques", dossier_.chemin().string()});
        return ::Lancer(BINAIRE, arguments, entree);
    }
    DossierTemporaire dossier_;
};

TEST_F(Binaire, MotsAccentuesEtMajusculesEnArguments) {
    const Execution e = Lancer({"HÉBREUX", "Menteuse", "nouvel", "Été"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.sortie, "HÉBREUX\thébreu\tmasculin\tpluriel\n"
                        "Menteuse\tmenteur\tféminin\tsingulier\n"
                        "nouvel\tnouveau\tmasculin\tsingulier\n"
                        "Été\tété\tmasculin\tsingulier\n");
    EXPECT_EQ(e.erreurs, "");
}

TEST_F(Binaire, EntreeStandardLigneParLigne) {
    const Execution e = Lancer({}, "  laide \r\n\r\n\nFACILE\nmarron");
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.sortie, "laide\tlaid\tféminin\tsingulier\n"
                        "FACILE\tfacile\tindéterminé\tsingulier\n"
                        "marron\tmarron\tinvariable\tinvariable\n");
}

TEST_F(Binaire, LigneNonUtf8EtCaractereHorsWindows1252) {
    const Execution e = Lancer({}, "grands\ncaf\xE9\n形\nbelles\n");
    EXPECT_EQ(e.statut, 1);
    EXPECT_EQ(e.sortie, "grands\tgrand\tmasculin\tpluriel\n"
                        "belles\tbel\tféminin\tpluriel\n");
    EXPECT_NE(e.erreurs.find("adjora-cli : ligne 2 : texte UTF-8 invalide"), std::string::npos);
    EXPECT_NE(e.erreurs.find("adjora-cli : ligne 3 : caractère « 形 »"), std::string::npos);
}

TEST_F(Binaire, MotDeSoixanteCaracteresAnalyseSurCinquante) {
    const std::string mot = std::string(44, 'p') + "grande" + std::string(10, 's');
    const Execution e = Lancer({mot});
    ASSERT_EQ(e.statut, 0);
    const std::vector<std::string> champs = Champs(Lignes(e.sortie).at(0));
    ASSERT_EQ(champs.size(), 4u);
    EXPECT_EQ(champs[0], mot);
    EXPECT_EQ(champs[1], std::string(44, 'p') + "grand");
    EXPECT_EQ(champs[3], "singulier");
}

TEST_F(Binaire, ExplicationEnCinquiemeChampSurUneLigne) {
    const Execution e = Lancer({"--explication", "laide", "beaux"});
    ASSERT_EQ(e.statut, 0);
    const std::vector<std::string> lignes = Lignes(e.sortie);
    ASSERT_EQ(lignes.size(), 2u);
    const std::vector<std::string> laide = Champs(lignes[0]);
    ASSERT_EQ(laide.size(), 5u);
    EXPECT_EQ(laide[4].rfind("Aucune marque du pluriel (s ou x) n'a été trouvée", 0), 0u);
    EXPECT_NE(laide[4].find("au singulier.\\nLe 'e' final est ici la marque du féminin.\\n"),
              std::string::npos);
    EXPECT_EQ(laide[4].substr(laide[4].size() - 2), "\\n");
    const std::vector<std::string> beaux = Champs(lignes[1]);
    ASSERT_EQ(beaux.size(), 5u);
    EXPECT_EQ(beaux[4], "Le 'x' final est ici la marque du pluriel.\\nUn adjectif se terminant "
                        "par 'eaux' est toujours au masculin.\\n");
}

TEST_F(Binaire, LexiqueManquantSignaleSurLesErreursSeulement) {
    std::filesystem::remove(dossier_.chemin() / "except_D.lex");
    const Execution e = Lancer({"facile"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, "facile\tfacil\tféminin\tsingulier\n");
    EXPECT_NE(e.erreurs.find("Impossible d'ouvrir le fichier except_D.lex."), std::string::npos);
    EXPECT_NE(e.erreurs.find("Opération impossible"), std::string::npos);
}

TEST(BinaireSansDossier, DossierDesLexiquesIntrouvable) {
    const Execution e = Lancer(BINAIRE, {"--lexiques", "/nulle/part/adjora", "petit"});
    EXPECT_EQ(e.statut, 2);
    EXPECT_EQ(e.sortie, "");
    EXPECT_EQ(e.erreurs, "adjora-cli : dossier des lexiques introuvable : /nulle/part/adjora\n");
}

TEST(BinaireSansDossier, OptionsDInformationEtErreurDUsage) {
    Execution e = Lancer(BINAIRE, {"--version"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, "Adjora 1.0\n");
    e = Lancer(BINAIRE, {"--help"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie.rfind("Utilisation : adjora-cli", 0), 0u);
    e = Lancer(BINAIRE, {"--bavard", "petit"});
    EXPECT_EQ(e.statut, 2);
    EXPECT_EQ(e.sortie, "");
    EXPECT_NE(e.erreurs.find("adjora-cli : option inconnue : --bavard"), std::string::npos);
}

TEST(BinaireSansDossier, LexiquesLivresParDefaut) {
    if (!std::filesystem::exists(std::filesystem::path(ADJORA_DONNEES_BUILD) / "except_A.lex")) {
        GTEST_SKIP() << "no shipped lexicons in " << ADJORA_DONNEES_BUILD;
    }
    const Execution e = Lancer(BINAIRE, {"loyaux", "petite", "grands"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.sortie, "loyaux\tloyal\tmasculin\tpluriel\n"
                        "petite\tpetit\tféminin\tsingulier\n"
                        "grands\tgrand\tmasculin\tpluriel\n");
    EXPECT_EQ(e.erreurs, "");
}

} // namespace
