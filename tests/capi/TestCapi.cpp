// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The C API through the shared library: the statuses of statuts.tsv, then
// what a table cannot hold: null pointers, buffers too small, data folders,
// reports, handles sharing the lexicons, reloading, threads.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AdjoraConfig.h"
#include "OutilsTest.h"
#include "adjora.h"

namespace {

namespace fs = std::filesystem;

struct Fermeture {
    void operator()(adjora* a) const { adjora_fermer(a); }
};
using Poignee = std::unique_ptr<adjora, Fermeture>;

Poignee Ouvrir(const std::string& dossier, adjora_statut attendu = ADJORA_OK) {
    adjora* a = nullptr;
    EXPECT_EQ(adjora_ouvrir(dossier.c_str(), nullptr, nullptr, &a), attendu) << dossier;
    return Poignee(a);
}

const std::map<std::string, adjora_statut> STATUTS = {
    {"ADJORA_OK", ADJORA_OK},
    {"ADJORA_MOT_TRONQUE", ADJORA_MOT_TRONQUE},
    {"ADJORA_PAS_UN_MOT", ADJORA_PAS_UN_MOT},
    {"ADJORA_LIGNE_COPIEE", ADJORA_LIGNE_COPIEE},
    {"ADJORA_ERREUR_UTF8", ADJORA_ERREUR_UTF8},
    {"ADJORA_ERREUR_CARACTERE", ADJORA_ERREUR_CARACTERE},
};

// \t \r \n \\ and \xHH as the bytes they stand for.
std::string Deschapper(const std::string& texte) {
    const std::map<char, char> simples = {{'t', '\t'}, {'r', '\r'}, {'n', '\n'}, {'\\', '\\'}};
    std::string octets;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\\' || i + 1 == texte.size()) {
            octets += texte[i];
        } else if (texte[i + 1] == 'x') {
            octets += static_cast<char>(std::stoi(texte.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            octets += simples.at(texte[i + 1]);
            ++i;
        }
    }
    return octets;
}

std::string Repeter(const std::string& texte, std::size_t fois) {
    std::string entree;
    entree.reserve(texte.size() * fois);
    for (std::size_t i = 0; i < fois; ++i) {
        entree += texte;
    }
    return entree;
}

// The lemma (with "|" and the explanation, if any), or the line written, and
// the status of one call.
std::pair<adjora_statut, std::string> Appeler(const adjora* a, const std::string& appel,
                                              const std::string& entree, unsigned options) {
    if (appel == "analyser") {
        auto resultat = std::make_unique<adjora_analyse>();
        const adjora_statut statut = adjora_analyser(a, entree.c_str(), options, resultat.get());
        std::string reponse = resultat->lemme;
        if (resultat->explication[0] != '\0') {
            reponse += std::string("|") + resultat->explication;
        }
        return {statut, reponse};
    }
    if (appel == "flechir") {
        auto resultat = std::make_unique<adjora_paradigme>();
        const adjora_statut statut = adjora_flechir(a, entree.c_str(), resultat.get());
        return {statut, resultat->lemme};
    }
    // Too small a buffer gets nothing but the size it needs; the next call fits.
    EXPECT_EQ(appel, "conllu") << "unknown call";
    size_t requis = 0;
    EXPECT_EQ(adjora_conllu(a, entree.c_str(), options, nullptr, 0, &requis), ADJORA_ERREUR_TAMPON);
    std::string sortie(requis + 1, '#');
    EXPECT_EQ(adjora_conllu(a, entree.c_str(), options, sortie.data(), requis - 1, &requis),
              ADJORA_ERREUR_TAMPON);
    EXPECT_EQ(sortie.find_first_not_of('#'), std::string::npos) << "written in too small a buffer";
    const adjora_statut statut =
        adjora_conllu(a, entree.c_str(), options, sortie.data(), requis, &requis);
    EXPECT_EQ(sortie.back(), '#') << "written past the buffer";
    sortie.resize(requis - 1);
    return {statut, std::move(sortie)};
}

// The expected column: "=" for the input itself, "-" for nothing.
std::string Attendu(const std::string& colonne, const std::string& entree) {
    if (colonne == "=") {
        return entree;
    }
    if (colonne == "-") {
        return "";
    }
    return Deschapper(colonne);
}

long PicMemoireKio() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(Capi, StatutsEtReponses) {
    const Poignee a = Ouvrir(ADJORA_DONNEES_BUILD);
    for (const auto& cas : LireCas(fs::path(ADJORA_CAS) / "statuts.tsv", 6)) {
        const std::string entree =
            Repeter(cas[1] == "-" ? "" : Deschapper(cas[1]), std::stoul(cas[2]));
        const std::string attendu = Attendu(cas[5], entree);
        const long avant = PicMemoireKio();
        const auto [statut, obtenu] = Appeler(a.get(), cas[0], entree, std::stoul(cas[3]));
        const std::string lieu = cas[0] + " " + cas[1].substr(0, 80) + " x" + cas[2];
        ASSERT_TRUE(STATUTS.contains(cas[4])) << "unknown status " << cas[4];
        EXPECT_EQ(statut, STATUTS.at(cas[4])) << lieu;
        EXPECT_EQ(obtenu, attendu) << lieu;
        // Memory stays bounded: the library copies neither a long line (the
        // caller's output buffer holds the one copy) nor a long word. A
        // sanitizer's shadow memory would hide it.
        const std::size_t copie = cas[0] == "conllu" ? entree.size() / 1024 : 0;
        EXPECT_TRUE(!ADJORA_MEMOIRE_MESUREE ||
                    PicMemoireKio() - avant < static_cast<long>(copie + 4096))
            << lieu << ": " << PicMemoireKio() - avant << " KiB more";
    }
}

TEST(Capi, PointeursNuls) {
    const Poignee a = Ouvrir(ADJORA_DONNEES_BUILD);
    adjora_analyse analyse;
    const auto resultat = std::make_unique<adjora_paradigme>();
    adjora_paradigme* paradigme = resultat.get();
    char ligne[64];
    size_t requis = 0;
    const char* fichier = nullptr;
    const char* message = nullptr;
    EXPECT_EQ(adjora_ouvrir(ADJORA_DONNEES_BUILD, nullptr, nullptr, nullptr),
              ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_recharger(nullptr), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_analyser(nullptr, "belle", 0, &analyse), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_analyser(a.get(), nullptr, 0, &analyse), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_analyser(a.get(), "belle", 0, nullptr), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_flechir(nullptr, "belle", paradigme), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_flechir(a.get(), nullptr, paradigme), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_flechir(a.get(), "belle", nullptr), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_conllu(nullptr, "#", 0, ligne, sizeof ligne, &requis), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_conllu(a.get(), nullptr, 0, ligne, sizeof ligne, &requis),
              ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_conllu(a.get(), "#", 0, ligne, sizeof ligne, nullptr), ADJORA_LIGNE_COPIEE);
    EXPECT_EQ(adjora_rapport(nullptr, 0, &fichier, &message), ADJORA_ERREUR_ARGUMENT);
    EXPECT_EQ(adjora_nb_rapports(nullptr), 0u);
    adjora_fermer(nullptr);
}

TEST(Capi, DossiersRefuses) {
    DossierTemporaire vide;
    const std::string fichier = vide.ecrire("except_A.lex", "bel\n");
    for (const std::string& dossier :
         {std::string("/nulle/part/adjora"), vide.chemin.string() + "/autre", fichier}) {
        adjora* a = reinterpret_cast<adjora*>(&vide);
        EXPECT_EQ(adjora_ouvrir(dossier.c_str(), nullptr, nullptr, &a), ADJORA_ERREUR_DOSSIER)
            << dossier;
        EXPECT_EQ(a, nullptr);
    }
    fs::remove(fichier);
    Ouvrir(vide.chemin.string(), ADJORA_ERREUR_DOSSIER);
}

// The output of the descriptors 1 and 2 while alive, read at the end.
struct SortiesCapturees {
    SortiesCapturees() {
        std::fflush(nullptr);
        for (int fd : {1, 2}) {
            sauvegardes.push_back(dup(fd));
            dup2(fileno(fichier), fd);
        }
    }
    std::string Lire() {
        std::fflush(nullptr);
        for (int fd : {1, 2}) {
            dup2(sauvegardes[fd - 1], fd);
            close(sauvegardes[fd - 1]);
        }
        std::rewind(fichier);
        std::string texte;
        for (int c = std::fgetc(fichier); c != EOF; c = std::fgetc(fichier)) {
            texte += static_cast<char>(c);
        }
        std::fclose(fichier);
        return texte;
    }
    std::FILE* fichier = std::tmpfile();
    std::vector<int> sauvegardes;
};

void Noter(void* contexte, const char* fichier, const char* message) {
    auto* rapports = static_cast<std::vector<std::string>*>(contexte);
    rapports->push_back(fs::path(fichier).filename().string() + ": " + message);
}

// A folder with two lexicons, one of them a named pipe that nobody writes:
// the callback hears of every other file, by name, and of the pipe, which is
// not read; nothing is printed and the current directory stays.
TEST(Capi, DossierPartielRapportsAuRappel) {
    DossierTemporaire dossier;
    dossier.ecrire("except_B.lex", "gris\n");
    ASSERT_EQ(mkfifo((dossier.chemin / "except_A.lex").c_str(), 0600), 0);
    const fs::path courant = fs::current_path();
    std::vector<std::string> rapports;
    adjora* a = nullptr;
    SortiesCapturees sorties;
    const adjora_statut statut = adjora_ouvrir(dossier.chemin.c_str(), Noter, &rapports, &a);
    const std::string imprime = sorties.Lire();
    EXPECT_EQ(statut, ADJORA_OK);
    EXPECT_EQ(imprime, "");
    EXPECT_EQ(fs::current_path(), courant);
    const std::vector<std::string> attendus = {
        "except_A.lex: Impossible d'ouvrir le fichier except_A.lex.",
        "except_A.lex: Opération impossible (tube nommé, pas un fichier ordinaire)",
        "except_C.lex: Impossible d'ouvrir le fichier except_C.lex.",
        "except_C.lex: Opération impossible (fichier absent)",
    };
    ASSERT_GE(rapports.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(rapports.begin(), rapports.begin() + 4), attendus);
    EXPECT_EQ(rapports.size(), 14u); // A (a pipe), C, D, E, F, G and H: two each
    EXPECT_EQ(adjora_nb_rapports(a), 0u);
    adjora_fermer(a);
}

// Without a callback the reports are kept, each naming its file.
TEST(Capi, RapportsGardes) {
    const Poignee a = Ouvrir(fs::path(ADJORA_CAS).parent_path() / "cli" / "lexiques" / "partiel");
    ASSERT_EQ(adjora_nb_rapports(a.get()), 12u);
    const char* fichier = nullptr;
    const char* message = nullptr;
    EXPECT_EQ(adjora_rapport(a.get(), 3, &fichier, &message), ADJORA_OK);
    EXPECT_EQ(fs::path(fichier).filename(), "except_C.lex");
    EXPECT_TRUE(fs::path(fichier).is_absolute());
    EXPECT_STREQ(message, "Opération impossible (fichier absent)");
    EXPECT_EQ(adjora_rapport(a.get(), 12, &fichier, &message), ADJORA_ERREUR_ARGUMENT);
}

// One set of lexicons per process: the same folder is shared, another refused
// until the last handle is closed; no reload under another handle's feet; a
// reload reads the files anew, in place of the lists read before.
TEST(Capi, PoigneesPartagees) {
    DossierTemporaire autre;
    autre.ecrire("except_H.lex", "belles\n");
    Poignee premiere = Ouvrir(ADJORA_DONNEES_BUILD);
    Poignee seconde = Ouvrir(fs::path(ADJORA_DONNEES_BUILD).string() + "/.");
    Ouvrir(autre.chemin.string(), ADJORA_ERREUR_OCCUPE);
    EXPECT_EQ(adjora_recharger(premiere.get()), ADJORA_ERREUR_OCCUPE);
    premiere.reset();
    adjora_analyse analyse;
    EXPECT_EQ(adjora_analyser(seconde.get(), "belles", 0, &analyse), ADJORA_OK);
    EXPECT_STREQ(analyse.lemme, "beau");
    EXPECT_EQ(adjora_recharger(seconde.get()), ADJORA_OK);
    seconde.reset();
    const Poignee troisieme = Ouvrir(autre.chemin.string());
    autre.ecrire("except_H.lex", "marron\n");
    EXPECT_EQ(adjora_analyser(troisieme.get(), "belles", 0, &analyse), ADJORA_OK);
    EXPECT_STREQ(analyse.lemme, "belles"); // list H: invariable
    EXPECT_EQ(adjora_recharger(troisieme.get()), ADJORA_OK);
    EXPECT_EQ(adjora_analyser(troisieme.get(), "belles", 0, &analyse), ADJORA_OK);
    EXPECT_STREQ(analyse.lemme, "bel");                  // no list: rules only
    EXPECT_EQ(adjora_nb_rapports(troisieme.get()), 14u); // the seven lists missing, reported anew
}

// Every answer of one word, as a text to compare.
std::string Reponses(const adjora* a, const std::string& mot) {
    adjora_analyse analyse;
    auto paradigme = std::make_unique<adjora_paradigme>();
    std::string texte =
        std::to_string(adjora_analyser(a, mot.c_str(), ADJORA_EXPLICATION, &analyse));
    texte += analyse.lemme + std::to_string(analyse.genre) + std::to_string(analyse.nombre) +
             analyse.explication;
    texte += std::to_string(adjora_flechir(a, mot.c_str(), paradigme.get()));
    for (const adjora_cellule& cellule : paradigme->cellules) {
        for (int i = 0; i < cellule.nb; ++i) {
            texte += cellule.formes[i].mot;
            texte += cellule.formes[i].explication;
        }
    }
    const std::string ligne = "1\t" + mot + "\t_\tADJ\t_\t_\t0\troot\t_\t_";
    char sortie[4096];
    size_t requis = 0;
    texte += std::to_string(
        adjora_conllu(a, ligne.c_str(), ADJORA_EXPLICATION, sortie, sizeof sortie, &requis));
    texte += sortie;
    return texte;
}

void RepondreATous(const adjora* a, const std::vector<std::string>* mots,
                   std::vector<std::string>* reponses) {
    for (const std::string& mot : *mots) {
        reponses->push_back(Reponses(a, mot));
    }
}

// Eight threads at once give exactly the answers given one after the other.
TEST(Capi, HuitFilsCommeUnSeul) {
    const Poignee a = Ouvrir(ADJORA_DONNEES_BUILD);
    std::vector<std::string> mots;
    std::ifstream liste(ADJORA_MOTS);
    for (std::string mot; std::getline(liste, mot);) {
        mots.push_back(mot);
    }
    ASSERT_GT(mots.size(), 10000u);
    mots.resize(3000);
    std::vector<std::string> attendues;
    for (const std::string& mot : mots) {
        attendues.push_back(Reponses(a.get(), mot));
    }
    std::vector<std::vector<std::string>> obtenues(8);
    std::vector<std::thread> fils;
    for (std::size_t f = 0; f < obtenues.size(); ++f) {
        fils.emplace_back(RepondreATous, a.get(), &mots, &obtenues[f]);
    }
    for (std::thread& fil : fils) {
        fil.join();
    }
    for (std::size_t f = 0; f < obtenues.size(); ++f) {
        EXPECT_TRUE(obtenues[f] == attendues) << "thread " << f << " differs";
    }
}

} // namespace
