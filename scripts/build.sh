#!/usr/bin/env bash
# Configures and builds Pontelix into build/ (installing what is missing first).
#
# With --progress, the way scripts/run.sh builds, only the programs and the reference's
# pictures are built (the tests, benchmarks and manual pages are left to scripts/test.sh), the build's
# own output is kept in build/build.log and the listener hears a few lines instead: that
# the build starts, each tenth of it, and that it is done; nothing at all when
# everything is up to date. A failed build shows its errors.
set -euo pipefail
cd "$(dirname "$0")/.."
progress=false
if [ "${1:-}" = "--progress" ]; then progress=true; fi

./scripts/install-deps.sh
if $progress && [ ! -f build/build.ninja ]; then echo "Pontelix: preparando a compilação..."; fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! $progress; then
  exec cmake --build build
fi

log=build/build.log
# mawk, Debian's awk, reads its input in blocks unless told otherwise: the listener is
# told of each step as it ends, and the minutes left follow the real time.
awkflags=()
if awk -W version 2>/dev/null | grep -q mawk; then awkflags=(-W interactive); fi
# The reference's pictures too, so that the tutorial shows them after the first run.
if ! cmake --build build --target pontelix doc_images 2>&1 | tee "$log" | awk "${awkflags[@]}" -f scripts/ninja-progress.awk; then
  echo "Pontelix: a compilação falhou. As mensagens completas estão em $log; os erros:" >&2
  grep -A 15 '^FAILED' "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
  exit 1
fi
if grep -q '^\[[0-9]*/[0-9]*\] [^R]' "$log"; then echo "Pontelix: compilação terminada."; fi
