#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Adjora and starts it from data/, where the
# lexicons and the help file are found by bare name.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$(pwd)

tools/installer-dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

if [ -x build/ui/adjora ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  cd data
  exec "$racine/build/ui/adjora" "$@"
fi

if [ -x build/ui/adjora ]; then
  echo "Aucun affichage graphique (DISPLAY) : la fenêtre ne peut pas s'ouvrir."
  echo "Essayez l'outil en ligne de commande : build/cli/adjora-cli belles heureuse loyaux"
  echo
fi
exec build/cli/adjora-cli --explication belles heureuse loyaux
