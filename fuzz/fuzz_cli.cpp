// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes adjora-cli as a whole (cli::Executer, the shipped lexicons loaded
// each time) on arbitrary standard input; the input's first byte chooses the
// mode. In word mode (with or without --formes or --regles, TSV or JSON Lines) every
// non-blank line gets an answer or a refusal that names it; with --conllu
// --explication the output has as many lines as the input.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "AdjoraConfig.h"
#include "Mots.h"
#include "Presentateur.h"
#include "Programme.h"

namespace {

void Verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t Lignes(std::string_view texte) {
    const auto sauts = static_cast<std::size_t>(std::count(texte.begin(), texte.end(), '\n'));
    return sauts + (!texte.empty() && texte.back() != '\n' ? 1 : 0);
}

// The lines that are not blank, a byte order mark opening the input aside.
std::size_t LignesNonVides(std::string_view texte) {
    if (texte.starts_with("\xEF\xBB\xBF")) {
        texte.remove_prefix(3);
    }
    std::size_t n = 0;
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        n += texte::Rogner(texte.substr(0, fin)).empty() ? 0 : 1;
        texte.remove_prefix(std::min(fin + 1, texte.size()));
    }
    return n;
}

// The refusals among the notices: each names its line.
std::size_t Refus(const std::string& erreurs) {
    std::istringstream lignes(erreurs);
    std::size_t n = 0;
    for (std::string ligne; std::getline(lignes, ligne);) {
        Verifier(ligne.starts_with("adjora-cli : ligne "));
        n += ligne.ends_with("premiers sont analysés") ? 0 : 1;
    }
    return n;
}

// Standard input: a file in memory holding the text.
int Entree(std::string_view texte) {
    const int descripteur = memfd_create("entree", MFD_CLOEXEC);
    Verifier(descripteur >= 0);
    Verifier(write(descripteur, texte.data(), texte.size()) == static_cast<ssize_t>(texte.size()));
    Verifier(lseek(descripteur, 0, SEEK_SET) == 0);
    return descripteur;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InstallerPresentateurMuet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) {
        return 0;
    }
    const std::string_view texte(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
    cli::Options options;
    const char* lexiques = std::getenv("ADJORA_FUZZ_DONNEES");
    options.lexiques = lexiques != nullptr ? lexiques : ADJORA_DONNEES_BUILD;
    options.conllu = (donnees[0] & 1) != 0;
    options.formes = !options.conllu && (donnees[0] & 2) != 0;
    if ((donnees[0] & 4) != 0) {
        options.format = cli::Format::Jsonl;
    }
    options.explication = options.conllu || (donnees[0] & 8) != 0;
    options.regles = (donnees[0] & 16) != 0;
    const int entree = Entree(texte);
    std::ostringstream sortie;
    std::ostringstream erreurs;
    const int statut = cli::Executer(options, entree, sortie, erreurs);
    close(entree);
    Verifier(statut == cli::SORTIE_SUCCES || statut == cli::SORTIE_MOT_REFUSE);
    Verifier(RapportsRecus() == 0);
    if (options.conllu) {
        Verifier(Lignes(sortie.str()) == Lignes(texte));
    } else {
        Verifier(Lignes(sortie.str()) + Refus(erreurs.str()) == LignesNonVides(texte));
    }
    return 0;
}
