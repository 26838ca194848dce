#!/usr/bin/env bash
# Installs, from Debian's packages, everything Pontelix needs to build, run and test.
# Idempotent: when every package is already present it prints nothing and exits at once.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config ccache
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # console, speech and sound
  libsdl2-dev libncurses-dev libespeak-ng-dev espeak-ng-data libspeechd-dev
  # drawing, fonts and image files
  libcairo2-dev libfontconfig-dev libfreetype-dev fonts-liberation2 fonts-dejavu-core libpng-dev libjpeg62-turbo-dev zlib1g-dev
  # braille display (BRLTTY's client library; the daemon for the display tests)
  libbrlapi-dev brltty
  # printing
  libcups2-dev cups cups-client cups-bsd
  # end-to-end checks of the window and terminal frontends
  xvfb xauth xdotool x11-utils x11-apps tmux
  # side-by-side benchmarks
  liblouis-dev liblouis-data gnuplot-nox
  # locale for the Brazilian decimal mark
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Instalando pacotes: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The data-file tests read numbers with the Brazilian decimal mark.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  if [ -f /etc/locale.gen ]; then
    $sudo sed -i 's/^# *\(pt_BR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
fi
