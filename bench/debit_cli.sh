#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Times adjora-cli over the benchmark word list (start-up and lexicon loading
# included) and prints the words per second.
# Usage: bench/debit_cli.sh [path/to/adjora-cli]   (default: build/cli/adjora-cli)
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
binaire=${1:-"$ici/../build/cli/adjora-cli"}
mots="$ici/mots.txt"

if [ ! -x "$binaire" ]; then
  echo "adjora-cli introuvable : $binaire" >&2
  exit 2
fi
nombre=$(grep -c . "$mots")

debut=$(date +%s.%N)
"$binaire" --lexiques "$ici/../data" <"$mots" >/dev/null
fin=$(date +%s.%N)

# Start-up alone: one word.
debut1=$(date +%s.%N)
"$binaire" --lexiques "$ici/../data" petit >/dev/null
fin1=$(date +%s.%N)

awk -v n="$nombre" -v d="$debut" -v f="$fin" -v d1="$debut1" -v f1="$fin1" 'BEGIN {
  t = f - d; t1 = f1 - d1
  printf "%d mots en %.3f s : %.0f mots/s (démarrage seul : %.1f ms)\n", n, t, n / t, t1 * 1000
}'
