// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes adjora-cli's CoNLL-U line rewriting with arbitrary lines, the shipped
// lexicons loaded once: a line that is not an accepted ADJ word line comes out
// unchanged, an ADJ line keeps its ten columns and all but three of them, and
// the MISC escaping leaves no line break, tab, '|' or doubled space.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Analyseur.h"
#include "Conllu.h"
#include "Presentateur.h"

namespace {

void Verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string_view Colonne(std::string_view ligne, int rang) {
    for (; rang > 0; --rang) {
        ligne.remove_prefix(ligne.find('\t') + 1);
    }
    return ligne.substr(0, ligne.find('\t'));
}

bool EstAdjectif(std::string_view ligne) {
    return std::count(ligne.begin(), ligne.end(), '\t') == 9 && Colonne(ligne, 3) == "ADJ" &&
           !Colonne(ligne, 0).empty() &&
           Colonne(ligne, 0).find_first_not_of("0123456789") == std::string_view::npos;
}

void VerifierLigne(std::string_view ligne, texte::Analyseur& analyseur) {
    std::string sortie;
    const texte::LigneConllu resultat = texte::TraiterLigneConllu(ligne, analyseur, true, sortie);
    if (!resultat.erreur.empty() || !EstAdjectif(ligne)) {
        Verifier(sortie == ligne);
        return;
    }
    Verifier(std::count(sortie.begin(), sortie.end(), '\t') == 9);
    Verifier(sortie.find('\n') == std::string::npos);
    for (const int rang : {0, 1, 3, 4, 6, 7, 8}) {
        Verifier(Colonne(sortie, rang) == Colonne(ligne, rang));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InstallerPresentateurMuet();
    ChargerLexiquesDuFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static texte::Analyseur analyseur(true);
    std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        VerifierLigne(texte.substr(0, fin), analyseur);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
    }
    const std::string echappe =
        texte::EchapperDivers(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    Verifier(echappe.find_first_of("\n\t|") == std::string::npos);
    Verifier(echappe.find("  ") == std::string::npos && (echappe.empty() || echappe.back() != ' '));
    Verifier(RapportsRecus() == 0);
    return 0;
}
