#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Accuracy benchmark of adjora-cli --formes and the round trip of its forms:
# runs formes.py over the reference lemmas and writes the report to formes.txt.
# Extra arguments go to formes.py (e.g. --cli PATH, --plis N).
set -euo pipefail
ici="$(cd "$(dirname "$0")" && pwd)"
python3 "$ici/formes.py" "$@" | tee "$ici/formes.txt"
