#include "ConsoleScriptee.h"

#include <gtest/gtest.h>

namespace {
// A scroll that never ends would hang the suite: give up after this many polls.
constexpr int kQuestionsMax = 100000;
} // namespace

void ConsoleScriptee::Ecrire(const char* octets, std::size_t taille) {
    sortie.append(octets, taille);
}

std::uint8_t ConsoleScriptee::LireCode() {
    ++lectures;
    if (touches.empty()) {
        ADD_FAILURE() << "a key was read beyond the script";
        return 27;
    }
    const std::uint8_t code = touches.front();
    touches.pop_front();
    return code;
}

bool ConsoleScriptee::ToucheEnAttente() {
    ++questions;
    if (questions > kQuestionsMax) {
        ADD_FAILURE() << "no key ever waited";
        touches.push_back(27);
        return true;
    }
    return questions > refusAvantTouche && !touches.empty();
}

void ConsoleScriptee::ChoisirCouleur(std::uint8_t couleur) {
    couleurs.emplace_back(couleur, sortie.size());
}
