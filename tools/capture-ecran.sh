#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes docs/capture.png: the main window, started from data/ on a virtual
# display, after the word "belles" has been typed and Enter pressed.
# Needs xvfb-run, xdotool and ImageMagick (tools/installer-dependances.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$(pwd)
construction=${ADJORA_CONSTRUCTION:-build}
programme="$racine/$construction/ui/adjora"
sortie="$racine/docs/capture.png"

if [ "${1:-}" != "--sur-ecran-virtuel" ] && [ ! -x "$programme" ]; then
  cmake -S . -B "$construction" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$construction" --target adjora
fi
mkdir -p "$(dirname "$sortie")"

# Runs on the virtual display: start, type, press Enter, grab the window.
prendre() {
  cd "$racine/data"
  QT_QPA_PLATFORM=xcb "$programme" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name '^Adjora 1\.0$' | head -n 1)
  sleep 1
  xdotool windowfocus --sync "$fenetre"
  xdotool type --delay 60 belles
  xdotool key Return
  sleep 1
  import -window "$fenetre" "$sortie"
}
if [ "${1:-}" = "--sur-ecran-virtuel" ]; then
  prendre
  exit 0
fi

export ADJORA_CONSTRUCTION="$construction"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" --sur-ecran-virtuel
echo "Capture : $sortie ($(identify -format '%wx%h' "$sortie"))"
