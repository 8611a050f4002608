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
#include <utility>
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

    // Reads the two codes of an extended key.
    std::pair<int, int> LireEtendue() {
        const int premier = console->LireCode();
        const int second = console->LireCode();
        return {premier, second};
    }

    bool AttendreTouche(std::chrono::milliseconds delai = 2s) {
        const auto fin = std::chrono::steady_clock::now() + delai;
        while (std::chrono::steady_clock::now() < fin) {
            if (console->ToucheEnAttente()) {
                return true;
            }
            std::this_thread::sleep_for(5ms);
        }
        return false;
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

// --- keys ----------------------------------------------------------------

TEST_F(TerminalTest, KeyTypedAheadNeedsNoEnter) {
    pty.Taper("a");
    EXPECT_EQ(console->LireCode(), 'a');
    ExpectModeRestaure();
}

TEST_F(TerminalTest, KeyIsReadWithoutEcho) {
    TaperEnModeBrut("a");
    EXPECT_EQ(console->LireCode(), 'a');
    EXPECT_EQ(pty.LireJusqua("a", 100ms).find('a'), std::string::npos);
    ExpectModeRestaure();
}

TEST_F(TerminalTest, ArrowKeysGiveZeroThenTheirScanCode) {
    const std::vector<std::pair<std::string, int>> fleches = {
        {"\x1b[A", 72}, {"\x1b[B", 80}, {"\x1b[D", 75}, {"\x1b[C", 77},   {"\x1bOA", 72},
        {"\x1bOB", 80}, {"\x1bOD", 75}, {"\x1bOC", 77}, {"\x1b[1;5A", 72}};
    for (const auto& [sequence, scan] : fleches) {
        TaperEnModeBrut(sequence);
        EXPECT_EQ(LireEtendue(), std::make_pair(0, scan)) << sequence.substr(1);
    }
    ExpectModeRestaure();
}

TEST_F(TerminalTest, FunctionKeysOfEveryTerminalKind) {
    const std::vector<std::pair<std::string, int>> touches = {
        {"\x1bOP", 59},   {"\x1bOQ", 60},   {"\x1bOR", 61},   {"\x1bOS", 62},   {"\x1b[15~", 63},
        {"\x1b[17~", 64}, {"\x1b[18~", 65}, {"\x1b[19~", 66}, {"\x1b[20~", 67}, {"\x1b[21~", 68},
        {"\x1b[[A", 59},  {"\x1b[[E", 63},  {"\x1b[11~", 59}};
    for (const auto& [sequence, scan] : touches) {
        TaperEnModeBrut(sequence);
        EXPECT_EQ(LireEtendue(), std::make_pair(0, scan)) << sequence.substr(1);
    }
}

TEST_F(TerminalTest, NavigationKeys) {
    const std::vector<std::pair<std::string, int>> touches = {
        {"\x1b[H", 71},  {"\x1b[1~", 71}, {"\x1bOH", 71},  {"\x1b[7~", 71}, {"\x1b[F", 79},
        {"\x1b[4~", 79}, {"\x1bOF", 79},  {"\x1b[8~", 79}, {"\x1b[5~", 73}, {"\x1b[6~", 81},
        {"\x1b[2~", 82}, {"\x1b[3~", 83}, {"\x1b[Z", 15}};
    for (const auto& [sequence, scan] : touches) {
        TaperEnModeBrut(sequence);
        EXPECT_EQ(LireEtendue(), std::make_pair(0, scan)) << sequence.substr(1);
    }
}

TEST_F(TerminalTest, EnterBackspaceAndLoneEscape) {
    TaperEnModeBrut("\r");
    EXPECT_EQ(console->LireCode(), 13);
    TaperEnModeBrut("\n");
    EXPECT_EQ(console->LireCode(), 13);
    TaperEnModeBrut("\x7f");
    EXPECT_EQ(console->LireCode(), 8);
    TaperEnModeBrut("\x1b");
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_GE(std::chrono::steady_clock::now() - debut,
              std::chrono::milliseconds(terminal::ConsoleTerminal::kDelaiSequenceMs));
    EXPECT_FALSE(console->ToucheEnAttente()) << "nothing left behind";
}

TEST_F(TerminalTest, UnknownSequenceIsSwallowedAsEscape) {
    TaperEnModeBrut("\x1b[99~b");
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_EQ(console->LireCode(), 'b');
    TaperEnModeBrut("\x1bOz\x1b[?25hc");
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_EQ(console->LireCode(), 'c');
    TaperEnModeBrut("\x1b[" + std::string(60, '1') + "~d");
    EXPECT_EQ(console->LireCode(), 27) << "an endless sequence is given up";
    int code = 0;
    for (int i = 0; i < 80 && code != 'd'; ++i) {
        code = console->LireCode();
    }
    EXPECT_EQ(code, 'd') << "later keys still arrive";
    ExpectModeRestaure();
}

TEST_F(TerminalTest, EscapeBeforeAnOrdinaryKeyKeepsThatKey) {
    TaperEnModeBrut("\x1bx");
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_TRUE(console->ToucheEnAttente());
    EXPECT_EQ(console->LireCode(), 'x');
}

TEST_F(TerminalTest, Utf8KeysBecomeCodePage850) {
    TaperEnModeBrut("é");
    EXPECT_EQ(console->LireCode(), 0x82);
    TaperEnModeBrut("€");
    EXPECT_EQ(console->LireCode(), '?') << "850 has no euro sign";
    TaperEnModeBrut("\xC3q");
    EXPECT_EQ(console->LireCode(), '?');
    EXPECT_EQ(console->LireCode(), 'q') << "a broken sequence does not eat the next key";
}

TEST_F(TerminalTest, ExtendedKeyThroughLireTouche) {
    terminal::Console* precedente = terminal::InstallerConsole(console.get());
    TaperEnModeBrut("\x1b[15~");
    std::uint8_t code = 0;
    EXPECT_EQ(LireTouche(&code), 1);
    EXPECT_EQ(code, 63);
    terminal::InstallerConsole(precedente);
    ExpectModeRestaure();
}

// --- raw mode and waiting keys ---------------------------------------------

TEST_F(TerminalTest, RawOnlyFromWaitingTestToTheNextRead) {
    EXPECT_FALSE(console->ToucheEnAttente());
    termios pendant{};
    ASSERT_EQ(tcgetattr(pty.Esclave(), &pendant), 0);
    EXPECT_EQ(pendant.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(pendant.c_cc[VMIN], 1);
    pty.Taper("k");
    EXPECT_EQ(console->LireCode(), 'k');
    ExpectModeRestaure();
}

TEST_F(TerminalTest, HungUpTerminalReadsAsEscape) {
    EXPECT_FALSE(console->ToucheEnAttente());
    pty.FermerMaitre();
    EXPECT_TRUE(console->ToucheEnAttente()) << "a hung-up terminal stops a scroll";
    EXPECT_EQ(console->LireCode(), 27);
    EXPECT_EQ(console->LireCode(), 27) << "and keeps doing so without blocking";
}

TEST_F(TerminalTest, WaitingKeyIsSeenWithoutBeingRead) {
    EXPECT_FALSE(console->ToucheEnAttente());
    pty.Taper("z");
    EXPECT_TRUE(AttendreTouche());
    EXPECT_TRUE(console->ToucheEnAttente()) << "asking again does not consume it";
    EXPECT_EQ(console->LireCode(), 'z');
    EXPECT_FALSE(console->ToucheEnAttente());
}

TEST_F(TerminalTest, ClosingTheConsoleEndsARawHold) {
    EXPECT_FALSE(console->ToucheEnAttente());
    console.reset();
    ExpectModeRestaure();
}

TEST_F(TerminalTest, PendingScanCodeCountsAsWaiting) {
    TaperEnModeBrut("\x1b[B");
    EXPECT_EQ(console->LireCode(), 0);
    EXPECT_TRUE(console->ToucheEnAttente());
    EXPECT_EQ(console->LireCode(), 80);
}

// --- output --------------------------------------------------------------

TEST_F(TerminalTest, CodePage850TextShowsAsUtf8) {
    const std::string texte = "\nOpération Interrompue.\n\r"_cp850;
    console->Ecrire(texte.data(), texte.size());
    const std::string vu = pty.LireJusqua("Interrompue.");
    EXPECT_NE(vu.find("Opération Interrompue."), std::string::npos) << vu;
    const std::string fleche = "<┘"_cp850;
    console->Ecrire(fleche.data(), fleche.size());
    EXPECT_NE(pty.LireJusqua("┘").find("<┘"), std::string::npos);
}

TEST_F(TerminalTest, ForegroundColourKeepsTheBackground) {
    console->ChoisirCouleur(11);
    const std::string vu = pty.LireJusqua("m");
    EXPECT_EQ(vu, "\x1b[96m");
}

TEST(ParametreCouleurAnsi, MapsTheSixteenDosColours) {
    const int attendu[16] = {30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97};
    for (int couleur = 0; couleur < 16; ++couleur) {
        EXPECT_EQ(terminal::ParametreCouleurAnsi(static_cast<std::uint8_t>(couleur)),
                  attendu[couleur])
            << "colour " << couleur;
    }
    EXPECT_EQ(terminal::ParametreCouleurAnsi(16 + 11), 96) << "blink and background bits ignored";
}

TEST_F(TerminalTest, PauseOnTheRealTerminal) {
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
