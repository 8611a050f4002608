// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// fCreer: asking before overwriting, on a scripted console and on a real terminal.
#include "ConsoleScriptee.h"
#include "Fichiers.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"
#include "PseudoTerminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Lire(const std::string& chemin) {
    std::stringstream tout;
    tout << std::ifstream(chemin).rdbuf();
    return tout.str();
}

class CreationFichierTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dossier);
        std::ofstream(existant) << "ancien";
    }
    void TearDown() override { fs::remove_all(dossier); }

    const fs::path dossier = fs::temp_directory_path() /
                             ("adjora-console-" + std::to_string(getpid()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::string existant = (dossier / "existant.txt").string();
};

// What fCreer shows for an existing file, in code page 850.
std::string Question(const std::string& nomCp850) {
    return "Le fichier '"_cp850 + nomCp850 +
           "' existe déja et va être écraser.\nContinuer ? (O/N)\n\r"_cp850;
}

// Opens `nom` through fCreer and writes "nouveau" into it: 0, or 2 when nothing opened.
int CreerEtEcrire(const std::string& nom) {
    std::FILE* fichier = fCreer(nom.c_str(), "w");
    if (fichier == nullptr) {
        return 2;
    }
    std::fputs("nouveau", fichier);
    return std::fclose(fichier);
}

TEST_F(CreationFichierTest, DemandeAvantDEcraserEtOuvreSurOui) {
    const std::string accentue = (dossier / "café.txt").string();
    std::ofstream(accentue) << "ancien";
    const struct {
        std::string nom;
        std::uint8_t touche;
        std::string question; // empty: the file does not exist
    } cas[] = {{existant, 'o', Question(existant)},
               {accentue, 'O', Question(dossier.string() + "/caf" + "é"_cp850 + ".txt")},
               {(dossier / "absent.txt").string(), 'o', ""}};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        ConsoleDeTest essai;
        essai.console.touches = {cas[i].touche};
        EXPECT_EQ(CreerEtEcrire(cas[i].nom), 0) << "row " << i;
        EXPECT_EQ(Lire(cas[i].nom), "nouveau") << "row " << i;
        EXPECT_EQ(essai.console.sortie, cas[i].question) << "row " << i;
        EXPECT_EQ(essai.console.touches.size(), cas[i].question.empty() ? 1u : 0u) << "row " << i;
    }
}

TEST_F(CreationFichierTest, FichierImpossibleAOuvrirDonneNul) {
    int rapports = 0;
    PresentateurErreur precedent = InstallerPresentateur([&](const char*, const char*) {
        ++rapports;
        return 1;
    });
    ConsoleDeTest essai;
    testing::internal::CaptureStdout();
    EXPECT_EQ(fCreer((dossier / "manquant" / "x.txt").c_str(), "w"), nullptr);
    EXPECT_EQ(fCreer(nullptr, "w"), nullptr);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(rapports, 2);
    InstallerPresentateur(precedent);
}

TEST_F(CreationFichierTest, RefusTermineLeProcessusAvecLeStatutUn) {
    // "n", Enter, and an extended key (then its scan code) all mean no.
    for (const std::uint8_t touche : {std::uint8_t{'n'}, std::uint8_t{13}, std::uint8_t{0}}) {
        EXPECT_EXIT(
            {
                ConsoleDeTest essai;
                essai.console.touches.push_back(touche);
                essai.console.touches.push_back(72);
                fCreer(existant.c_str(), "w");
            },
            ::testing::ExitedWithCode(1), "")
            << "key " << int{touche};
    }
    EXPECT_EQ(Lire(existant), "ancien") << "the file is left as it was";
}

// Runs `enfant` in a child process whose terminal is a new pseudo-terminal;
// types `touche` once the question shows, then returns the exit status and
// the whole screen.
std::pair<int, std::string> DansUnTerminal(const std::function<int()>& enfant,
                                           const std::string& touche) {
    std::fflush(nullptr);
    int maitre = -1;
    const pid_t pid = forkpty(&maitre, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::_Exit(enfant());
    }
    if (pid < 0) {
        ADD_FAILURE() << "forkpty failed";
        return {-1, ""};
    }
    std::string ecran = LireMaitre(maitre, "(O/N)", 5s);
    EXPECT_NE(ecran.find("(O/N)"), std::string::npos) << ecran;
    TaperSur(maitre, touche);
    ecran += LireMaitre(maitre, "", 5s);
    int etat = 0;
    waitpid(pid, &etat, 0);
    close(maitre);
    return {WIFEXITED(etat) ? WEXITSTATUS(etat) : -1, ecran};
}

TEST_F(CreationFichierTest, SurUnVraiTerminal) {
    const std::string nom = existant;
    const auto [statutNon, ecranNon] = DansUnTerminal([&] { return CreerEtEcrire(nom); }, "n");
    EXPECT_EQ(statutNon, 1);
    // The answer may echo if typed before the read starts: look on both sides of it.
    EXPECT_NE(ecranNon.find("Le fichier '" + nom +
                            "' existe déja et va être écraser.\r\nContinuer ? (O/N)"),
              std::string::npos)
        << ecranNon;
    EXPECT_NE(ecranNon.find("\r\n\r\r\nOpération Interrompue.\r\n\r"), std::string::npos);
    EXPECT_EQ(Lire(existant), "ancien");
    const auto [statutOui, ecranOui] = DansUnTerminal([&] { return CreerEtEcrire(nom); }, "o");
    EXPECT_EQ(statutOui, 0) << ecranOui;
    EXPECT_EQ(ecranOui.find("Interrompue"), std::string::npos);
    EXPECT_EQ(Lire(existant), "nouveau");
}

} // namespace
