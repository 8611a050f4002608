// A console for tests: keys come from a script, output and colours are kept.
#pragma once

#include "Terminal.h"

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

class ConsoleScriptee final : public terminal::Console {
  public:
    void Ecrire(const char* octets, std::size_t taille) override;
    std::uint8_t LireCode() override;
    bool ToucheEnAttente() override;
    void ChoisirCouleur(std::uint8_t couleur) override;

    // Keys still to be read, one code per read.
    std::deque<std::uint8_t> touches;
    // Number of "is a key waiting?" questions answered no before the script's keys show.
    int refusAvantTouche = 0;
    // Everything written, byte for byte.
    std::string sortie;
    // Each colour set, with the output length at that moment.
    std::vector<std::pair<std::uint8_t, std::size_t>> couleurs;
    int questions = 0;
    int lectures = 0;
};

// Installs a scripted console for the scope of a test and restores the previous one.
class ConsoleDeTest {
  public:
    ConsoleDeTest() : precedente_(terminal::InstallerConsole(&console)) {}
    ~ConsoleDeTest() { terminal::InstallerConsole(precedente_); }
    ConsoleDeTest(const ConsoleDeTest&) = delete;
    ConsoleDeTest& operator=(const ConsoleDeTest&) = delete;

    ConsoleScriptee console;

  private:
    terminal::Console* precedente_;
};
