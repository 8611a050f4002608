// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the test suites: case files, a report recorder, a failing
// allocator, temporary directories, whole analyses.
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

inline std::string Lire(const std::filesystem::path& chemin) {
    std::ostringstream contenu;
    contenu << std::ifstream(chemin, std::ios::binary).rdbuf();
    return contenu.str();
}

// The rows of a tab-separated case file, without blank lines and # comments.
inline std::vector<std::vector<std::string>> LireCas(const std::filesystem::path& chemin) {
    std::vector<std::vector<std::string>> lignes;
    std::istringstream flux(Lire(chemin));
    for (std::string ligne; std::getline(flux, ligne);) {
        std::istringstream champs(ligne);
        lignes.emplace_back();
        for (std::string champ; std::getline(champs, champ, '\t');) {
            lignes.back().push_back(champ);
        }
        if (ligne.empty() || ligne[0] == '#') {
            lignes.pop_back();
        } else if (ligne.back() == '\t') {
            lignes.back().emplace_back();
        }
    }
    EXPECT_FALSE(lignes.empty()) << chemin;
    return lignes;
}

// Windows-1252 of a UTF-8 text (the test fails on an unrepresentable character).
inline std::string En1252(const std::string& utf8) {
    const pages::Conversion1252 conversion = pages::Utf8VersCp1252(utf8);
    EXPECT_TRUE(conversion.utf8Valide && conversion.representable) << utf8;
    return conversion.texte;
}

// One whole analysis of a UTF-8 word, results in UTF-8.
struct Resultat {
    std::string lemme;
    int genre, nombre;
    std::string explication;
};

inline Resultat Analyser(const std::string& motUtf8) {
    Analyse a;
    const std::string explication = AnalyserAdjectif(En1252(motUtf8).c_str(), &a);
    return {pages::Cp1252VersUtf8(a.Mot), a.CodeGenre, a.CodeNombre,
            pages::Cp1252VersUtf8(explication)};
}

inline std::vector<std::string> Mots(Liste* liste) {
    std::vector<std::string> mots;
    for (Position p = 1; p <= NbElements(liste); ++p) {
        mots.push_back(pages::Cp1252VersUtf8(MotPos(liste, p)));
    }
    return mots;
}

// Every lexicon is empty (null) before and after each test.
class SansLexiques : public ::testing::Test {
  protected:
    void SetUp() override { LibererExceptions(); }
    void TearDown() override { LibererExceptions(); }
};

// Records every report while alive, as "message<TAB>module<TAB>routine" in
// UTF-8, the message escaped.
class EnregistreurRapports {
  public:
    EnregistreurRapports()
        : precedent_(InstallerPresentateur([this](const char* rapport, const char*) {
              const std::string r = pages::Cp850VersUtf8(rapport);
              const auto champ = [&r](const std::string& debut, const std::string& fin) {
                  const auto a = r.find(debut) + debut.size();
                  return r.substr(a, r.find(fin, a) - a);
              };
              rapports_.push_back(Echapper(champ("* MESSAGE : ", "\n* MODULE : ")) + "\t" +
                                  champ("* MODULE : ", "\n") + "\t" + champ("* FONCTION : ", "\n"));
              return 1;
          })) {}
    ~EnregistreurRapports() { InstallerPresentateur(precedent_); }
    const std::vector<std::string>& rapports() const { return rapports_; }
    std::string texte() const {
        std::string t;
        for (const std::string& r : rapports_) {
            t += r + "\n";
        }
        return t;
    }
    int compter(const std::string& message, const std::string& module, const std::string& f) const {
        return static_cast<int>(std::count(rapports_.begin(), rapports_.end(),
                                           Echapper(message) + "\t" + module + "\t" + f));
    }

  private:
    std::vector<std::string> rapports_;
    PresentateurErreur precedent_;
};

// The support library's heap while alive: grants `permises` requests, then fails.
class AllocateurDefaillant {
  public:
    explicit AllocateurDefaillant(int permises) : precedent_(DefinirAllocateur(Allouer)) {
        Reste() = permises;
    }
    ~AllocateurDefaillant() { DefinirAllocateur(precedent_); }

  private:
    static int& Reste() {
        static int reste = 0;
        return reste;
    }
    static void* Allouer(std::size_t taille) {
        return Reste()-- > 0 ? std::malloc(taille) : nullptr;
    }
    Allocateur precedent_;
};

// A fresh temporary directory, removed with its content at the end.
class DossierTemporaire {
  public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "adjora-XXXXXX").string();
        chemin_ = mkdtemp(modele.data());
    }
    ~DossierTemporaire() { std::filesystem::remove_all(chemin_); }
    const std::filesystem::path& chemin() const { return chemin_; }
    std::string ecrireOctets(const std::string& nom, const std::string& octets) const {
        std::ofstream(chemin_ / nom, std::ios::binary) << octets;
        return (chemin_ / nom).string();
    }
    std::string ecrire850(const std::string& nom, const std::string& texteUtf8) const {
        std::string octets = En1252(texteUtf8);
        std::transform(octets.begin(), octets.end(), octets.begin(),
                       [](char c) { return pages::Cp1252VersCp850(c); });
        return ecrireOctets(nom, octets);
    }
    std::string lire(const std::string& nom) const { return Lire(chemin_ / nom); }

  private:
    std::filesystem::path chemin_;
};

// Runs in another current directory while alive.
class DansDossier {
  public:
    explicit DansDossier(const std::filesystem::path& d) : avant_(std::filesystem::current_path()) {
        std::filesystem::current_path(d);
    }
    ~DansDossier() { std::filesystem::current_path(avant_); }

  private:
    std::filesystem::path avant_;
};
