// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the inflection and the paradigm lexicon. An input whose first byte
// is even is a typed word (an embedded NUL ends it), inflected with the
// shipped lexicons and a small paradigm lexicon; an odd one is the content of
// a paradigm file, loaded, then its first words inflected. The second byte sizes the
// explanation buffer. Every paradigm is checked for terminated, bounded forms
// that all carry an explanation, and the same word must give the same forms.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Caracteres.h"
#include "Flexion.h"
#include "PagesDeCode.h"
#include "Paradigmes.h"
#include "Presentateur.h"

namespace {

std::string cheminTemporaire;
bool paradigmesDesMots = false; // PARADIGMES_MOTS is the paradigm lexicon loaded

void Verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void SupprimerTemporaire() {
    if (!cheminTemporaire.empty()) {
        unlink(cheminTemporaire.c_str());
    }
}

void VerifierParadigme(const Paradigme& p, std::size_t tailleExplication) {
    Verifier(std::memchr(p.Lemme, '\0', TAILLE_MOT) != nullptr);
    for (const CaseParadigme& cas : p.Cases) {
        Verifier(cas.Nb <= MAX_FORMES);
        for (std::size_t i = 0; i < cas.Nb; ++i) {
            Verifier(std::memchr(cas.Formes[i].Mot, '\0', TAILLE_FORME) != nullptr);
            Verifier(cas.Formes[i].Explication != nullptr);
            // Exactly the size asked for on the heap: a write past it is caught.
            std::vector<char> tampon(tailleExplication, '#');
            const std::size_t n = ExpliquerForme(cas.Formes[i], tampon.data(), tampon.size());
            Verifier(n < tailleExplication && tampon[n] == '\0' && std::strlen(tampon.data()) == n);
        }
    }
    Verifier(p.Lemme[0] != '\0' || p.Cases[CASE_MS].Nb == 0);
}

bool Egaux(const Paradigme& a, const Paradigme& b) {
    bool egaux = std::strcmp(a.Lemme, b.Lemme) == 0 && a.Liste == b.Liste;
    for (int c = 0; c < NB_CASES; ++c) {
        egaux = egaux && a.Cases[c].Nb == b.Cases[c].Nb;
        for (std::size_t i = 0; egaux && i < a.Cases[c].Nb; ++i) {
            const FormeFlechie& f = a.Cases[c].Formes[i];
            const FormeFlechie& g = b.Cases[c].Formes[i];
            egaux = std::strcmp(f.Mot, g.Mot) == 0 && f.Explication == g.Explication &&
                    f.Complement == g.Complement;
        }
    }
    return egaux;
}

void Flechir(const std::string& mot, std::size_t tailleExplication) {
    auto premier = std::make_unique<Paradigme>();
    auto second = std::make_unique<Paradigme>();
    FlechirAdjectif(mot.c_str(), premier.get());
    VerifierParadigme(*premier, tailleExplication);
    FlechirAdjectif(mot.c_str(), second.get());
    Verifier(Egaux(*premier, *second));
    Verifier(RapportsRecus() == 0); // inflecting reports nothing
}

// A few entries of each kind, in code page 850, for the word inputs: reloaded
// after a file input, cheaply, so that every input runs on the same lexicon.
const char* const PARADIGMES_MOTS =
    "beau bel - belle - beaux - belles --\n"
    "vieux vieil - vieille - vieux - vieilles --\n"
    "marron - marron marronne - marron marrons - marron marronnes --\n"
    "mûr - mûre mure - mûrs murs - mûres mures --\n"
    "hébreu - - hébreux - --\n"
    "banal - banale - banals banaux - banales --\n"
    "aigu - aiguë aigüe - aigus - aiguës aigües --\n"_cp850;

void EcrireFichier(const void* contenu, std::size_t longueur) {
    std::FILE* f = std::fopen(cheminTemporaire.c_str(), "wb");
    Verifier(f != nullptr);
    Verifier(longueur == 0 || std::fwrite(contenu, 1, longueur, f) == longueur);
    Verifier(std::fclose(f) == 0);
}

void ChargerParadigmesDesMots() {
    if (!paradigmesDesMots) {
        EcrireFichier(PARADIGMES_MOTS, std::strlen(PARADIGMES_MOTS));
        ChargerParadigmes(cheminTemporaire.c_str());
        Verifier(NbParadigmes() == 7 && RapportsRecus() == 0);
        paradigmesDesMots = true;
    }
}

// The content as a paradigm file, then its first words inflected.
void Fichier(const std::uint8_t* contenu, std::size_t longueur, std::size_t tailleExplication) {
    EcrireFichier(contenu, longueur);
    ChargerParadigmes(cheminTemporaire.c_str());
    paradigmesDesMots = false;
    RapportsRecus();
    std::string mot;
    int mots = 0;
    for (std::size_t i = 0; i <= longueur && mots < 8; ++i) {
        if (i < longueur && !EstSeparateur(contenu[i])) {
            mot.push_back(static_cast<char>(contenu[i]));
        } else if (!mot.empty()) {
            Flechir(mot, tailleExplication);
            mot.clear();
            ++mots;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* dossier = std::getenv("TMPDIR");
    std::string modele = std::string(dossier != nullptr ? dossier : "/tmp") + "/adjora-fuzz-XXXXXX";
    const int fd = mkstemp(modele.data());
    Verifier(fd >= 0);
    close(fd);
    cheminTemporaire = modele;
    std::atexit(SupprimerTemporaire);
    InstallerPresentateurMuet();
    ChargerLexiquesDuFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < 2) {
        return 0;
    }
    const std::size_t tailleExplication = 1 + donnees[1] * 2; // 1 to 511 bytes
    if (donnees[0] % 2 == 1) {
        Fichier(donnees + 2, taille - 2, tailleExplication);
        return 0;
    }
    ChargerParadigmesDesMots();
    Flechir(std::string(reinterpret_cast<const char*>(donnees + 2), taille - 2).c_str(),
            tailleExplication);
    return 0;
}
