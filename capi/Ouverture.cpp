// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening, reloading and closing handles. The engine keeps one set of
// lexicons per process: every handle open at a time shares the one folder
// loaded, and a handle on another folder is refused rather than mixed in.
#include <dlfcn.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <new>

#include "AdjoraConfig.h"
#include "DossierDonnees.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "Paradigmes.h"
#include "Poignee.h"

namespace {

namespace fs = std::filesystem;

// The lexicons of the process, and who uses them.
struct Lexiques {
    std::mutex verrou;
    std::string dossier; // empty when nothing is loaded
    std::size_t poignees = 0;
    std::vector<RapportLexique> rapports; // those of the last load
};

Lexiques& Partages() {
    static Lexiques lexiques;
    return lexiques;
}

// The installed data folder beside the library itself, else the source tree's.
std::string DossierParDefaut() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&adjora_version), &info) != 0 && info.dli_fname != nullptr) {
        // The library's real place: the loader may name it through a link
        // (/lib -> usr/lib on Debian).
        std::error_code erreur;
        const fs::path bibliotheque = fs::weakly_canonical(info.dli_fname, erreur);
        const auto installe = dossiers::DossierDonneesPres(
            erreur ? fs::path(info.dli_fname) : bibliotheque, ADJORA_DONNEES_DEPUIS_BIBLIOTHEQUE);
        if (installe) {
            return *installe;
        }
    }
    return ADJORA_DONNEES_BUILD;
}

// The canonical path of the folder to load, or an empty one when it holds no lexicon.
std::string Resoudre(const char* dossier) {
    const std::string demande = dossier != nullptr ? dossier : DossierParDefaut();
    std::error_code erreur;
    const fs::path chemin = fs::canonical(demande, erreur);
    if (erreur || !fs::is_directory(chemin, erreur) || !dossiers::ContientLexiques(chemin)) {
        return {};
    }
    return chemin.string();
}

// Loads the eight lexicons and, when the folder has one, the paradigm
// lexicon, collecting the reports instead of showing them.
void Charger(Lexiques& lexiques, const std::string& dossier) {
    lexiques.rapports.clear();
    lexiques.dossier.clear();
    std::vector<RapportLexique>& rapports = lexiques.rapports;
    const CaptureRapports capture(
        [&rapports](const std::string& fichier, const std::string& message) {
            rapports.push_back({fichier, message});
        });
    try {
        ChargerExceptions(dossier.c_str());
        std::error_code erreur;
        if (fs::exists(fs::path(dossier) / FICHIER_PARADIGMES, erreur)) {
            ChargerParadigmes(FICHIER_PARADIGMES, dossier.c_str());
        } else {
            LibererParadigmes();
        }
    } catch (...) {
        LibererExceptions(); // empty lexicons rather than half of them
        LibererParadigmes();
        lexiques.dossier = dossier;
        throw;
    }
    lexiques.dossier = dossier;
}

void Liberer(Lexiques& lexiques) {
    LibererExceptions();
    LibererParadigmes();
    lexiques.dossier.clear();
    lexiques.rapports.clear();
}

// The reports of a load go to the handle's callback, or are kept in it.
void Remettre(adjora& poignee, std::vector<RapportLexique> rapports) {
    poignee.rapports.clear();
    if (poignee.rappel == nullptr) {
        poignee.rapports = std::move(rapports);
        return;
    }
    for (const RapportLexique& rapport : rapports) {
        poignee.rappel(poignee.contexte, rapport.fichier.c_str(), rapport.message.c_str());
    }
}

adjora_statut Ouvrir(const char* dossier, adjora_rappel rappel, void* contexte, adjora** handle) {
    auto poignee = std::make_unique<adjora>();
    poignee->dossier = Resoudre(dossier);
    poignee->rappel = rappel;
    poignee->contexte = contexte;
    if (poignee->dossier.empty()) {
        return ADJORA_ERREUR_DOSSIER;
    }
    std::vector<RapportLexique> rapports;
    {
        Lexiques& lexiques = Partages();
        const std::lock_guard<std::mutex> verrou(lexiques.verrou);
        if (lexiques.poignees > 0 && lexiques.dossier != poignee->dossier) {
            return ADJORA_ERREUR_OCCUPE;
        }
        if (lexiques.poignees == 0) {
            Charger(lexiques, poignee->dossier);
        }
        ++lexiques.poignees;
        rapports = lexiques.rapports;
    }
    // Outside the lock: a callback may open another handle.
    Remettre(*poignee, std::move(rapports));
    *handle = poignee.release();
    return ADJORA_OK;
}

adjora_statut Recharger(adjora* handle) {
    std::vector<RapportLexique> rapports;
    {
        Lexiques& lexiques = Partages();
        const std::lock_guard<std::mutex> verrou(lexiques.verrou);
        if (lexiques.poignees > 1) {
            return ADJORA_ERREUR_OCCUPE; // other handles read these lexicons
        }
        Charger(lexiques, handle->dossier);
        rapports = lexiques.rapports;
    }
    Remettre(*handle, std::move(rapports));
    return ADJORA_OK;
}

} // namespace

extern "C" {

adjora_statut adjora_ouvrir(const char* dossier, adjora_rappel rappel, void* contexte,
                            adjora** handle) {
    if (handle == nullptr) {
        return ADJORA_ERREUR_ARGUMENT;
    }
    *handle = nullptr;
    try {
        return Ouvrir(dossier, rappel, contexte, handle);
    } catch (...) {
        return ADJORA_ERREUR_MEMOIRE;
    }
}

adjora_statut adjora_recharger(adjora* handle) {
    if (handle == nullptr) {
        return ADJORA_ERREUR_ARGUMENT;
    }
    try {
        return Recharger(handle);
    } catch (...) {
        return ADJORA_ERREUR_MEMOIRE;
    }
}

void adjora_fermer(adjora* handle) {
    if (handle == nullptr) {
        return;
    }
    Lexiques& lexiques = Partages();
    {
        const std::lock_guard<std::mutex> verrou(lexiques.verrou);
        if (lexiques.poignees > 0 && --lexiques.poignees == 0) {
            Liberer(lexiques);
        }
    }
    delete handle;
}

size_t adjora_nb_rapports(const adjora* handle) {
    return handle != nullptr ? handle->rapports.size() : 0;
}

adjora_statut adjora_rapport(const adjora* handle, size_t i, const char** fichier,
                             const char** message) {
    if (handle == nullptr || fichier == nullptr || message == nullptr ||
        i >= handle->rapports.size()) {
        return ADJORA_ERREUR_ARGUMENT;
    }
    *fichier = handle->rapports[i].fichier.c_str();
    *message = handle->rapports[i].message.c_str();
    return ADJORA_OK;
}

} // extern "C"
