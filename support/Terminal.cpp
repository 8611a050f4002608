// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The Linux terminal layer of the console prompts.
#include "Terminal.h"

#include "PagesDeCode.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace terminal {

namespace {

constexpr std::uint8_t kEchap = 27;
constexpr std::uint8_t kEntree = 13;
constexpr std::uint8_t kRetourArriere = 8;
// Longest escape sequence read before giving it up.
constexpr int kLongueurSequenceMax = 32;

Console* consoleInstallee = nullptr;

ConsoleTerminal& ConsoleDuProcessus() {
    static ConsoleTerminal console(STDIN_FILENO, STDOUT_FILENO);
    return console;
}

// Scan code of a final letter shared by the "ESC [" and "ESC O" forms; 0 if none.
std::uint8_t ScanDeLettre(int lettre) {
    switch (lettre) {
    case 'A':
        return SCAN_HAUT;
    case 'B':
        return SCAN_BAS;
    case 'C':
        return SCAN_DROITE;
    case 'D':
        return SCAN_GAUCHE;
    case 'H':
        return SCAN_ORIGINE;
    case 'F':
        return SCAN_FIN;
    case 'P':
    case 'Q':
    case 'R':
    case 'S':
        return static_cast<std::uint8_t>(SCAN_F1 + (lettre - 'P'));
    default:
        return 0;
    }
}

// Scan code of an "ESC [ n ~" sequence; 0 if unknown.
std::uint8_t ScanDeNumero(int numero) {
    switch (numero) {
    case 1:
    case 7:
        return SCAN_ORIGINE;
    case 2:
        return SCAN_INSER;
    case 3:
        return SCAN_SUPPR;
    case 4:
    case 8:
        return SCAN_FIN;
    case 5:
        return SCAN_PAGE_HAUT;
    case 6:
        return SCAN_PAGE_BAS;
    default:
        break;
    }
    if (numero >= 11 && numero <= 15) {
        return static_cast<std::uint8_t>(SCAN_F1 + (numero - 11));
    }
    if (numero >= 17 && numero <= 21) {
        return static_cast<std::uint8_t>(SCAN_F1 + 5 + (numero - 17));
    }
    return 0;
}

// Runs an action when a scope ends, whichever way it ends.
template <class Action> class ALaSortie {
  public:
    explicit ALaSortie(Action action) : action_(action) {}
    ~ALaSortie() { action_(); }
    ALaSortie(const ALaSortie&) = delete;
    ALaSortie& operator=(const ALaSortie&) = delete;

  private:
    Action action_;
};

} // namespace

Console& ConsoleCourante() {
    if (consoleInstallee != nullptr) {
        return *consoleInstallee;
    }
    return ConsoleDuProcessus();
}

Console* InstallerConsole(Console* console) {
    Console* precedente = &ConsoleCourante();
    consoleInstallee = console;
    return precedente;
}

int ParametreCouleurAnsi(std::uint8_t couleur) {
    // DOS colour bits are blue 1, green 2, red 4, intensity 8; ANSI's are
    // red 1, green 2, blue 4.
    static constexpr int kAnsi[8] = {0, 4, 2, 6, 1, 5, 3, 7};
    const int base = kAnsi[couleur & 7];
    return (couleur & 8) != 0 ? 90 + base : 30 + base;
}

ConsoleTerminal::ConsoleTerminal(int entree, int sortie) : entree_(entree), sortie_(sortie) {}

ConsoleTerminal::~ConsoleTerminal() {
    QuitterModeBrut();
}

bool ConsoleTerminal::EntrerModeBrut() {
    if (brut_) {
        return true;
    }
    termios brut{};
    if (tcgetattr(entree_, &precedent_) != 0) {
        return false; // not a terminal: bytes are read as they come
    }
    brut = precedent_;
    brut.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    brut.c_cc[VMIN] = 1;
    brut.c_cc[VTIME] = 0;
    if (tcsetattr(entree_, TCSANOW, &brut) != 0) {
        return false;
    }
    brut_ = true;
    return true;
}

void ConsoleTerminal::QuitterModeBrut() {
    if (brut_) {
        tcsetattr(entree_, TCSANOW, &precedent_);
        brut_ = false;
    }
}

void ConsoleTerminal::EcrireBrut(const char* octets, std::size_t taille) {
    if (sortie_ == STDOUT_FILENO) {
        std::fflush(stdout); // keeps the order with text printed through stdio
    }
    while (taille > 0) {
        const ssize_t ecrits = ::write(sortie_, octets, taille);
        if (ecrits < 0 && errno == EINTR) {
            continue;
        }
        if (ecrits <= 0) {
            return; // a closed terminal: nothing more can be shown
        }
        octets += ecrits;
        taille -= static_cast<std::size_t>(ecrits);
    }
}

void ConsoleTerminal::Ecrire(const char* octets, std::size_t taille) {
    if (octets == nullptr || taille == 0) {
        return;
    }
    const std::string utf8 = pages::Cp850VersUtf8(std::string_view(octets, taille));
    EcrireBrut(utf8.data(), utf8.size());
}

void ConsoleTerminal::ChoisirCouleur(std::uint8_t couleur) {
    const std::string sequence = "\x1b[" + std::to_string(ParametreCouleurAnsi(couleur)) + "m";
    EcrireBrut(sequence.data(), sequence.size());
}

int ConsoleTerminal::LireOctet(int delaiMs) {
    if (octetEnAttente_ >= 0) {
        const int octet = octetEnAttente_;
        octetEnAttente_ = -1;
        return octet;
    }
    if (delaiMs >= 0) {
        pollfd attente{entree_, POLLIN, 0};
        int pret = 0;
        do {
            pret = ::poll(&attente, 1, delaiMs);
        } while (pret < 0 && errno == EINTR);
        if (pret <= 0 || (attente.revents & POLLIN) == 0) {
            return -1;
        }
    }
    unsigned char octet = 0;
    ssize_t lus = 0;
    do {
        lus = ::read(entree_, &octet, 1);
    } while (lus < 0 && errno == EINTR);
    return lus == 1 ? octet : -1;
}

std::uint8_t ConsoleTerminal::Etendue(std::uint8_t scan) {
    scanEnAttente_ = scan;
    return 0;
}

std::uint8_t ConsoleTerminal::LireCode() {
    if (scanEnAttente_ != 0) {
        const std::uint8_t scan = scanEnAttente_;
        scanEnAttente_ = 0;
        return scan;
    }
    EntrerModeBrut();
    const ALaSortie garde([this] { QuitterModeBrut(); });
    const int octet = LireOctet(-1);
    if (octet < 0) {
        return kEchap; // end of input or a read error: taken as Escape
    }
    switch (octet) {
    case 0:
        return Etendue(3); // Ctrl+@, as the DOS keyboard reports it
    case kEchap:
        return LireSequence();
    case '\r':
    case '\n':
        return kEntree;
    case 127:
        return kRetourArriere;
    default:
        break;
    }
    if (octet >= 0x80) {
        return LireUtf8(static_cast<unsigned char>(octet));
    }
    return static_cast<std::uint8_t>(octet);
}

std::uint8_t ConsoleTerminal::LireSequence() {
    const int suivant = LireOctet(kDelaiSequenceMs);
    if (suivant < 0) {
        return kEchap; // a lone Escape
    }
    if (suivant == '[') {
        return LireSequenceCsi();
    }
    if (suivant == 'O') {
        const int lettre = LireOctet(kDelaiSequenceMs);
        if (lettre < 0) {
            octetEnAttente_ = 'O'; // Escape, then "O" typed on its own
            return kEchap;
        }
        const std::uint8_t scan = ScanDeLettre(lettre);
        return scan != 0 ? Etendue(scan) : kEchap;
    }
    // Escape followed by an ordinary key (Alt+key, or Escape twice): the
    // Escape now, the other key at the next read.
    octetEnAttente_ = suivant;
    return kEchap;
}

std::uint8_t ConsoleTerminal::LireSequenceCsi() {
    int octet = LireOctet(kDelaiSequenceMs);
    if (octet == '[') {
        // Linux console: F1 to F5 as "ESC [ [ A" to "ESC [ [ E".
        const int lettre = LireOctet(kDelaiSequenceMs);
        if (lettre >= 'A' && lettre <= 'E') {
            return Etendue(static_cast<std::uint8_t>(SCAN_F1 + (lettre - 'A')));
        }
        return kEchap;
    }
    // Parameters (digits and ';'), then intermediates, then one final byte.
    int numero = 0;
    bool premierParametre = true;
    for (int lus = 0; lus < kLongueurSequenceMax; ++lus) {
        if (octet < 0x20 || octet > 0x7E) {
            return kEchap; // cut short or malformed: what was read is dropped
        }
        if (octet >= 0x40) {
            if (octet == '~') {
                const std::uint8_t scan = ScanDeNumero(numero);
                return scan != 0 ? Etendue(scan) : kEchap;
            }
            if (octet == 'Z') {
                return Etendue(SCAN_MAJ_TAB);
            }
            const std::uint8_t scan = ScanDeLettre(octet);
            return scan != 0 ? Etendue(scan) : kEchap;
        }
        if (octet == ';') {
            premierParametre = false;
        } else if (octet >= '0' && octet <= '9' && premierParametre && numero < 1000) {
            numero = numero * 10 + (octet - '0');
        }
        octet = LireOctet(kDelaiSequenceMs);
    }
    return kEchap; // too long to be a key
}

std::uint8_t ConsoleTerminal::LireUtf8(unsigned char premier) {
    std::size_t longueur = 0;
    if ((premier & 0xE0) == 0xC0) {
        longueur = 2;
    } else if ((premier & 0xF0) == 0xE0) {
        longueur = 3;
    } else if ((premier & 0xF8) == 0xF0) {
        longueur = 4;
    } else {
        return '?';
    }
    std::string sequence(1, static_cast<char>(premier));
    while (sequence.size() < longueur) {
        const int suite = LireOctet(kDelaiSequenceMs);
        if (suite < 0) {
            return '?';
        }
        if ((suite & 0xC0) != 0x80) {
            octetEnAttente_ = suite; // the start of the next key
            return '?';
        }
        sequence.push_back(static_cast<char>(suite));
    }
    std::size_t i = 0;
    char32_t point = 0;
    if (!pages::LireUtf8(sequence, i, point)) {
        return '?';
    }
    const int octet = pages::VersOctet(point, pages::kHaut850);
    return octet < 0 ? '?' : static_cast<std::uint8_t>(octet);
}

bool ConsoleTerminal::ToucheEnAttente() {
    if (scanEnAttente_ != 0 || octetEnAttente_ >= 0) {
        return true;
    }
    EntrerModeBrut(); // kept until the next key read ends
    pollfd attente{entree_, POLLIN, 0};
    int pret = 0;
    do {
        pret = ::poll(&attente, 1, 0);
    } while (pret < 0 && errno == EINTR);
    // A hung-up or closed input counts as waiting: its read ends at once.
    return pret != 0;
}

} // namespace terminal
