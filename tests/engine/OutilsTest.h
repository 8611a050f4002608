// Helpers shared by the engine tests: lexicons filled by hand, a recording
// error presenter, temporary directories and code page 850 files.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "Lemmatiseur.h"
#include "MessageErreur.h"

// Result of one whole analysis, the lemma converted back to UTF-8.
struct Resultat {
    std::string lemme;
    int genre;
    int nombre;
    std::string explication; // Windows-1252, as the engine wrote it
};

// Analyses a UTF-8 word (converted to Windows-1252 first).
Resultat Analyser(const std::string& motUtf8);

// Windows-1252 of a UTF-8 text (the test fails on an unrepresentable character).
std::string En1252(const std::string& utf8);

// Replaces a lexicon's content with the given UTF-8 words.
void Remplir(Liste*& liste, std::initializer_list<const char*> mots);
void Remplir(ListeDouble& liste, std::initializer_list<std::pair<const char*, const char*>> paires);

// The words of a list, converted to UTF-8 (an absent list gives none).
std::vector<std::string> Mots(Liste* liste);

// Records every report while alive, then puts the previous presenter back.
class EnregistreurRapports {
  public:
    EnregistreurRapports();
    ~EnregistreurRapports();
    EnregistreurRapports(const EnregistreurRapports&) = delete;
    EnregistreurRapports& operator=(const EnregistreurRapports&) = delete;

    // The reports, converted to UTF-8.
    const std::vector<std::string>& rapports() const { return rapports_; }
    // How many reports carry this message, module and function (UTF-8).
    int compter(const std::string& message, const std::string& module,
                const std::string& fonction) const;

  private:
    std::vector<std::string> rapports_;
    PresentateurErreur precedent_;
};

// A fresh temporary directory, removed with its content at the end.
class DossierTemporaire {
  public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    // Writes a UTF-8 text into a file of this directory, encoded in code page 850.
    std::string ecrire850(const std::string& nom, const std::string& texteUtf8) const;
    // Writes raw bytes into a file of this directory.
    std::string ecrireOctets(const std::string& nom, const std::string& octets) const;

  private:
    std::filesystem::path chemin_;
};

// Runs in another current directory while alive.
class DansDossier {
  public:
    explicit DansDossier(const std::filesystem::path& dossier);
    ~DansDossier();
    DansDossier(const DansDossier&) = delete;
    DansDossier& operator=(const DansDossier&) = delete;

  private:
    std::filesystem::path precedent_;
};
