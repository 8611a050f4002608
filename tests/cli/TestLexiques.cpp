// Choice of the lexicon directory, loading, and whole runs in process.
#include <gtest/gtest.h>
#include <sstream>

#include "../engine/OutilsTest.h"
#include "Lexiques.h"
#include "Programme.h"

namespace {

namespace fs = std::filesystem;

TEST(DossierLexiques, OrdreDeRecherche) {
    const auto tous = [](const std::string&) { return true; };
    const auto aucun = [](const std::string&) { return false; };
    const auto seulSources = [](const std::string& d) { return d == "/src/data"; };
    EXPECT_EQ(cli::ChoisirDossierLexiques("/choisi", "/src/data", "/usr/share/adjora", tous),
              "/choisi");
    EXPECT_EQ(
        cli::ChoisirDossierLexiques(std::nullopt, "/src/data", "/usr/share/adjora", seulSources),
        "/src/data");
    EXPECT_EQ(cli::ChoisirDossierLexiques(std::nullopt, "/src/data", "/usr/share/adjora", aucun),
              "/usr/share/adjora");
}

TEST(DossierLexiques, UnFichierDeLexiqueSuffit) {
    DossierTemporaire dossier;
    EXPECT_FALSE(cli::ContientLexiques(dossier.chemin().string()));
    dossier.ecrire850("autre.txt", "x");
    fs::create_directory(dossier.chemin() / "except_A.lex"); // a directory is no lexicon
    EXPECT_FALSE(cli::ContientLexiques(dossier.chemin().string()));
    dossier.ecrire850("except_H.lex", "marron\n");
    EXPECT_TRUE(cli::ContientLexiques(dossier.chemin().string()));
    EXPECT_FALSE(cli::ContientLexiques("/nulle/part/adjora"));
}

TEST(ChargerLexiques, DossierIntrouvable) {
    std::string raison;
    EXPECT_FALSE(cli::ChargerLexiques("/nulle/part/adjora", raison));
    EXPECT_EQ(raison, "dossier des lexiques introuvable : /nulle/part/adjora");
    EXPECT_EQ(ListeA, nullptr);
}

TEST(ChargerLexiques, ChargeDepuisLeDossierEtRevient) {
    DossierTemporaire dossier;
    dossier.ecrire850("except_H.lex", "marron\n");
    dossier.ecrire850("except_B.lex", "hébreux\n");
    const fs::path avant = fs::current_path();
    EnregistreurRapports rapports;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    std::string raison;
    const bool charge = cli::ChargerLexiques(dossier.chemin().string(), raison);
    const std::string sortie = testing::internal::GetCapturedStdout();
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(charge) << raison;
    EXPECT_EQ(fs::current_path(), avant);
    EXPECT_EQ(Mots(ListeH), (std::vector<std::string>{"marron"}));
    EXPECT_EQ(Analyser("hébreux").lemme, "hébreu");
    // The six missing files are named on standard error, never on standard output.
    EXPECT_EQ(sortie, "");
    EXPECT_NE(erreurs.find("Impossible d'ouvrir le fichier except_A.lex.\n"), std::string::npos);
    EXPECT_NE(erreurs.find("Impossible d'ouvrir le fichier except_G.lex.\n"), std::string::npos);
    EXPECT_EQ(rapports.compter("Opération impossible", "GESTION DES FICHIERS", "fOuvrir"), 6);
    LibererExceptions();
}

class ExecutionInterne : public ::testing::Test {
  protected:
    void SetUp() override {
        dossier_.ecrire850("except_A.lex", "gris\n");
        dossier_.ecrire850("except_C.lex", "blanche blanc\n");
        dossier_.ecrire850("except_H.lex", "marron\n");
    }
    int Executer(std::vector<std::string> arguments, const std::string& entree = "") {
        arguments.insert(arguments.begin(), {"--lexiques", dossier_.chemin().string()});
        std::istringstream in(entree);
        std::ostringstream out, err;
        testing::internal::CaptureStderr(); // the missing files' reports
        const int statut = cli::Executer(cli::AnalyserArguments(arguments), in, out, err);
        testing::internal::GetCapturedStderr();
        sortie_ = out.str();
        erreurs_ = err.str();
        return statut;
    }
    DossierTemporaire dossier_;
    std::string sortie_;
    std::string erreurs_;
};

TEST_F(ExecutionInterne, ArgumentsDansLOrdre) {
    EXPECT_EQ(Executer({"Blanche", "gris", "marrons", "marron"}), cli::SORTIE_SUCCES);
    EXPECT_EQ(sortie_, "Blanche\tblanc\tféminin\tsingulier\n"
                       "gris\tgris\tmasculin\tindéterminé\n"
                       "marrons\tmarron\tmasculin\tpluriel\n"
                       "marron\tmarron\tinvariable\tinvariable\n");
    EXPECT_EQ(erreurs_, "");
    EXPECT_EQ(ListeA, nullptr); // released after the run
}

TEST_F(ExecutionInterne, LignesRefuseesNommeesLesAutresAnalysees) {
    const int statut = Executer({}, "petite\r\n\n   \n\xC3(\ngrands\n∑\n  jolies  \n");
    EXPECT_EQ(statut, cli::SORTIE_MOT_REFUSE);
    EXPECT_EQ(sortie_, "petite\tpetit\tféminin\tsingulier\n"
                       "grands\tgrand\tmasculin\tpluriel\n"
                       "jolies\tjoli\tféminin\tpluriel\n");
    EXPECT_EQ(erreurs_, "adjora-cli : ligne 4 : texte UTF-8 invalide\n"
                        "adjora-cli : ligne 6 : caractère « ∑ » (U+2211) absent du jeu "
                        "Windows-1252\n");
}

TEST_F(ExecutionInterne, ArgumentVideRefuse) {
    EXPECT_EQ(Executer({"petit", ""}), cli::SORTIE_MOT_REFUSE);
    EXPECT_EQ(sortie_, "petit\tpetit\tmasculin\tsingulier\n");
    EXPECT_EQ(erreurs_, "adjora-cli : argument 2 : mot vide\n");
}

TEST_F(ExecutionInterne, ErreursDUtilisation) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(cli::Executer(cli::AnalyserArguments({"--inconnue"}), in, out, err),
              cli::SORTIE_USAGE);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("option inconnue"), std::string::npos);
    std::ostringstream out2, err2;
    EXPECT_EQ(cli::Executer(cli::AnalyserArguments({"--lexiques", "/nulle/part", "petit"}), in,
                            out2, err2),
              cli::SORTIE_USAGE);
    EXPECT_EQ(out2.str(), "");
    EXPECT_EQ(err2.str(), "adjora-cli : dossier des lexiques introuvable : /nulle/part\n");
}

} // namespace
