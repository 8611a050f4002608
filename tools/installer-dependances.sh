#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, running and testing Adjora need,
# skipping those already present. Uses sudo when not run as root.
set -euo pipefail

paquets=(
  build-essential cmake ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev nlohmann-json3-dev qt6-translations-l10n
  xvfb xauth fonts-liberation fonts-comic-neue xdotool imagemagick
  dbus at-spi2-core orca
  clang libclang-rt-14-dev valgrind
  python3 python3-dev pybind11-dev python3-pybind11 mypy python3-grammalecte nodejs debootstrap
  emscripten chromium chromium-driver python3-selenium
  appstream desktop-file-utils dpkg-dev file lintian reuse poppler-utils
)

manquants=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done
# npm (regenerating the lexicons fetches the Lefff with it) comes with some
# nodejs builds and as a package of its own in Debian.
command -v npm >/dev/null || manquants+=(npm)

if [ ${#manquants[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installation des paquets manquants : ${manquants[*]}"
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${manquants[@]}"
