// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the test suites: case files, a report recorder, a failing
// allocator, temporary directories, lexicon loading, whole analyses.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "ChVar.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

// Line feeds, carriage returns and tabs written \n, \r and \t, as case files hold them.
inline std::string Echapper(const std::string& texte) {
    std::string sortie;
    for (char c : texte) {
        sortie += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
    }
    return sortie;
}

// The whole file; a file that cannot be opened fails the test.
inline std::string Lire(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    EXPECT_TRUE(fichier.is_open()) << "cannot read " << chemin;
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

// The rows of a tab-separated case file, without blank lines and # comments. A file
// without rows, or a row without `colonnes` fields (then skipped), fails the test.
inline std::vector<std::vector<std::string>> LireCas(const std::filesystem::path& chemin,
                                                     std::size_t colonnes) {
    std::vector<std::vector<std::string>> lignes;
    std::istringstream flux(Lire(chemin));
    for (std::string ligne; std::getline(flux, ligne);) {
        std::istringstream champs(ligne + "\t"); // a last empty field is kept
        std::vector<std::string> cas;
        for (std::string champ; std::getline(champs, champ, '\t');) {
            cas.push_back(champ);
        }
        const bool commentaire = ligne.empty() || ligne[0] == '#';
        EXPECT_TRUE(commentaire || cas.size() == colonnes)
            << chemin << ": a row without " << colonnes << " columns: " << ligne;
        if (!commentaire && cas.size() == colonnes) {
            lignes.push_back(cas);
        }
    }
    EXPECT_FALSE(lignes.empty()) << chemin << " holds no case";
    return lignes;
}

// Windows-1252 (the test fails on an unrepresentable character), then code page 850, of UTF-8.
inline std::string En1252(const std::string& utf8) {
    const pages::Conversion1252 conversion = pages::Utf8VersCp1252(utf8);
    EXPECT_TRUE(conversion.utf8Valide && conversion.representable) << utf8;
    return conversion.texte;
}
inline std::string En850(const std::string& utf8) {
    std::string octets = En1252(utf8);
    std::transform(octets.begin(), octets.end(), octets.begin(),
                   [](char c) { return pages::Cp1252VersCp850(c); });
    return octets;
}

// One whole analysis of a UTF-8 word, results in UTF-8.
struct Resultat {
    std::string lemme;
    int genre;
    int nombre;
    std::string explication;
    std::string regles;
    std::string texte() const { // lemma|gender|number|explanation escaped
        return lemme + "|" + std::to_string(genre) + "|" + std::to_string(nombre) + "|" +
               Echapper(explication);
    }
};

inline Resultat Analyser(const std::string& motUtf8) {
    Analyse a;
    const std::string explication = AnalyserAdjectif(En1252(motUtf8).c_str(), &a);
    return {pages::Cp1252VersUtf8(a.Mot), a.CodeGenre, a.CodeNombre,
            pages::Cp1252VersUtf8(explication), BufRegles};
}

inline std::vector<std::string> Mots(Liste* liste) {
    std::vector<std::string> mots;
    for (Position p = 1; p <= NbElements(liste); ++p) {
        mots.push_back(pages::Cp1252VersUtf8(MotPos(liste, p)));
    }
    return mots;
}

// Every lexicon list, named by its file's letter.
inline std::vector<std::pair<std::string, Liste*>> Listes() {
    return {{"A", ListeA},        {"B", ListeB},        {"C", ListeC.Formes}, {"C", ListeC.Lemmes},
            {"D", ListeD},        {"E", ListeE.Formes}, {"E", ListeE.Lemmes}, {"F", ListeF},
            {"G", ListeG.Formes}, {"G", ListeG.Lemmes}, {"H", ListeH}};
}

// Every lexicon is empty (null) before and after each test.
struct SansLexiques : ::testing::Test {
    void SetUp() override { LibererExceptions(); }
    void TearDown() override { LibererExceptions(); }
};

// Records every report while alive, one "message<TAB>module<TAB>routine" line
// each in UTF-8, the message escaped; a report that names a file adds its
// name (and the reason given).
struct EnregistreurRapports {
    EnregistreurRapports()
        : precedent(InstallerPresentateur([this](const char* rapport, const char*) {
              const std::string r = pages::Cp850VersUtf8(rapport);
              EXPECT_TRUE(r.ends_with("\nMerci !")) << "a report cut short: " << r;
              const auto champ = [&r](const std::string& debut, const std::string& fin) {
                  const auto a = r.find(debut) + debut.size();
                  return r.substr(a, r.find(fin, a) - a);
              };
              texte += Echapper(champ("* MESSAGE : ", "\n* MODULE : ")) + "\t" +
                       champ("* MODULE : ", "\n") + "\t" + champ("* FONCTION : ", "\n");
              if (r.find("* FICHIER : ") != std::string::npos) {
                  const std::string fichier = champ("* FICHIER : ", "\n");
                  texte += "\t" + fichier.substr(fichier.rfind('/') + 1);
              }
              texte += "\n";
              return 1;
          })) {}
    ~EnregistreurRapports() { InstallerPresentateur(precedent); }
    std::string texte;
    const PresentateurErreur precedent;
};

// The support library's heap while alive: grants `restantes` more requests, then fails.
struct AllocateurDefaillant {
    explicit AllocateurDefaillant(int permises)
        : precedent(DefinirAllocateur(
              [](std::size_t t) { return restantes-- > 0 ? std::malloc(t) : nullptr; })) {
        restantes = permises;
    }
    ~AllocateurDefaillant() { DefinirAllocateur(precedent); }
    static inline int restantes = 0;
    const Allocateur precedent;
};

// A fresh temporary directory, removed with its content at the end.
struct DossierTemporaire {
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "adjora-XXXXXX").string();
        chemin = mkdtemp(modele.data());
    }
    ~DossierTemporaire() { std::filesystem::remove_all(chemin); }
    std::string ecrire(const std::string& nom, const std::string& octets) const {
        std::ofstream(chemin / nom, std::ios::binary) << octets;
        return (chemin / nom).string();
    }
    std::filesystem::path chemin;
};

// Runs in another current directory while alive.
struct DansDossier {
    explicit DansDossier(const std::filesystem::path& d) : avant(std::filesystem::current_path()) {
        std::filesystem::current_path(d);
    }
    ~DansDossier() { std::filesystem::current_path(avant); }
    const std::filesystem::path avant;
};

// Loads the lexicons of a folder in place of any others; returns the reports shown.
inline std::string ChargerLexiques(const std::filesystem::path& dossier) {
    LibererExceptions();
    EnregistreurRapports rapports;
    DansDossier dans(dossier);
    ChargerExceptions();
    return rapports.texte;
}
