#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Times adjora-cli --formes, start-up and loading included: paradigms per
# second over the reference lemmas (tools/lexiques/reference/adjectifs.tsv),
# once and repeated eight times, and peak memory for both (flat memory: the
# same peak whatever the input length). Best of N runs (default 5), wall
# clock and processor time (user + system).
# Usage: bench/debit_formes.sh [path/to/adjora-cli] [N]   (default: build/cli/adjora-cli)
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
binaire=${1:-"$ici/../build/cli/adjora-cli"}
essais=${2:-5}
reference="$ici/../tools/lexiques/reference/adjectifs.tsv"

if [ ! -x "$binaire" ]; then
  echo "adjora-cli introuvable : $binaire" >&2
  exit 2
fi
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
grep -v '^#' "$reference" | cut -f2 | sort -u >"$temp/lemmes.txt"
for _ in 1 2 3 4 5 6 7 8; do cat "$temp/lemmes.txt"; done >"$temp/lemmes8.txt"

python3 - "$essais" "$binaire" "$ici/../data" "$temp/lemmes.txt" "$temp/lemmes8.txt" <<'PY'
import os, subprocess, sys, time
essais, binaire, donnees, *entrees = sys.argv[1:]
for entree in entrees:
    n = sum(1 for _ in open(entree, "rb"))
    mur, processeur, rss = float("inf"), float("inf"), 0
    for _ in range(int(essais)):
        with open(entree, "rb") as e, open(os.devnull, "wb") as s:
            debut = time.perf_counter()
            p = subprocess.Popen([binaire, "--formes", "--lexiques", donnees], stdin=e, stdout=s)
            _, statut, usage = os.wait4(p.pid, 0)
            mur = min(mur, time.perf_counter() - debut)
            processeur = min(processeur, usage.ru_utime + usage.ru_stime)
            rss = max(rss, usage.ru_maxrss)
            assert statut == 0, f"adjora-cli a échoué ({statut})"
    debit = lambda t: f"{n / t:,.0f}".replace(",", " ")
    print(f"{os.path.basename(entree)} : {n} paradigmes en {mur * 1000:.1f} ms ({debit(mur)} /s), "
          f"temps processeur {processeur * 1000:.1f} ms ({debit(processeur)} /s), "
          f"mémoire max {rss / 1024:.1f} Mio")
PY
