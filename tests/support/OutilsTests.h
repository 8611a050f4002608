// Helpers shared by the support tests: a report recorder and an allocator
// that can be made to fail.
#pragma once

#include "ChVar.h"
#include "MessageErreur.h"

#include <cstdlib>
#include <string>
#include <vector>

// One report as the presenter received it, with its three fields recovered
// from the composed text.
struct RapportRecu {
    std::string texte;
    std::string titre;
    std::string message;
    std::string module;
    std::string fonction;
};

inline std::string Entre(const std::string& texte, const std::string& debut,
                         const std::string& fin) {
    const auto a = texte.find(debut);
    if (a == std::string::npos) {
        return "<absent>";
    }
    const auto b = texte.find(fin, a + debut.size());
    return texte.substr(a + debut.size(),
                        b == std::string::npos ? std::string::npos : b - a - debut.size());
}

// Installs itself as the presenter for its lifetime and keeps every report.
class Enregistreur {
  public:
    explicit Enregistreur(int reponse = 1) {
        precedent_ = InstallerPresentateur([this, reponse](const char* rapport, const char* titre) {
            RapportRecu r;
            r.texte = rapport;
            r.titre = titre;
            r.message = Entre(r.texte, "* MESSAGE : ", "\n* MODULE : ");
            r.module = Entre(r.texte, "\n* MODULE : ", "\n* FONCTION : ");
            r.fonction = Entre(r.texte, "\n* FONCTION : ", "\n\n");
            rapports.push_back(r);
            return reponse;
        });
    }
    ~Enregistreur() { InstallerPresentateur(precedent_); }
    Enregistreur(const Enregistreur&) = delete;
    Enregistreur& operator=(const Enregistreur&) = delete;

    std::size_t Nombre() const { return rapports.size(); }
    const RapportRecu& Dernier() const { return rapports.back(); }

    std::vector<RapportRecu> rapports;

  private:
    PresentateurErreur precedent_;
};

// Allocator that grants a given number of requests, then fails.
inline int& AllocationsPermises() {
    static int permises = 0;
    return permises;
}

inline void* AllocationLimitee(std::size_t taille) {
    if (AllocationsPermises() <= 0) {
        return nullptr;
    }
    --AllocationsPermises();
    return std::malloc(taille);
}

class AllocateurDefaillant {
  public:
    explicit AllocateurDefaillant(int permises) {
        AllocationsPermises() = permises;
        precedent_ = DefinirAllocateur(AllocationLimitee);
    }
    ~AllocateurDefaillant() { DefinirAllocateur(precedent_); }
    AllocateurDefaillant(const AllocateurDefaillant&) = delete;
    AllocateurDefaillant& operator=(const AllocateurDefaillant&) = delete;

  private:
    Allocateur precedent_ = nullptr;
};
