#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Times adjora-cli, start-up and lexicon loading included, and prints words per
# second and peak memory: over the benchmark word list, then over every form of
# the reference (tools/lexiques/reference/adjectifs.tsv) with the shipped
# lexicons and with eight empty ones; then paradigms per second with --formes
# over the reference lemmas, once and eight times over (flat memory: the same
# peak whatever the input length). Best of N runs (default 5), wall clock
# and processor time (user + system: less sensitive to a busy machine).
# Usage: bench/debit_cli.sh [path/to/adjora-cli] [N]   (default: build/cli/adjora-cli)
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
mkdir "$temp/vides"
for lettre in A B C D E F G H; do : >"$temp/vides/except_$lettre.lex"; done
grep -v '^#' "$reference" | cut -f1 >"$temp/formes.txt"
grep -v '^#' "$reference" | cut -f2 | sort -u >"$temp/lemmes.txt"
for _ in 1 2 3 4 5 6 7 8; do cat "$temp/lemmes.txt"; done >"$temp/lemmes8.txt"

# mesurer LIBELLE ENTREE ARGUMENTS...: best wall time of N runs, peak RSS.
mesurer() {
  python3 - "$essais" "$@" <<'EOF'
import os, subprocess, sys, time
essais, libelle, entree, commande = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
n = sum(1 for ligne in open(entree, "rb") if ligne.strip())
meilleur, processeur, rss = float("inf"), float("inf"), 0
for _ in range(essais):
    with open(entree, "rb") as e, open(os.devnull, "wb") as s:
        debut = time.perf_counter()
        p = subprocess.Popen(commande, stdin=e, stdout=s, stderr=subprocess.DEVNULL)
        _, statut, usage = os.wait4(p.pid, 0)
        meilleur = min(meilleur, time.perf_counter() - debut)
        processeur = min(processeur, usage.ru_utime + usage.ru_stime)
        rss = max(rss, usage.ru_maxrss)
debit = lambda t: f"{n / t:,.0f}".replace(",", " ")
if n == 1:
    print(f"{libelle} : {meilleur * 1000:.1f} ms, temps processeur {processeur * 1000:.1f} ms, "
          f"mémoire max {rss / 1024:.1f} Mio")
    sys.exit(0)
print(f"{libelle} : {n} mots en {meilleur * 1000:.1f} ms ({debit(meilleur)} mots/s), "
      f"temps processeur {processeur * 1000:.1f} ms ({debit(processeur)} mots/s), "
      f"mémoire max {rss / 1024:.1f} Mio")
EOF
}

mesurer "mots.txt, lexiques livrés" "$ici/mots.txt" "$binaire" --lexiques "$ici/../data"
mesurer "formes de référence, lexiques livrés" "$temp/formes.txt" "$binaire" --lexiques "$ici/../data"
mesurer "formes de référence, sans lexiques" "$temp/formes.txt" "$binaire" --lexiques "$temp/vides"
mesurer "--formes, lemmes de référence" "$temp/lemmes.txt" "$binaire" --formes --lexiques "$ici/../data"
mesurer "--formes, lemmes de référence huit fois" "$temp/lemmes8.txt" "$binaire" --formes --lexiques "$ici/../data"
echo petit >"$temp/un.txt"
mesurer "démarrage, chargement et un mot" "$temp/un.txt" "$binaire" --lexiques "$ici/../data"
