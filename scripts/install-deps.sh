#!/usr/bin/env bash
# Installs, from Debian's packages, everything Pontelix needs to build, run and test.
# Idempotent: when every package is already present it prints nothing and exits at once.
# With --windows, also what the Windows build needs (scripts/windows.sh).
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config ccache
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # console, speech and sound
  libsdl2-dev libncurses-dev libespeak-ng-dev espeak-ng-data libspeechd-dev
  # the expressions of EQ (loaded when a drawing first meets one)
  libmuparser-dev
  # labels in the Braille codes of other languages (loaded when a label first needs one),
  # and liblouis's own program, which the tests compare with
  liblouis-dev liblouis20 liblouis-data liblouis-bin
  # drawing, fonts and image files
  libcairo2-dev libfontconfig-dev libfreetype-dev fonts-liberation2 fonts-dejavu-core libpng-dev libjpeg62-turbo-dev zlib1g-dev
  # braille display (BRLTTY's client library; the daemon for the display tests)
  libbrlapi-dev brltty
  # printing
  libcups2-dev cups cups-client cups-bsd
  # the ink printing tests: the PDF filter of the test queue, and reading the PDF back
  cups-filters poppler-utils
  # the embosser page checks: the cells of the BRF writer of ImageMagick, and reading PEF back
  imagemagick libxml2-utils
  # the tactile drawing: the SVG rendered back to compare with the PDF
  librsvg2-bin
  # end-to-end checks of the window and terminal frontends
  xvfb xauth xdotool x11-utils x11-apps tmux
  # side-by-side benchmarks
  gnuplot-nox time
  # the checking tree: sanitizers and fuzz targets
  clang libclang-rt-14-dev llvm
  # locale for the Brazilian decimal mark
  locales
  # checks of the manual pages, the desktop entry, the metainfo and the Debian package
  man-db groff-base desktop-file-utils appstream lintian dpkg-dev fakeroot file
)
if [ "${1:-}" = "--windows" ]; then
  packages+=(
    # the cross compilers, the Windows headers and libraries, zlib cross-built
    gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev
    # fetching and building the other libraries from Debian's source packages
    dpkg-dev debian-archive-keyring autoconf automake libtool meson gperf zip
    # running the Windows programs and tests; reading back the pages they print
    wine wine64 fontconfig ghostscript
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# apt's progress lines (on standard output, since sudo closes any other descriptor) are
# told in quarters: a listener hears that the work goes on without hearing every
# package. The errors are kept and shown when the installation fails.
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Pontelix: instalando ${#missing[@]} pacotes do Debian; isso leva alguns minutos."
  echo "Pacotes: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  log=$(mktemp)
  if ! $sudo apt-get update -qq >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    exit 1
  fi
  if ! $sudo apt-get install -y -qq --no-install-recommends -o APT::Status-Fd=1 "${missing[@]}" \
      2>>"$log" | awk -F: '$1 == "dlstatus" || $1 == "pmstatus" {
        step = int($3 / 25) * 25
        if ($1 != kind) { kind = $1; last = -1 }
        if (step > last) {
          print ($1 == "dlstatus" ? "Baixando" : "Instalando") ": " step "%"
          last = step
          fflush()
        }
      }'; then
    cat "$log" >&2
    rm -f "$log"
    echo "Pontelix: a instalação dos pacotes falhou (veja acima)." >&2
    exit 1
  fi
  rm -f "$log"
  echo "Pontelix: pacotes instalados."
fi

# The data-file tests read numbers with the Brazilian decimal mark.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  if [ -f /etc/locale.gen ]; then
    echo "Pontelix: preparando o idioma pt_BR.UTF-8..."
    $sudo sed -i 's/^# *\(pt_BR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
fi
