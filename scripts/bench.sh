#!/usr/bin/env bash
# scripts/bench.sh [RUNS]: the speed of every batch road beside the tool a user would
# pick instead, measured side by side in one run by bench/side_by_side.py and printed as
# a table (RUNS turns of each pair, default 15). Builds the program first; needs gnuplot,
# ImageMagick and liblouis's lou_translate (scripts/install-deps.sh). The status is 0
# when every goal in the table is met.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
runs="${1:-15}"
[[ "$runs" =~ ^[0-9]+$ ]] && [ "$runs" -ge 3 ] || { echo "Uso: scripts/bench.sh [VEZES, 3 ou mais]" >&2; exit 2; }
"$repo/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
px="$repo/build/pontelix"
cp "$repo/examples/parabola.pxg" "$work/"
"$px" render --mode=embosser "$work/parabola.pxg" -o "$work/parabola.bmp"
printf '<Esc>s' >"$work/keys.txt"
mkdir -p "$work/config"
python3 "$repo/bench/side_by_side.py" "$work" "$px" "$runs"
