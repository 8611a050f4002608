// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// A console for tests: keys come from a script, output and colours are kept.
#pragma once

#include "Terminal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

class ConsoleScriptee final : public terminal::Console {
  public:
    void Ecrire(const char* octets, std::size_t taille) override { sortie.append(octets, taille); }
    std::uint8_t LireCode() override {
        if (touches.empty()) {
            ADD_FAILURE() << "a key was read beyond the script";
            return 27;
        }
        const std::uint8_t code = touches.front();
        touches.pop_front();
        return code;
    }
    bool ToucheEnAttente() override {
        // A scroll that never ends would hang the suite: give up after many polls.
        if (++questions > 100000) {
            ADD_FAILURE() << "no key ever waited";
            touches.push_back(27);
            return true;
        }
        return questions > refusAvantTouche && !touches.empty();
    }
    void ChoisirCouleur(std::uint8_t couleur) override {
        couleurs.emplace_back(couleur, sortie.size());
    }

    // Keys still to be read, one code per read.
    std::deque<std::uint8_t> touches;
    // Number of "is a key waiting?" questions answered no before the script's keys show.
    int refusAvantTouche = 0;
    // Everything written, byte for byte.
    std::string sortie;
    // Each colour set, with the output length at that moment.
    std::vector<std::pair<std::uint8_t, std::size_t>> couleurs;
    int questions = 0;
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
