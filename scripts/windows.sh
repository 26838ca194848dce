#!/usr/bin/env bash
# Cross-builds Pontelix for 64-bit Windows into build-windows/ (pontelix.exe and what it
# needs beside it).
#
# The libraries come from Debian's source packages at the versions the Linux build links,
# so that both programs draw the same pixels. They are built once, with the mingw-w64
# compilers, into a cache outside the clone,
# ${XDG_CACHE_HOME:-~/.cache}/pontelix-windows/KEY, where KEY names the versions and the
# recipe: a later run finds them there and builds only the program. The sources are
# fetched with a private apt sources list and state folder, so the system's own apt
# settings are never read for them nor changed.
#
#   scripts/windows.sh          the dependencies (when not cached) and the program
#   scripts/windows.sh --test   the same, then the Windows tests under Wine (with Xvfb):
#                               the unit tests, and the Windows program's output beside
#                               the Linux build's (build/, which must be built)
#   scripts/windows.sh --zip    the same, then build-windows/pontelix-windows.zip: the
#                               programs, their fonts, the references, the examples and
#                               a README for Windows (LEIA-ME.txt)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

zip=false
test=false
for arg in "$@"; do
  case $arg in
    --zip) zip=true ;;
    --test) test=true ;;
    *) echo "uso: scripts/windows.sh [--test] [--zip]" >&2; exit 2 ;;
  esac
done

./scripts/install-deps.sh --windows

host=x86_64-w64-mingw32
# The source packages and their upstream versions: the ones Debian 12's Linux build uses.
# Debian's latest revision of each is fetched (its security fixes change no drawing); the
# revisions fetched are written beside the libraries in the cache. zlib comes cross-built
# in Debian (libz-mingw-w64-dev).
sources=(
  "expat 2.5.0"
  "freetype 2.12.1"
  "fontconfig 2.14.1"
  "libpng1.6 1.6.39"
  "libjpeg-turbo 2.1.5"
  "pixman 0.42.2"
  "cairo 1.16.0"
  "libsdl2 2.26.5"
  "muparser 2.3.3"
)
# Raised whenever a build recipe below changes, so that the cache is rebuilt.
recipe=1
key=$(printf '%s\n' "recipe $recipe" "${sources[@]}" | sha256sum | cut -c1-12)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/pontelix-windows
cache=$cache_root/$key
prefix=$cache/prefix
mkdir -p "$cache/src" "$cache/build" "$cache/stamps" "$prefix"

export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:/usr/$host/lib/pkgconfig
export PKG_CONFIG_PATH=
export PONTELIX_WINDOWS_PREFIX=$prefix
export CC=$host-gcc-posix CXX=$host-g++-posix
jobs=-j2

# apt with its own sources list and state, under the cache's root (shared by every key).
apt_dir=$cache_root/apt
apt_opts=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list"
  -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
  -o "Dir::Etc::Preferences=$apt_dir/preferences"
  -o "Dir::Etc::PreferencesParts=$apt_dir/preferences.d"
  -o "Dir::State=$apt_dir/state"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=$(id -un)"
)
fetched=false
fetch() {  # fetch NAME UPSTREAM: unpacks the source into $cache/src/NAME
  local name=$1 upstream=$2
  if [ -d "$cache/src/$name" ]; then return; fi
  if ! $fetched; then
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/preferences.d" "$apt_dir/state" \
      "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    : >"$apt_dir/preferences"
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    cat >"$apt_dir/sources.list" <<EOF
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
EOF
    echo "Pontelix para Windows: lendo a lista de fontes do Debian..."
    apt-get "${apt_opts[@]}" update -qq
    fetched=true
  fi
  # The newest revision first; a mirror that lacks it (a security update not yet or no
  # longer there) leaves the next one.
  local versions version="" tmp=$cache/src/.fetch-$name
  versions=$(apt-cache "${apt_opts[@]}" showsrc "$name" | awk '/^Version:/ { print $2 }' |
    grep -E "^([0-9]+:)?${upstream//./\\.}[-+]" | sort -Vr || true)
  for candidate in $versions; do
    rm -rf "$tmp"; mkdir -p "$tmp"
    echo "Pontelix para Windows: baixando o fonte de $name $candidate..."
    if (cd "$tmp" && apt-get "${apt_opts[@]}" source -qq "$name=$candidate" >/dev/null 2>&1); then
      version=$candidate
      break
    fi
  done
  # A mirror without Debian's changes of an old revision still holds the upstream
  # release it starts from (pixman's Debian changes are only its packaging).
  if [ -z "$version" ]; then
    local orig
    orig=$(find "$tmp" -maxdepth 1 -name "*.orig.tar.*" ! -name "*.asc" | head -n 1)
    if [ -z "$orig" ]; then
      echo "Pontelix para Windows: não foi possível baixar o fonte de $name $upstream." >&2
      exit 1
    fi
    echo "Pontelix para Windows: usando o fonte original de $name $upstream, sem as mudanças do Debian."
    tar -xf "$orig" -C "$tmp"
    version="$upstream (original)"
  fi
  echo "$name $version" >>"$cache/versions"
  local dir
  dir=$(find "$tmp" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  mv "$dir" "$cache/src/$name"
  rm -rf "$tmp"
}

cmake_cross=(
  -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
  -DCMAKE_PREFIX_PATH="$prefix" -DPONTELIX_WINDOWS_PREFIX="$prefix"
)
configure_cross=(--host=$host --prefix="$prefix" --disable-shared --enable-static)

build_cmake() {  # build_cmake NAME[/SUBDIR] [cmake options]: configures, builds and installs
  local name=${1%%/*} dir=$1; shift
  cmake -S "$cache/src/$dir" -B "$cache/build/$name" "${cmake_cross[@]}" "$@" &&
    cmake --build "$cache/build/$name" $jobs && cmake --install "$cache/build/$name"
}

build_autotools() {  # build_autotools NAME SUBDIR [configure options]; SUBDIR is built
  local name=$1 subdir=$2; shift 2
  rm -rf "$cache/build/$name"
  mkdir -p "$cache/build/$name"
  (cd "$cache/build/$name" && "$cache/src/$name/configure" "${configure_cross[@]}" "$@" &&
    make $jobs -C "$subdir" && make -C "$subdir" install)
}

build_one() {  # build_one NAME: the recipe of one library
  case $1 in
    # Debian's security fixes test XML_DTD's value, which the CMake header leaves empty.
    expat) sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$cache/src/expat/expat/expat_config.h.cmake" &&
      build_cmake expat/expat -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
      -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=ON ;;
    # The drawing reads TrueType fonts only: no compressed or coloured fonts.
    freetype) build_cmake freetype -DBUILD_SHARED_LIBS=OFF -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
      -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_REQUIRE_ZLIB=ON ;;
    fontconfig) build_autotools fontconfig . --disable-docs --disable-nls --disable-cache-build \
      --enable-libxml2=no --with-default-fonts=fonts ;;
    libpng1.6) build_cmake libpng1.6 -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF ;;
    libjpeg-turbo) build_cmake libjpeg-turbo -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF ;;
    pixman) build_autotools pixman . --disable-gtk --disable-libpng --disable-openmp ;;
    # The stack protector of Debian's mingw compilers lives in libssp.
    # Debian's patches leave configure.ac newer than configure; the release's generated
    # files are kept, since its changes are to the C sources.
    cairo) (cd "$cache/src/cairo" && touch aclocal.m4 && sleep 1 && touch configure config.h.in &&
        sleep 1 && find . -name Makefile.in -exec touch {} +) &&
      LIBS=-lssp build_autotools cairo src --enable-win32 --enable-ft --enable-fc --enable-png \
      --enable-pdf --enable-svg --enable-ps --disable-xlib --disable-xcb --disable-gobject \
      --disable-trace --disable-interpreter --disable-full-testing --disable-valgrind ;;
    # SDL2 is loaded when the window first opens, as on Linux: a DLL beside the program.
    libsdl2) build_cmake libsdl2 -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF ;;
    # The expressions of EQ: a DLL opened on first use, as the shared library is on Linux,
    # with the C++ runtime linked in.
    muparser) build_cmake muparser -DBUILD_SHARED_LIBS=ON -DENABLE_OPENMP=OFF -DENABLE_SAMPLES=OFF \
      -DENABLE_WIDE_CHAR=OFF -DCMAKE_SHARED_LINKER_FLAGS=-static ;;
  esac
}

started=$(date +%s)
for entry in "${sources[@]}"; do
  read -r name upstream <<<"$entry"
  if [ -f "$cache/stamps/$name" ]; then continue; fi
  fetch "$name" "$upstream"
  echo "Pontelix para Windows: compilando $name..."
  t0=$(date +%s)
  # The build's own output is kept in a log and shown only when it fails.
  if ! build_one "$name" >"$cache/build/$name.log" 2>&1; then
    tail -n 40 "$cache/build/$name.log" >&2
    echo "Pontelix para Windows: a compilação de $name falhou; o registro completo está em $cache/build/$name.log." >&2
    exit 1
  fi
  echo "$(( $(date +%s) - t0 )) s" >"$cache/stamps/$name"
done
if [ "$(( $(date +%s) - started ))" -gt 5 ]; then
  echo "Pontelix para Windows: bibliotecas prontas em $(( $(date +%s) - started )) s ($cache)."
fi

# The Braille translation library is opened when a drawing first needs it; Windows has
# none (Debian's mirror no longer holds its source), and only its declarations are
# compiled in: the header of Debian's package, which is plain C.
mkdir -p "$prefix/include/liblouis"
cp -f /usr/include/liblouis/liblouis.h "$prefix/include/liblouis/"

# The program.
cmake -S . -B build-windows "${cmake_cross[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-windows $jobs
cp -f "$prefix/bin/SDL2.dll" "$prefix/bin/libmuparser.dll" build-windows/
# fontconfig reads fonts\fonts.conf beside the program: Debian's faces and rules.
mkdir -p build-windows/fonts/conf.d
cp -f packaging/windows/fonts.conf build-windows/fonts/
for face in "Liberation Mono" "Liberation Mono:bold" "DejaVu Sans" "DejaVu Sans:bold" "DejaVu Sans Mono" "DejaVu Sans Mono:bold"; do
  cp -f "$(fc-match -f '%{file}' "$face")" build-windows/fonts/
done
for rule in 10-hinting-slight 10-yes-antialias 11-lcdfilter-default 20-unhint-small-dejavu-sans-mono \
    20-unhint-small-dejavu-sans 30-metric-aliases 45-generic 45-latin 48-spacing 49-sansserif \
    57-dejavu-sans-mono 57-dejavu-sans 60-generic 60-latin 90-synthetic; do
  cp -f "$(readlink -f "/etc/fonts/conf.d/$rule.conf")" build-windows/fonts/conf.d/
done

# The zip keeps the installed layout, in which pontelix.exe finds the references
# (../share/doc/pontelix); its texts get Windows's line ends.
if $zip; then
  staging=build-windows/zip/Pontelix
  rm -rf build-windows/zip build-windows/pontelix-windows.zip
  mkdir -p "$staging/bin" "$staging/share/doc/pontelix"
  cp -r build-windows/pontelix.exe build-windows/pontelix-console.exe build-windows/*.dll build-windows/fonts \
    "$staging/bin/"
  # The debugging information stays in build-windows/: it is most of the programs' size.
  $host-strip "$staging"/bin/*.exe "$staging"/bin/*.dll
  cp -r README.md doc/comandos.md doc/commands.md packaging/copyright examples "$staging/share/doc/pontelix/"
  sed 's/$/\r/' packaging/windows/LEIA-ME.txt >"$staging/LEIA-ME.txt"
  (cd build-windows/zip && zip -qr9 ../pontelix-windows.zip Pontelix)
  echo "Pontelix para Windows: build-windows/pontelix-windows.zip"
fi

if $test; then
  exec ./scripts/windows-test.sh
fi
