#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Robustness checks, run after the normal test suite by tools/test.sh:
#   1. the whole suite again in a tree built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/);
#   2. the libFuzzer targets, built with clang (build-fuzz/), each run for
#      ADJORA_FUZZ_SECONDES seconds (60 by default) from its seed corpus.
# Fails on any test failure, sanitizer report or fuzzer crash.
set -euo pipefail
cd "$(dirname "$0")/.."
secondes=${ADJORA_FUZZ_SECONDES:-60}

tools/installer-dependances.sh

debut_total=$SECONDS
horodater() { printf '[test-robustesse] %s (%ds)\n' "$1" $((SECONDS - debut_total)); }

# --- 1. sanitizers --------------------------------------------------------
horodater "sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DADJORA_SANITIZE=ON -DADJORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j2

horodater "test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2
unset ASAN_OPTIONS UBSAN_OPTIONS

# --- 2. fuzzing -----------------------------------------------------------
horodater "fuzzer build (clang)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DADJORA_FUZZ=ON -DADJORA_SANITIZE=ON -DADJORA_BUILD_UI=OFF -DADJORA_BUILD_TESTS=OFF \
  -DADJORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_lecteur fuzz_analyse

# The reader's fuzzer rewrites a scratch file for every input: keep it in memory.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

echec=0
for cible in lecteur analyse; do
  horodater "fuzz_$cible for ${secondes}s"
  travail="build-fuzz/corpus-$cible"
  artefacts="build-fuzz/artefacts-$cible"
  mkdir -p "$travail" "$artefacts"
  journal="build-fuzz/fuzz_$cible.log"
  if build-fuzz/fuzz/fuzz_$cible -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artefacts/" "$travail" "fuzz/corpus/$cible" \
    >"$journal" 2>&1; then
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
    couverture=$(grep -o 'cov: [0-9]*' "$journal" | tail -1 || true)
    echo "fuzz_$cible: ${executions:-?} executions, ${couverture:-cov: ?}, no crash"
  else
    echo "fuzz_$cible FOUND A FAULT (inputs kept in $artefacts/):"
    tail -60 "$journal"
    echec=1
  fi
done

horodater "done"
exit $echec
