// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the support tests: a report recorder and an allocator
// that can be made to fail.
#pragma once

#include "ChVar.h"
#include "MessageErreur.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// One report as the presenter received it, with its three fields recovered
// from the composed text.
struct RapportRecu {
    explicit RapportRecu(const std::string& rapport, const std::string& legende)
        : texte(rapport), titre(legende), message(Entre("* MESSAGE : ", "\n* MODULE : ")),
          module(Entre("\n* MODULE : ", "\n* FONCTION : ")),
          fonction(Entre("\n* FONCTION : ", "\n\n")) {}

    std::string Entre(const std::string& debut, const std::string& fin) const {
        const auto a = texte.find(debut);
        const auto b = texte.find(fin, a + debut.size());
        return a == std::string::npos ? "<absent>"
                                      : texte.substr(a + debut.size(), b - a - debut.size());
    }

    std::string texte, titre, message, module, fonction;
};

// Installs itself as the presenter for its lifetime and keeps every report.
class Enregistreur {
  public:
    explicit Enregistreur(int reponse = 1) {
        precedent_ = InstallerPresentateur([this, reponse](const char* rapport, const char* titre) {
            rapports.emplace_back(rapport, titre);
            return reponse;
        });
    }
    ~Enregistreur() { InstallerPresentateur(precedent_); }
    Enregistreur(const Enregistreur&) = delete;
    Enregistreur& operator=(const Enregistreur&) = delete;

    std::size_t Nombre() const { return rapports.size(); }
    const RapportRecu& Dernier() const { return rapports.back(); }

    // Checks that exactly `nombre` reports came, each with these three texts.
    void Attendre(std::size_t nombre, const std::string& message, const std::string& module,
                  const std::string& fonction) const {
        ASSERT_EQ(Nombre(), nombre);
        for (const RapportRecu& r : rapports) {
            EXPECT_EQ(r.message, message);
            EXPECT_EQ(r.module, module);
            EXPECT_EQ(r.fonction, fonction);
        }
    }

    std::vector<RapportRecu> rapports;

  private:
    PresentateurErreur precedent_;
};

// Replaces the support library's heap for its lifetime: grants a given
// number of requests, then fails.
class AllocateurDefaillant {
  public:
    explicit AllocateurDefaillant(int permises) : precedent_(DefinirAllocateur(Allocation)) {
        Permises() = permises;
    }
    ~AllocateurDefaillant() { DefinirAllocateur(precedent_); }
    AllocateurDefaillant(const AllocateurDefaillant&) = delete;
    AllocateurDefaillant& operator=(const AllocateurDefaillant&) = delete;

  private:
    static int& Permises() {
        static int permises = 0;
        return permises;
    }
    static void* Allocation(std::size_t taille) {
        return Permises()-- > 0 ? std::malloc(taille) : nullptr;
    }
    Allocateur precedent_;
};
