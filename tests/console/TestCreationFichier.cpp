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
#include <pty.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class CreationFichierTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dossier = fs::temp_directory_path() /
                  ("adjora-console-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier);
        existant = (dossier / "existant.txt").string();
        Ecrire(existant, "ancien");
        absent = (dossier / "absent.txt").string();
    }
    void TearDown() override { fs::remove_all(dossier); }

    static void Ecrire(const std::string& chemin, const std::string& texte) {
        std::ofstream(chemin) << texte;
    }
    static std::string Lire(const std::string& chemin) {
        std::ifstream flux(chemin);
        std::stringstream tout;
        tout << flux.rdbuf();
        return tout.str();
    }

    fs::path dossier;
    std::string existant;
    std::string absent;
};

std::string Question(const std::string& nomCp850) {
    return "Le fichier '"_cp850 + nomCp850 + "' existe déja et va être écraser.\nContinuer ?"_cp850;
}

// --- on a scripted console -------------------------------------------------

TEST_F(CreationFichierTest, AsksBeforeOverwritingAndOpensOnYes) {
    ConsoleDeTest essai;
    essai.console.touches = {'o'};
    std::FILE* fichier = fCreer(existant.c_str(), "w");
    ASSERT_NE(fichier, nullptr);
    std::fputs("nouveau", fichier);
    std::fclose(fichier);
    EXPECT_EQ(Lire(existant), "nouveau");
    EXPECT_EQ(essai.console.sortie, Question(existant) + " (O/N)\n\r");
}

TEST_F(CreationFichierTest, MissingFileIsOpenedWithoutAQuestion) {
    ConsoleDeTest essai;
    std::FILE* fichier = fCreer(absent.c_str(), "w");
    ASSERT_NE(fichier, nullptr);
    std::fclose(fichier);
    EXPECT_TRUE(fs::exists(absent));
    EXPECT_EQ(essai.console.sortie, "");
    EXPECT_EQ(essai.console.lectures, 0);
}

TEST_F(CreationFichierTest, AccentedNameShowsInCodePage850) {
    const std::string nom = (dossier / "café.txt").string();
    Ecrire(nom, "x");
    ConsoleDeTest essai;
    essai.console.touches = {'O'};
    std::FILE* fichier = fCreer(nom.c_str(), "r");
    ASSERT_NE(fichier, nullptr);
    std::fclose(fichier);
    const std::string nomCp850 = (dossier.string() + "/caf") + "é"_cp850 + ".txt";
    EXPECT_EQ(essai.console.sortie, Question(nomCp850) + " (O/N)\n\r");
}

TEST_F(CreationFichierTest, FileThatCannotBeOpenedGivesNull) {
    int rapports = 0;
    PresentateurErreur precedent = InstallerPresentateur([&](const char*, const char*) {
        ++rapports;
        return 1;
    });
    ConsoleDeTest essai;
    const std::string impossible = (dossier / "manquant" / "x.txt").string();
    EXPECT_EQ(fCreer(impossible.c_str(), "r"), nullptr);
    EXPECT_EQ(rapports, 1);
    EXPECT_EQ(fCreer(nullptr, "r"), nullptr);
    EXPECT_EQ(rapports, 2);
    InstallerPresentateur(precedent);
}

// Answers `touche` (then an arrow's scan code, should it be read) to fCreer.
void CreerEnRepondant(const std::string& nom, std::uint8_t touche) {
    ConsoleDeTest essai;
    essai.console.touches.push_back(touche);
    essai.console.touches.push_back(72);
    fCreer(nom.c_str(), "w");
}

TEST_F(CreationFichierTest, RefusalEndsTheProcessWithStatusOne) {
    for (const std::uint8_t touche : {std::uint8_t{'n'}, std::uint8_t{13}, std::uint8_t{0}}) {
        EXPECT_EXIT(CreerEnRepondant(existant, touche), ::testing::ExitedWithCode(1), "")
            << "key " << int{touche};
    }
    EXPECT_EQ(Lire(existant), "ancien") << "the file is left as it was";
}

// --- on a real terminal ----------------------------------------------------

struct Issue {
    int statut = -1;
    std::string ecran;
};

// Runs `enfant` in a child process whose terminal is a new pseudo-terminal;
// types `touches` once `attendu` shows, then collects the screen until the child ends.
Issue DansUnTerminal(const std::function<int()>& enfant, const std::string& attendu,
                     const std::string& touches) {
    std::fflush(nullptr);
    int maitre = -1;
    const pid_t pid = forkpty(&maitre, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::_Exit(enfant());
    }
    Issue issue;
    if (pid < 0) {
        ADD_FAILURE() << "forkpty failed";
        return issue;
    }
    if (!attendu.empty()) {
        issue.ecran = LireMaitre(maitre, attendu, 5s);
        EXPECT_NE(issue.ecran.find(attendu), std::string::npos) << issue.ecran;
    }
    std::size_t ecrits = 0;
    while (ecrits < touches.size()) {
        const ssize_t n = write(maitre, touches.data() + ecrits, touches.size() - ecrits);
        if (n <= 0) {
            break;
        }
        ecrits += static_cast<std::size_t>(n);
    }
    issue.ecran += LireMaitre(maitre, "", 5s);
    int etat = 0;
    waitpid(pid, &etat, 0);
    close(maitre);
    issue.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return issue;
}

TEST_F(CreationFichierTest, TerminalAnswerNoInterrupts) {
    const std::string nom = existant;
    const Issue issue = DansUnTerminal(
        [&] {
            fCreer(nom.c_str(), "w");
            return 0;
        },
        "(O/N)", "n");
    EXPECT_EQ(issue.statut, 1);
    const std::string question =
        "Le fichier '" + nom + "' existe déja et va être écraser.\r\nContinuer ? (O/N)";
    EXPECT_NE(issue.ecran.find(question), std::string::npos) << issue.ecran;
    EXPECT_NE(issue.ecran.find("\r\n\r\r\nOpération Interrompue.\r\n\r"), std::string::npos)
        << issue.ecran;
    EXPECT_EQ(Lire(existant), "ancien");
}

TEST_F(CreationFichierTest, TerminalAnswerYesOpens) {
    const std::string nom = existant;
    const Issue issue = DansUnTerminal(
        [&] {
            std::FILE* fichier = fCreer(nom.c_str(), "w");
            if (fichier == nullptr) {
                return 2;
            }
            std::fputs("nouveau", fichier);
            std::fclose(fichier);
            return 0;
        },
        "(O/N)", "o");
    EXPECT_EQ(issue.statut, 0) << issue.ecran;
    EXPECT_EQ(issue.ecran.find("Interrompue"), std::string::npos);
    EXPECT_EQ(Lire(existant), "nouveau");
}

TEST_F(CreationFichierTest, TerminalMissingFileAsksNothing) {
    const std::string nom = absent;
    const Issue issue = DansUnTerminal(
        [&] {
            std::FILE* fichier = fCreer(nom.c_str(), "w");
            if (fichier == nullptr) {
                return 2;
            }
            std::fclose(fichier);
            return 0;
        },
        "", "");
    EXPECT_EQ(issue.statut, 0);
    EXPECT_EQ(issue.ecran.find("(O/N)"), std::string::npos) << issue.ecran;
    EXPECT_TRUE(fs::exists(absent));
}

} // namespace
