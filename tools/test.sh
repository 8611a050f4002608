#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Adjora and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$(pwd)

tools/installer-dependances.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2

if [ -x "$racine/tools/test-robustesse.sh" ]; then
  "$racine/tools/test-robustesse.sh"
fi
