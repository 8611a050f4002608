// Helpers shared by the test suites: case files, a report recorder, a failing
// allocator, temporary directories, whole analyses.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ChVar.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

// Writes line feeds, carriage returns and tabs as \n, \r and \t, the way case files hold them.
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

// The rows of a tab-separated case file; blank lines and lines starting with # are skipped.
inline std::vector<std::vector<std::string>> LireCas(const std::filesystem::path& chemin) {
    std::vector<std::vector<std::string>> lignes;
    std::istringstream flux(Lire(chemin));
    for (std::string ligne; std::getline(flux, ligne);) {
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        std::vector<std::string> champs(1);
        for (char c : ligne) {
            if (c == '\t') {
                champs.emplace_back();
            } else {
                champs.back().push_back(c);
            }
        }
        lignes.push_back(champs);
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
    int genre;
    int nombre;
    std::string explication;
};

inline Resultat Analyser(const std::string& motUtf8) {
    Analyse analyse;
    const char* explication = AnalyserAdjectif(En1252(motUtf8).c_str(), &analyse);
    return {pages::Cp1252VersUtf8(analyse.Mot), analyse.CodeGenre, analyse.CodeNombre,
            pages::Cp1252VersUtf8(explication)};
}

// The words of a list in UTF-8.
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
// UTF-8 with line feeds and tabs escaped.
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
    EnregistreurRapports(const EnregistreurRapports&) = delete;
    EnregistreurRapports& operator=(const EnregistreurRapports&) = delete;

    const std::vector<std::string>& rapports() const { return rapports_; }
    std::string texte() const {
        std::string t;
        for (const std::string& r : rapports_) {
            t += r + "\n";
        }
        return t;
    }
    // How many reports carry this message, module and routine (UTF-8).
    int compter(const std::string& message, const std::string& module,
                const std::string& fonction) const {
        return static_cast<int>(std::count(rapports_.begin(), rapports_.end(),
                                           Echapper(message) + "\t" + module + "\t" + fonction));
    }
    void vider() { rapports_.clear(); }

  private:
    std::vector<std::string> rapports_;
    PresentateurErreur precedent_;
};

// Replaces the support library's heap while alive: grants `permises`
// requests, then fails every one.
class AllocateurDefaillant {
  public:
    explicit AllocateurDefaillant(int permises) : precedent_(DefinirAllocateur(Allouer)) {
        Reste() = permises;
    }
    ~AllocateurDefaillant() { DefinirAllocateur(precedent_); }
    AllocateurDefaillant(const AllocateurDefaillant&) = delete;
    AllocateurDefaillant& operator=(const AllocateurDefaillant&) = delete;

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
    std::string lire(const std::string& nom) const { return Lire(chemin_ / nom); }

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
