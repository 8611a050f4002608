// A pseudo-terminal pair for tests of the terminal layer.
#pragma once

#include <chrono>
#include <string>

class PseudoTerminal {
  public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int Maitre() const { return maitre_; }
    int Esclave() const { return esclave_; }
    bool Ouvert() const { return maitre_ >= 0 && esclave_ >= 0; }

    // Types bytes as the user would.
    void Taper(const std::string& octets) const;
    // Reads what the terminal shows until `attendu` appears or `delai` passes.
    std::string LireJusqua(const std::string& attendu,
                           std::chrono::milliseconds delai = std::chrono::seconds(2)) const;
    void FermerMaitre();

  private:
    int maitre_ = -1;
    int esclave_ = -1;
};

// Reads everything from a terminal master until `attendu` appears, the
// other side closes, or `delai` passes.
std::string LireMaitre(int maitre, const std::string& attendu, std::chrono::milliseconds delai);
