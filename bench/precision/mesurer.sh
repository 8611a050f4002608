#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Accuracy benchmark of the shipped lexicons: runs adjora-cli over the
# reference of French adjective forms and writes the report to resultats.txt.
# Extra arguments go to mesurer.py (e.g. --lexiques DIR, --cli PATH).
set -euo pipefail
ici="$(cd "$(dirname "$0")" && pwd)"
python3 "$ici/mesurer.py" "$@" | tee "$ici/resultats.txt"
