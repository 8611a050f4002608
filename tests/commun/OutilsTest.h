// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the engine, command-line and lexicon tests: whole
// analyses, lexicons filled by hand, a recording error presenter, temporary
// directories holding code page 850 files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

// Windows-1252 of a UTF-8 text (the test fails on an unrepresentable character).
inline std::string En1252(const std::string& utf8) {
    const pages::Conversion1252 conversion = pages::Utf8VersCp1252(utf8);
    EXPECT_TRUE(conversion.utf8Valide && conversion.representable) << utf8;
    return conversion.texte;
}

// One whole analysis of a UTF-8 word: the lemma back in UTF-8, the
// explanation as the engine wrote it (Windows-1252).
struct Resultat {
    std::string lemme;
    int genre;
    int nombre;
    std::string explication;
};

inline Resultat Analyser(const std::string& motUtf8) {
    Analyse analyse;
    const char* explication = AnalyserAdjectif(En1252(motUtf8).c_str(), &analyse);
    return {pages::Cp1252VersUtf8(analyse.Mot), analyse.CodeGenre, analyse.CodeNombre, explication};
}

// Destroys a list (or a pair of lists) and leaves it null.
inline void Detruire(Liste*& liste) {
    DetruitListeMots(liste);
    liste = nullptr;
}

inline void Detruire(ListeDouble& liste) {
    Detruire(liste.Formes);
    Detruire(liste.Lemmes);
}

// Replaces a lexicon's content with the given UTF-8 words.
inline void Remplir(Liste*& liste, std::initializer_list<const char*> mots) {
    Detruire(liste);
    liste = CreerListeMots();
    for (const char* mot : mots) {
        InsereMotFin(liste, En1252(mot).c_str());
    }
}

inline void Remplir(ListeDouble& liste,
                    std::initializer_list<std::pair<const char*, const char*>> paires) {
    Remplir(liste.Formes, {});
    Remplir(liste.Lemmes, {});
    for (const auto& [forme, lemme] : paires) {
        InsereMotFin(liste.Formes, En1252(forme).c_str());
        InsereMotFin(liste.Lemmes, En1252(lemme).c_str());
    }
}

// The words of a list in UTF-8 (a null list gives none).
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

// Records every report (converted to UTF-8) while alive.
class EnregistreurRapports {
  public:
    EnregistreurRapports()
        : precedent_(InstallerPresentateur([this](const char* rapport, const char*) {
              rapports_.push_back(pages::Cp850VersUtf8(rapport));
              return 1;
          })) {}
    ~EnregistreurRapports() { InstallerPresentateur(precedent_); }
    EnregistreurRapports(const EnregistreurRapports&) = delete;
    EnregistreurRapports& operator=(const EnregistreurRapports&) = delete;

    const std::vector<std::string>& rapports() const { return rapports_; }

    // How many reports carry this message, module and function (UTF-8).
    int compter(const std::string& message, const std::string& module,
                const std::string& fonction) const {
        int n = 0;
        for (const std::string& r : rapports_) {
            n += r.find("* MESSAGE : " + message + "\n") != std::string::npos &&
                 r.find("* MODULE : " + module + "\n") != std::string::npos &&
                 r.find("* FONCTION : " + fonction + "\n") != std::string::npos;
        }
        return n;
    }

  private:
    std::vector<std::string> rapports_;
    PresentateurErreur precedent_;
};

// A fresh temporary directory, removed with its content at the end.
class DossierTemporaire {
  public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "adjora-XXXXXX").string();
        EXPECT_NE(mkdtemp(modele.data()), nullptr);
        chemin_ = modele;
    }
    ~DossierTemporaire() {
        std::error_code erreur;
        std::filesystem::remove_all(chemin_, erreur);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }

    // Writes bytes into a file of this directory; returns the file's path.
    std::string ecrireOctets(const std::string& nom, const std::string& octets) const {
        std::ofstream(chemin_ / nom, std::ios::binary) << octets;
        return (chemin_ / nom).string();
    }
    // Writes a UTF-8 text encoded in code page 850.
    std::string ecrire850(const std::string& nom, const std::string& texteUtf8) const {
        std::string octets = En1252(texteUtf8);
        for (char& c : octets) {
            c = pages::Cp1252VersCp850(c);
        }
        return ecrireOctets(nom, octets);
    }
    std::string lire(const std::string& nom) const {
        std::ostringstream contenu;
        contenu << std::ifstream(chemin_ / nom, std::ios::binary).rdbuf();
        return contenu.str();
    }

  private:
    std::filesystem::path chemin_;
};

// Runs in another current directory while alive.
class DansDossier {
  public:
    explicit DansDossier(const std::filesystem::path& dossier)
        : precedent_(std::filesystem::current_path()) {
        std::filesystem::current_path(dossier);
    }
    ~DansDossier() { std::filesystem::current_path(precedent_); }
    DansDossier(const DansDossier&) = delete;
    DansDossier& operator=(const DansDossier&) = delete;

  private:
    std::filesystem::path precedent_;
};
