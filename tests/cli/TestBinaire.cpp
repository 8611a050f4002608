// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// End-to-end runs of the built adjora-cli.
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "AdjoraConfig.h"
#include "Arguments.h"
#include "OutilsTest.h"

namespace {

struct Execution {
    int statut; // exit status, -1 when the program did not exit normally
    std::string sortie;
    std::string erreurs;
};

// Runs adjora-cli with these arguments (none holds a quote) and standard input.
Execution Lancer(const std::vector<std::string>& arguments, const std::string& entree = "") {
    DossierTemporaire flux;
    std::string commande = "'" ADJORA_CLI_BINAIRE "'";
    for (const std::string& argument : arguments) {
        EXPECT_EQ(argument.find('\''), std::string::npos) << argument;
        commande += " '" + argument + "'";
    }
    const std::string chemin = flux.chemin().string();
    commande += " <'" + flux.ecrireOctets("entree", entree) + "' >'" + chemin + "/sortie' 2>'" +
                chemin + "/erreurs'";
    const int statut = std::system(commande.c_str());
    return {WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, flux.lire("sortie"),
            flux.lire("erreurs")};
}

class Binaire : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* const contenus[] = {"gris\n",       "hébreux\n",        "blanche blanc\n",
                                        "facile\n",     "nouvel nouveau\n", "menteuse\n",
                                        "laide laid\n", "marron\n"};
        for (char lettre = 'A'; lettre <= 'H'; ++lettre) {
            dossier_.ecrire850(std::string("except_") + lettre + ".lex", contenus[lettre - 'A']);
        }
    }
    Execution Lancer(std::vector<std::string> arguments, const std::string& entree = "") {
        arguments.insert(arguments.begin(), {"--lexiques", dossier_.chemin().string()});
        return ::Lancer(arguments, entree);
    }
    DossierTemporaire dossier_;
};

TEST_F(Binaire, ArgumentsAccentuesEtMajuscules) {
    const Execution e = Lancer({"HÉBREUX", "Menteuse", "nouvel", "Été", "gris"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, "HÉBREUX\thébreu\tmasculin\tpluriel\n"
                        "Menteuse\tmenteur\tféminin\tsingulier\n"
                        "nouvel\tnouveau\tmasculin\tsingulier\n"
                        "Été\tété\tmasculin\tsingulier\n"
                        "gris\tgris\tmasculin\tindéterminé\n");
    EXPECT_EQ(e.erreurs, "");
}

TEST_F(Binaire, ArgumentVideRefuseLesAutresAnalyses) {
    const Execution e = Lancer({"petit", "", "--", "-z"});
    EXPECT_EQ(e.statut, 1);
    EXPECT_EQ(e.sortie, "petit\tpetit\tmasculin\tsingulier\n"
                        "-z\t-z\tmasculin\tsingulier\n");
    EXPECT_EQ(e.erreurs, "adjora-cli : argument 2 : mot vide\n");
}

// Blank lines are skipped; a refused line is named and the others analysed.
TEST_F(Binaire, EntreeStandardLigneParLigne) {
    const Execution e = Lancer({}, "  laide \r\n\r\n\nFACILE\ncaf\xE9\n形\nmarron\n\t\nBlanches");
    EXPECT_EQ(e.statut, 1);
    EXPECT_EQ(e.sortie, "laide\tlaid\tféminin\tsingulier\n"
                        "FACILE\tfacile\tindéterminé\tsingulier\n"
                        "marron\tmarron\tinvariable\tinvariable\n"
                        "Blanches\tblanc\tféminin\tpluriel\n");
    EXPECT_EQ(e.erreurs, "adjora-cli : ligne 5 : texte UTF-8 invalide\n"
                         "adjora-cli : ligne 6 : caractère « 形 » (U+5F62) absent du jeu "
                         "Windows-1252\n");
}

TEST_F(Binaire, MotDeSoixanteCaracteresAnalyseSurCinquante) {
    const std::string mot = std::string(44, 'p') + "grande" + std::string(10, 's');
    const Execution e = Lancer({mot});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, mot + "\t" + std::string(44, 'p') + "grand\tféminin\tsingulier\n");
}

TEST_F(Binaire, ExplicationEnCinquiemeChampSurUneLigne) {
    const Execution e = Lancer({"--explication", "beaux", "petit"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie,
              "beaux\tbeau\tmasculin\tpluriel\tLe 'x' final est ici la marque du pluriel.\\n"
              "Un adjectif se terminant par 'eaux' est toujours au masculin.\\n\n"
              "petit\tpetit\tmasculin\tsingulier\tAucune marque du pluriel (s ou x) n'a été "
              "trouvée : cet adjectif est au singulier.\\nL'adjectif n'est pas terminé par 'e' "
              ": c'est un masculin.\\n\n");
}

TEST(BinaireSeul, DossierDesLexiquesIntrouvable) {
    const Execution e = Lancer({"--lexiques", "/nulle/part/adjora", "petit"});
    EXPECT_EQ(e.statut, 2);
    EXPECT_EQ(e.sortie, "");
    EXPECT_EQ(e.erreurs, "adjora-cli : dossier des lexiques introuvable : /nulle/part/adjora\n");
}

TEST(BinaireSeul, AideVersionEtErreurDUsage) {
    const struct {
        std::vector<std::string> arguments;
        int statut;
        std::string sortie, erreurs;
    } table[] = {
        {{"--version", "petit"}, 0, "Adjora " ADJORA_VERSION "\n", ""},
        {{"--help"}, 0, cli::TexteAide(), ""},
        {{"--bavard", "petit"},
         2,
         "",
         "adjora-cli : option inconnue : --bavard\n"
         "Essayez « adjora-cli --help » pour plus d'informations.\n"},
        {{"--lexiques"},
         2,
         "",
         "adjora-cli : l'option --lexiques attend un dossier\n"
         "Essayez « adjora-cli --help » pour plus d'informations.\n"},
    };
    for (const auto& t : table) {
        const Execution e = Lancer(t.arguments);
        EXPECT_EQ(e.statut, t.statut) << "row " << t.arguments[0];
        EXPECT_EQ(e.sortie, t.sortie) << "row " << t.arguments[0];
        EXPECT_EQ(e.erreurs, t.erreurs) << "row " << t.arguments[0];
    }
}

TEST(BinaireSeul, LexiquesLivresParDefaut) {
    if (!std::filesystem::exists(std::filesystem::path(ADJORA_DONNEES_BUILD) / "except_A.lex")) {
        GTEST_SKIP() << "no shipped lexicons in " << ADJORA_DONNEES_BUILD;
    }
    const Execution e = Lancer({"loyaux", "petite", "grands"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, "loyaux\tloyal\tmasculin\tpluriel\n"
                        "petite\tpetit\tféminin\tsingulier\n"
                        "grands\tgrand\tmasculin\tpluriel\n");
    EXPECT_EQ(e.erreurs, "");
}

} // namespace
