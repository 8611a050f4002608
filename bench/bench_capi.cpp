// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Throughput of the C API (libadjora.so) over the benchmark word list, to set
// beside bench_moteur's engine rate: one thread, then one and two threads
// sharing one handle (items per second of wall-clock time, all threads
// together).
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "AdjoraConfig.h"
#include "adjora.h"

namespace {

// The word list in UTF-8, as a library user has it.
std::vector<std::string> LireMots() {
    std::vector<std::string> mots;
    std::ifstream fichier(ADJORA_BENCH_MOTS);
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (!ligne.empty()) {
            mots.push_back(ligne);
        }
    }
    return mots;
}

const std::vector<std::string>& Mots() {
    static const std::vector<std::string> mots = LireMots();
    return mots;
}

adjora* OuvrirDonnees() {
    adjora* a = nullptr;
    adjora_ouvrir(ADJORA_DONNEES_BUILD, nullptr, nullptr, &a);
    return a;
}

// One handle for the whole run, shared by the threads.
adjora* Poignee() {
    static adjora* const poignee = OuvrirDonnees();
    return poignee;
}

// Argument: the options (0, or 1 for the explanation too).
void BM_adjora_analyser(benchmark::State& etat) {
    const std::vector<std::string>& mots = Mots();
    adjora* a = Poignee();
    if (a == nullptr || mots.size() < 10000) {
        etat.SkipWithError("no lexicons or word list too short");
        return;
    }
    const auto options = static_cast<unsigned>(etat.range(0));
    adjora_analyse analyse;
    for (auto _ : etat) {
        for (const std::string& mot : mots) {
            benchmark::DoNotOptimize(adjora_analyser(a, mot.c_str(), options, &analyse));
            benchmark::ClobberMemory();
        }
    }
    etat.SetItemsProcessed(static_cast<std::int64_t>(etat.iterations() * mots.size()));
}
BENCHMARK(BM_adjora_analyser)
    ->ArgName("explication")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_adjora_analyser)
    ->ArgName("explication")
    ->Arg(0)
    ->Threads(1)
    ->Threads(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
