// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Console prompts on a scripted console (invites.tsv), the terminal layer and the key
// names on a pseudo-terminal (sequences.tsv), and fCreer.
#include <deque>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include "Console.h"
#include "Fichiers.h"
#include "OutilsTest.h"
#include "Terminal.h"

namespace {

class ConsoleScriptee final : public terminal::Console {
  public:
    ConsoleScriptee() : precedente_(terminal::InstallerConsole(this)) {}
    ~ConsoleScriptee() override { terminal::InstallerConsole(precedente_); }
    void Ecrire(const char* octets, std::size_t taille) override { sortie.append(octets, taille); }
    std::uint8_t LireCode() override {
        if (touches.empty()) {
            ADD_FAILURE() << "a key read beyond the script";
            return 27; // Escape
        }
        const std::uint8_t code = touches.front();
        touches.pop_front();
        return code;
    }
    // The end of the script counts as a key, so that a scroll always ends.
    bool ToucheEnAttente() override { return refus-- <= 0 || touches.empty(); }
    void ChoisirCouleur(std::uint8_t c) override { sortie += "{" + std::to_string(c) + "}"; }
    std::deque<std::uint8_t> touches;
    int refus = 0;
    std::string sortie;

  private:
    terminal::Console* precedente_;
};

TEST(Invites, CasDuFichier) {
    for (const auto& cas : LireCas(ADJORA_CAS "/invites.tsv", 7)) {
        ConsoleScriptee console;
        std::istringstream codes(cas[2]);
        for (int c; codes >> c;) {
            console.touches.push_back(static_cast<std::uint8_t>(c));
        }
        console.refus = std::stoi(cas[3]);
        std::string texte = cas[1];
        std::string resultat;
        std::uint8_t code = 0;
        if (cas[0] == "DemanderOuiNon") {
            resultat = std::to_string(DemanderOuiNon());
        } else if (cas[0] == "LireTouche") {
            resultat = std::to_string(LireTouche(&code));
            resultat += " " + std::to_string(code);
        } else if (cas[0] == "AnnoncerInterruption") {
            AnnoncerInterruption();
        } else if (cas[0] == "DefilerTexte") {
            resultat = std::to_string(DefilerTexte(texte.data())) + " " + texte;
        } else if (cas[0] == "PivoterTexte") {
            PivoterTexte(texte.data(), static_cast<std::int16_t>(std::stoi(cas[2])));
            resultat = texte;
            console.touches.clear();
        } else if (cas[0] == "AttendrePression") {
            AttendrePression();
        } else {
            ADD_FAILURE() << "unknown routine " << cas[0];
        }
        EXPECT_EQ(Echapper(pages::Cp850VersUtf8(console.sortie)), cas[4])
            << cas[0] << " " << cas[2];
        EXPECT_EQ(resultat, cas[5]) << cas[0] << " " << cas[1] << " " << cas[2];
        EXPECT_EQ(std::to_string(console.touches.size()), cas[6]) << cas[0] << " " << cas[2];
    }
}

// A terminal layer on a pseudo-terminal; the test types on the master side.
class Terminal : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(openpty(&maitre, &esclave, nullptr, nullptr, nullptr), 0);
        tcgetattr(esclave, &avant);
        console = std::make_unique<terminal::ConsoleTerminal>(esclave, esclave);
    }
    void TearDown() override {
        console.reset();
        close(maitre);
        close(esclave);
    }
    std::string Ecran() { // what the terminal shows within 200 ms
        std::string lu;
        char t[256];
        for (pollfd p{maitre, POLLIN, 0}; poll(&p, 1, 200) > 0;) {
            const ssize_t n = read(maitre, t, sizeof t);
            lu.append(t, n > 0 ? static_cast<std::size_t>(n) : 0);
        }
        return lu;
    }
    bool ModeRestaure() {
        termios apres{};
        tcgetattr(esclave, &apres);
        return apres.c_lflag == avant.c_lflag && apres.c_iflag == avant.c_iflag;
    }
    int maitre = -1;
    int esclave = -1;
    termios avant{};
    std::unique_ptr<terminal::ConsoleTerminal> console;
};

// "\x1b[A" -> bytes.
std::string Octets(const std::string& texte) {
    std::string octets;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte.compare(i, 2, "\\x") == 0) {
            octets += static_cast<char>(std::stoi(texte.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            octets += texte[i];
        }
    }
    return octets;
}

TEST_F(Terminal, SequencesEnCodesDeTouchesSansEcho) {
    for (const auto& cas : LireCas(ADJORA_CAS "/sequences.tsv", 3)) {
        const std::string octets = Octets(cas[0]);
        EXPECT_FALSE(console->ToucheEnAttente()); // raw mode from here on
        EXPECT_EQ(write(maitre, octets.data(), octets.size()), static_cast<ssize_t>(octets.size()));
        std::istringstream attendus(cas[1]);
        std::string lus;
        std::string noms;
        std::string entre; // between two names
        for (int c; attendus >> c;) {
            pollfd p{esclave, POLLIN, 0};
            if (!console->ToucheEnAttente() && poll(&p, 1, 1000) <= 0) {
                ADD_FAILURE() << cas[0] << " gives fewer codes than " << cas[1];
                break;
            }
            const std::uint8_t code = console->LireCode();
            lus += std::to_string(code) + " ";
            noms += entre + pages::Cp850VersUtf8(NomTouche(code));
            entre = "|";
        }
        EXPECT_EQ(lus + noms, cas[1] + " " + cas[2]) << cas[0];
        EXPECT_TRUE(ModeRestaure()) << cas[0];
    }
    EXPECT_EQ(Ecran(), "") << "no echo";
    EXPECT_FALSE(console->ToucheEnAttente()) << "nothing left behind";
}

TEST_F(Terminal, SortieEnUtf8CouleurEtRaccrochage) {
    const std::string texte = "\nOpération\n\r<┘"_cp850;
    console->Ecrire(texte.data(), texte.size());
    console->ChoisirCouleur(11);
    EXPECT_EQ(Ecran(), "\r\nOpération\r\n\r<┘\x1b[96m");
    close(maitre);
    maitre = -1;
    EXPECT_TRUE(console->ToucheEnAttente()) << "a hung-up terminal stops a scroll";
    EXPECT_EQ(console->LireCode(), 27);
}

TEST(CreerFichier, DemandeAvantDEcraserEtTermineSurNon) {
    DossierTemporaire dossier;
    const std::string nom = dossier.ecrire("existant.txt", "ancien");
    EXPECT_EXIT(
        {
            ConsoleScriptee console;
            console.touches = {'n'};
            fCreer(nom.c_str(), "w");
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Lire(nom), "ancien");
    ConsoleScriptee console;
    console.touches = {'o'};
    testing::internal::CaptureStdout();
    fFermer(fCreer(nom.c_str(), "w"));
    EXPECT_EQ(pages::Cp850VersUtf8(testing::internal::GetCapturedStdout() + console.sortie),
              "Le fichier '" + nom + "' existe déja et va être écraser.\nContinuer ? (O/N)\n\r");
    EXPECT_EQ(Lire(nom), "");
}

} // namespace
