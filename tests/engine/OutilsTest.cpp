#include "OutilsTest.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

#include "PagesDeCode.h"

std::string En1252(const std::string& utf8) {
    const pages::Conversion1252 conversion = pages::Utf8VersCp1252(utf8);
    EXPECT_TRUE(conversion.utf8Valide && conversion.representable) << utf8;
    return conversion.texte;
}

Resultat Analyser(const std::string& motUtf8) {
    Analyse analyse;
    const std::string mot = En1252(motUtf8);
    const char* explication = AnalyserAdjectif(mot.c_str(), &analyse);
    return {pages::Cp1252VersUtf8(analyse.Mot), analyse.CodeGenre, analyse.CodeNombre, explication};
}

void Remplir(Liste*& liste, std::initializer_list<const char*> mots) {
    if (liste != nullptr) {
        DetruitListeMots(liste);
    }
    liste = CreerListeMots();
    for (const char* mot : mots) {
        InsereMotFin(liste, En1252(mot).c_str());
    }
}

void Remplir(ListeDouble& liste,
             std::initializer_list<std::pair<const char*, const char*>> paires) {
    if (liste.Formes != nullptr) {
        DetruitListeMots(liste.Formes);
    }
    if (liste.Lemmes != nullptr) {
        DetruitListeMots(liste.Lemmes);
    }
    liste.Formes = CreerListeMots();
    liste.Lemmes = CreerListeMots();
    for (const auto& [forme, lemme] : paires) {
        InsereMotFin(liste.Formes, En1252(forme).c_str());
        InsereMotFin(liste.Lemmes, En1252(lemme).c_str());
    }
}

std::vector<std::string> Mots(Liste* liste) {
    std::vector<std::string> mots;
    if (liste == nullptr) {
        return mots;
    }
    for (Position p = 1; p <= NbElements(liste); ++p) {
        mots.push_back(pages::Cp1252VersUtf8(MotPos(liste, p)));
    }
    return mots;
}

EnregistreurRapports::EnregistreurRapports() {
    precedent_ = InstallerPresentateur([this](const char* rapport, const char*) {
        rapports_.push_back(pages::Cp850VersUtf8(rapport));
        return 1;
    });
}

EnregistreurRapports::~EnregistreurRapports() {
    InstallerPresentateur(precedent_);
}

int EnregistreurRapports::compter(const std::string& message, const std::string& module,
                                  const std::string& fonction) const {
    int n = 0;
    for (const std::string& rapport : rapports_) {
        if (rapport.find("* MESSAGE : " + message + "\n") != std::string::npos &&
            rapport.find("* MODULE : " + module + "\n") != std::string::npos &&
            rapport.find("* FONCTION : " + fonction + "\n") != std::string::npos) {
            ++n;
        }
    }
    return n;
}

DossierTemporaire::DossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "adjora-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        ADD_FAILURE() << "mkdtemp";
    }
    chemin_ = modele;
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code erreur;
    std::filesystem::remove_all(chemin_, erreur);
}

std::string DossierTemporaire::ecrire850(const std::string& nom,
                                         const std::string& texteUtf8) const {
    std::string octets;
    for (char c : En1252(texteUtf8)) {
        octets += pages::Cp1252VersCp850(c);
    }
    return ecrireOctets(nom, octets);
}

std::string DossierTemporaire::ecrireOctets(const std::string& nom,
                                            const std::string& octets) const {
    const std::filesystem::path fichier = chemin_ / nom;
    std::ofstream(fichier, std::ios::binary) << octets;
    return fichier.string();
}

DansDossier::DansDossier(const std::filesystem::path& dossier)
    : precedent_(std::filesystem::current_path()) {
    std::filesystem::current_path(dossier);
}

DansDossier::~DansDossier() {
    std::filesystem::current_path(precedent_);
}
