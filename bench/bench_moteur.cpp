// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Throughput of AnalyserAdjectif over the benchmark word list, with the
// shipped lexicons loaded, through their indexes and (for comparison) by the
// linear search alone. Also times the loading and indexing of the eight
// lexicons.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AdjoraConfig.h"
#include "Index.h"
#include "Lemmatiseur.h"
#include "MessageErreur.h"
#include "PagesDeCode.h"

namespace {

// The word list in Windows-1252, one entry per non-empty line.
std::vector<std::string> LireMots() {
    std::vector<std::string> mots;
    std::ifstream fichier(ADJORA_BENCH_MOTS);
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (!ligne.empty()) {
            mots.push_back(pages::Utf8VersCp1252(ligne).texte);
        }
    }
    return mots;
}

void ChargerLexiquesLivres() {
    const auto precedent = std::filesystem::current_path();
    std::filesystem::current_path(ADJORA_DONNEES_BUILD);
    ChargerExceptions();
    std::filesystem::current_path(precedent);
}

// Argument 1: through the indexes; 0: linear search only.
void BM_AnalyserAdjectif(benchmark::State& etat) {
    static const std::vector<std::string> mots = LireMots();
    if (mots.size() < 10000) {
        etat.SkipWithError("word list too short");
        return;
    }
    ChargerLexiquesLivres();
    if (etat.range(0) == 0) {
        OublierIndex();
    }
    Analyse analyse;
    for (auto _ : etat) {
        for (const std::string& mot : mots) {
            benchmark::DoNotOptimize(AnalyserAdjectif(mot.c_str(), &analyse));
            benchmark::ClobberMemory();
        }
    }
    etat.SetItemsProcessed(static_cast<std::int64_t>(etat.iterations() * mots.size()));
    etat.counters["mots"] = static_cast<double>(mots.size());
    LibererExceptions();
}
BENCHMARK(BM_AnalyserAdjectif)->ArgName("index")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ChargerExceptions(benchmark::State& etat) {
    for (auto _ : etat) {
        ChargerLexiquesLivres();
        LibererExceptions();
    }
}
BENCHMARK(BM_ChargerExceptions)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
