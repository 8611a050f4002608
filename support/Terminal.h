// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// A small text console: the four operations the console prompts rest on.
//
// Texts written to the console are code page 850. A key read returns one
// byte: an ordinary key gives its character code (code page 850), an extended
// key (function keys, arrows, Home, End, page keys, Insert, Delete, Shift+Tab)
// gives 0 first and its scan code at the next read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <termios.h>

namespace terminal {

// The four console operations.
class Console {
  public:
    virtual ~Console() = default;
    // Writes code page 850 bytes at the cursor in the current colour.
    virtual void Ecrire(const char* octets, std::size_t taille) = 0;
    // Reads one key without echo (two reads for an extended key).
    virtual std::uint8_t LireCode() = 0;
    // Tells whether a key waits, without reading it.
    virtual bool ToucheEnAttente() = 0;
    // Sets the foreground colour (0..15, DOS numbering), keeping the background.
    virtual void ChoisirCouleur(std::uint8_t couleur) = 0;
};

// The console the prompts use: the process's terminal unless replaced.
Console& ConsoleCourante();
// Replaces the current console and returns the previous one; null restores
// the process's terminal. The caller keeps ownership of `console`.
Console* InstallerConsole(Console* console);

// Scan codes of the extended keys.
enum : std::uint8_t {
    SCAN_MAJ_TAB = 15,
    SCAN_F1 = 59,
    SCAN_F10 = 68,
    SCAN_ORIGINE = 71,
    SCAN_HAUT = 72,
    SCAN_PAGE_HAUT = 73,
    SCAN_GAUCHE = 75,
    SCAN_DROITE = 77,
    SCAN_FIN = 79,
    SCAN_BAS = 80,
    SCAN_PAGE_BAS = 81,
    SCAN_INSER = 82,
    SCAN_SUPPR = 83,
};

// ANSI colour parameter (30-37, 90-97) of a DOS colour; the high bits are ignored.
int ParametreCouleurAnsi(std::uint8_t couleur);

// The Linux terminal layer.
//
// Output: code page 850 becomes UTF-8; line feeds and carriage returns pass
// as they are. Keys: the input is put in raw mode (no line editing, no echo)
// for each read and restored afterwards; terminal escape sequences become 0
// and a scan code. Testing for a waiting key also enters raw mode (a key
// typed in line mode would not be seen until Enter) and keeps it until the
// next key read ends, so a scrolling wait echoes nothing.
class ConsoleTerminal final : public Console {
  public:
    // Delay after Escape within which a following byte belongs to a sequence.
    static constexpr int kDelaiSequenceMs = 50;

    ConsoleTerminal(int entree, int sortie);
    ~ConsoleTerminal() override;
    ConsoleTerminal(const ConsoleTerminal&) = delete;
    ConsoleTerminal& operator=(const ConsoleTerminal&) = delete;

    void Ecrire(const char* octets, std::size_t taille) override;
    std::uint8_t LireCode() override;
    bool ToucheEnAttente() override;
    void ChoisirCouleur(std::uint8_t couleur) override;

  private:
    bool EntrerModeBrut();
    void QuitterModeBrut();
    void EcrireBrut(const char* octets, std::size_t taille);
    // Next input byte within `delaiMs` (-1: no limit); -1 on timeout, end or error.
    int LireOctet(int delaiMs);
    std::uint8_t LireSequence();
    std::uint8_t LireSequenceCsi();
    std::uint8_t LireUtf8(unsigned char premier);
    std::uint8_t Etendue(std::uint8_t scan);

    int entree_;
    int sortie_;
    bool brut_ = false;
    termios precedent_{};
    // Second code of an extended key, given at the next read (0: none).
    std::uint8_t scanEnAttente_ = 0;
    // A byte read while looking for a sequence that belongs to the next key.
    int octetEnAttente_ = -1;
};

} // namespace terminal
