// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The Linux terminal layer, through a pseudo-terminal.
#include "Console.h"
#include "PagesDeCode.h"
#include "PseudoTerminal.h"
#include "Terminal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <termios.h>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

class TerminalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ouvert()) << "no pseudo-terminal available";
        ASSERT_EQ(tcgetattr(pty.Esclave(), &avant), 0);
        console = std::make_unique<terminal::ConsoleTerminal>(pty.Esclave(), pty.Esclave());
    }

    // Puts the input in raw mode (through the waiting test), then types.
    void TaperEnModeBrut(const std::string& octets) {
        EXPECT_FALSE(console->ToucheEnAttente());
        pty.Taper(octets);
    }

    void ExpectModeRestaure() {
        termios apres{};
        ASSERT_EQ(tcgetattr(pty.Esclave(), &apres), 0);
        EXPECT_EQ(apres.c_lflag, avant.c_lflag);
        EXPECT_EQ(apres.c_iflag, avant.c_iflag);
        EXPECT_EQ(apres.c_oflag, avant.c_oflag);
        EXPECT_EQ(apres.c_cc[VMIN], avant.c_cc[VMIN]);
        EXPECT_EQ(apres.c_cc[VTIME], avant.c_cc[VTIME]);
    }

    PseudoTerminal pty;
    termios avant{};
    std::unique_ptr<terminal::ConsoleTerminal> console;
};

TEST_F(TerminalTest, ToucheTapeeSansEntreeNiEcho) {
    pty.Taper("a"); // typed before any raw mode
    EXPECT_EQ(console->LireCode(), 'a');
    ExpectModeRestaure();
    TaperEnModeBrut("b");
    EXPECT_EQ(console->LireCode(), 'b');
    EXPECT_EQ(pty.LireJusqua("b", 100ms).find('b'), std::string::npos) << "no echo";
    ExpectModeRestaure();
}

// Each sequence the user's terminal may send, and the codes read from it.
TEST_F(TerminalTest, SequencesDuTerminalEnCodesDeTouches) {
    // Extended keys: arrows, function keys (several terminal kinds), navigation, Shift+Tab.
    const std::pair<std::string, int> etendues[] = {
        {"\x1b[A", 72},   {"\x1b[B", 80},   {"\x1b[D", 75},   {"\x1b[C", 77},    {"\x1bOA", 72},
        {"\x1bOB", 80},   {"\x1bOD", 75},   {"\x1bOC", 77},   {"\x1b[1;5A", 72}, {"\x1bOP", 59},
        {"\x1bOQ", 60},   {"\x1bOR", 61},   {"\x1bOS", 62},   {"\x1b[15~", 63},  {"\x1b[17~", 64},
        {"\x1b[18~", 65}, {"\x1b[19~", 66}, {"\x1b[20~", 67}, {"\x1b[21~", 68},  {"\x1b[[A", 59},
        {"\x1b[[E", 63},  {"\x1b[11~", 59}, {"\x1b[H", 71},   {"\x1b[1~", 71},   {"\x1bOH", 71},
        {"\x1b[7~", 71},  {"\x1b[F", 79},   {"\x1b[4~", 79},  {"\x1bOF", 79},    {"\x1b[8~", 79},
        {"\x1b[5~", 73},  {"\x1b[6~", 81},  {"\x1b[2~", 82},  {"\x1b[3~", 83},   {"\x1b[Z", 15}};
    // Other keys. Code page 850 has no euro sign; a broken UTF-8 sequence
    // spares the next key; unknown sequences read as Escape; Escape before an
    // ordinary key keeps that key.
    std::vector<std::pair<std::string, std::vector<int>>> cas = {
        {"\r", {13}},
        {"\n", {13}},
        {"\x7f", {8}},
        {"é", {0x82}},
        {"€", {'?'}},
        {"\xC3q", {'?', 'q'}},
        {"\x1b[99~b", {27, 'b'}},
        {"\x1bOz\x1b[?25hc", {27, 27, 'c'}},
        {"\x1bx", {27, 'x'}}};
    for (const auto& [sequence, scan] : etendues) {
        cas.push_back({sequence, {0, scan}});
    }
    for (const auto& [sequence, codes] : cas) {
        TaperEnModeBrut(sequence);
        std::vector<int> lus;
        while (lus.size() < codes.size()) {
            lus.push_back(console->LireCode());
        }
        EXPECT_EQ(lus, codes) << "sequence " << sequence.substr(sequence[0] == '\x1b');
    }
    ExpectModeRestaure();
    EXPECT_FALSE(console->ToucheEnAttente()) << "nothing left behind";
}

TEST_F(TerminalTest, EchappementSeulEtSequenceSansFin) {
    TaperEnModeBrut("\x1b");
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_GE(std::chrono::steady_clock::now() - debut,
              std::chrono::milliseconds(terminal::ConsoleTerminal::kDelaiSequenceMs));
    TaperEnModeBrut("\x1b[" + std::string(60, '1') + "~d");
    EXPECT_EQ(console->LireCode(), 27) << "an endless sequence is given up";
    int code = 0;
    for (int i = 0; i < 80 && code != 'd'; ++i) {
        code = console->LireCode();
    }
    EXPECT_EQ(code, 'd') << "later keys still arrive";
}

TEST_F(TerminalTest, FlecheEnDeuxLecturesParLireTouche) {
    terminal::Console* precedente = terminal::InstallerConsole(console.get());
    TaperEnModeBrut("\x1b[B");
    EXPECT_EQ(console->LireCode(), 0);
    EXPECT_TRUE(console->ToucheEnAttente()) << "the scan code still waits";
    EXPECT_EQ(console->LireCode(), 80);
    TaperEnModeBrut("\x1b[15~");
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 1);
    EXPECT_EQ(code, 63);
    terminal::InstallerConsole(precedente);
    ExpectModeRestaure();
}

TEST_F(TerminalTest, ModeBrutDuTestDAttenteALaLectureSuivante) {
    EXPECT_FALSE(console->ToucheEnAttente());
    termios pendant{};
    ASSERT_EQ(tcgetattr(pty.Esclave(), &pendant), 0);
    EXPECT_EQ(pendant.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(pendant.c_cc[VMIN], 1);
    pty.Taper("z");
    bool vue = false;
    for (int i = 0; i < 400 && !vue; ++i) {
        vue = console->ToucheEnAttente();
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_TRUE(vue);
    EXPECT_TRUE(console->ToucheEnAttente()) << "asking again does not consume it";
    EXPECT_EQ(console->LireCode(), 'z');
    ExpectModeRestaure();
    EXPECT_FALSE(console->ToucheEnAttente());
    console.reset(); // closing the console ends a raw hold
    ExpectModeRestaure();
}

TEST_F(TerminalTest, TerminalRaccrocheLuCommeEchappement) {
    EXPECT_FALSE(console->ToucheEnAttente());
    pty.FermerMaitre();
    EXPECT_TRUE(console->ToucheEnAttente()) << "a hung-up terminal stops a scroll";
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_EQ(console->LireCode(), 27) << "and keeps doing so without blocking";
}

TEST_F(TerminalTest, SortieEnUtf8EtCouleur) {
    const std::string texte = "\nOpération Interrompue.\n\r<┘"_cp850;
    console->Ecrire(texte.data(), texte.size());
    EXPECT_NE(pty.LireJusqua("┘").find("Opération Interrompue.\r\n\r<┘"), std::string::npos);
    console->ChoisirCouleur(11);
    EXPECT_EQ(pty.LireJusqua("m"), "\x1b[96m");
    const int attendu[16] = {30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97};
    for (int couleur = 0; couleur < 16; ++couleur) {
        EXPECT_EQ(terminal::ParametreCouleurAnsi(static_cast<std::uint8_t>(couleur)),
                  attendu[couleur])
            << "colour " << couleur;
    }
    EXPECT_EQ(terminal::ParametreCouleurAnsi(16 + 11), 96) << "blink and background bits ignored";
}

TEST_F(TerminalTest, PauseSurLeVraiTerminal) {
    terminal::Console* precedente = terminal::InstallerConsole(console.get());
    const std::string fin = std::string(32, ' ') + "\r\n\r\n\r";
    std::string vu;
    std::thread frappe([&] {
        vu = pty.LireJusqua("Appuyez");
        pty.Taper("\x1b[A");
        vu += pty.LireJusqua(fin, 5s); // keeps the terminal drained while it scrolls
    });
    AttendrePression();
    frappe.join();
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 0) << "only the first code of the arrow was used";
    EXPECT_EQ(code, 72);
    terminal::InstallerConsole(precedente);
    EXPECT_EQ(vu.find("\r\n\r\x1b[96m"), 0u);
    EXPECT_NE(vu.find(std::string(40, '-') + fin), std::string::npos);
    ExpectModeRestaure();
}

} // namespace
