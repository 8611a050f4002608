#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Robustness stage, run by tools/test.sh after the normal suite: the whole suite
# built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), the
# C library's threads under ThreadSanitizer (build-tsan/), then
# the libFuzzer targets (clang, build-fuzz/), all at once for ADJORA_FUZZ_SECONDES (60)
# seconds, each from its seed corpus. Fails on a test failure, a sanitizer report or a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
secondes=${ADJORA_FUZZ_SECONDES:-60}
tools/installer-dependances.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DADJORA_SANITIZE=ON \
  -DADJORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build-asan --output-on-failure -j2

# ThreadSanitizer: the C library's calls from eight threads at once, and its
# handles opened, shared and reloaded.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DADJORA_SANITIZE_THREAD=ON \
  -DADJORA_BUILD_UI=OFF -DADJORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j2 --target test_capi
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 build-tsan/tests/capi/test_capi \
  --gtest_filter='Capi.HuitFils*:Capi.Poignees*:Capi.Recharger*:Capi.DossierPartiel*'

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DADJORA_FUZZ=ON -DADJORA_SANITIZE=ON -DADJORA_BUILD_UI=OFF -DADJORA_BUILD_TESTS=OFF \
  -DADJORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_lecteur fuzz_analyse fuzz_conllu fuzz_cli fuzz_formes fuzz_capi
[ -w /dev/shm ] && export TMPDIR=/dev/shm # the reader's and the paradigms' fuzzers rewrite a file per input
cibles="lecteur analyse conllu cli formes capi"
declare -A processus
for cible in $cibles; do # all at once: the run takes the time of one
  artefacts="build-fuzz/artefacts-$cible/"
  mkdir -p "build-fuzz/corpus-$cible" "$artefacts"
  build-fuzz/fuzz/fuzz_$cible -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artefacts" "build-fuzz/corpus-$cible" \
    "fuzz/corpus/$cible" >"build-fuzz/fuzz_$cible.log" 2>&1 &
  processus[$cible]=$!
done
echec=0
for cible in $cibles; do
  journal="build-fuzz/fuzz_$cible.log"
  if ! wait "${processus[$cible]}"; then
    echo "fuzz_$cible FOUND A FAULT (inputs in build-fuzz/artefacts-$cible/):"
    tail -60 "$journal"
    echec=1
  fi
  echo "fuzz_$cible: $(grep -o 'number_of_executed_units: *[0-9]*' "$journal" || true) runs"
done
echo "robustness stage: ${SECONDS}s"
exit $echec
