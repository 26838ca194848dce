#!/usr/bin/env bash
# Builds the Debian package build/packages/pontelix_VERSION_ARCH.deb with CPack
# (installing what is missing and building first) and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
log=build/packages/cpack.log
mkdir -p build/packages
if ! cpack --config build/CPackConfig.cmake -B build/packages >"$log" 2>&1; then
  cat "$log" >&2
  echo "O pacote não pôde ser feito (veja acima)." >&2
  exit 1
fi
ls -t build/packages/pontelix_*.deb | head -n 1
