#!/usr/bin/env bash
# Renders the same drawings with two builds of the program and says where their outputs
# differ: every road (screen, embosser, ink, tactile) and every format, and the check's
# report. Images count as equal when their pixels are (PDF pages through pdfimages).
# Usage: scripts/compare-outputs.sh BEFORE AFTER [DRAWING.pxg...]
#   BEFORE, AFTER  two pontelix programs; the drawings default to the examples, the check's
#   corpus and the fuzz corpus of scripts.
set -uo pipefail
cd "$(dirname "$0")/.."
before=$(realpath "$1") after=$(realpath "$2")
shift 2
if [ $# -eq 0 ]; then
  set -- examples/*.pxg tests/output/checking/corpus/*.pxg fuzz/corpus/script/*
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One output of one program: the file, or what it said when it made none.
render() {  # program dir name args...
  local program=$1 dir=$2 name=$3
  shift 3
  (cd examples && timeout 60 "$program" --language=pt "$@" >"$dir/$name.said" 2>&1)
}

same_pixels() {  # a b
  [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]
}

# Pages whose bytes agree but for the date they were made on, or whose images agree.
same_pdf() {  # a b
  cmp -s <(LC_ALL=C sed '/CreationDate/d' "$1") <(LC_ALL=C sed '/CreationDate/d' "$2") && return
  rm -rf "$work/pa" "$work/pb" && mkdir "$work/pa" "$work/pb"
  pdfimages -png "$1" "$work/pa/i" && pdfimages -png "$2" "$work/pb/i" || return 1
  local a
  [ -n "$(ls "$work/pa")" ] || return 1
  for a in "$work"/pa/*; do same_pixels "$a" "$work/pb/$(basename "$a")" || return 1; done
}

roads=(
  "screen.png|render --mode=screen"
  "screen.bmp|render --mode=screen"
  "screen.jpg|render --mode=screen"
  "embosser.brf|render --mode=embosser"
  "embosser.txt|render --mode=embosser"
  "embosser.pef|render --mode=embosser"
  "ink.pdf|render --mode=ink"
  "ink.png|render --mode=ink"
  "tactile.svg|render --mode=tactile"
  "tactile.pdf|render --mode=tactile"
)
differ=0 count=0
compare_one() {  # label
  local label=$1 a="$work/a/$1" b="$work/b/$1"
  count=$((count + 1))
  cmp -s "$a.said" "$b.said" || { echo "differs (what was said): $label"; differ=$((differ + 1)); return; }
  [ -e "$a" ] || [ -e "$b" ] || return
  cmp -s "$a" "$b" && return
  case "$label" in
    *.png | *.bmp | *.jpg) same_pixels "$a" "$b" && return ;;
    *.pdf) same_pdf "$a" "$b" && return ;;
  esac
  echo "differs: $label"
  differ=$((differ + 1))
}

mkdir -p "$work/a" "$work/b"
run_both() {  # label args...
  local label=$1
  shift
  render "$before" "$work/a" "$label" "$@" -o "$work/a/$label"
  render "$after" "$work/b" "$label" "$@" -o "$work/b/$label"
  compare_one "$label"
}

for drawing in "$@"; do
  script=$(realpath "$drawing") base=$(basename "$drawing")
  for road in "${roads[@]}"; do
    ext=${road%%|*} args=${road#*|}
    # shellcheck disable=SC2086
    run_both "$base.$ext" $args "$script"
  done
  for program in "$before" "$after"; do
    [ "$program" = "$before" ] && dir=$work/a || dir=$work/b
    (cd examples && timeout 60 "$program" --language=pt check "$script" >"$dir/$base.check.said" 2>&1)
  done
  compare_one "$base.check"
done
for size in 2480 4960; do
  run_both "test-$size.pdf" render --mode=ink --test-drawing --size=$size
  run_both "test-$size.png" render --mode=ink --test-drawing --size=$size
done
run_both "test-screen.bmp" render --mode=screen --test-drawing
run_both "test-embosser.brf" render --mode=embosser --test-drawing
echo "$count outputs compared, $differ differ"
[ "$differ" -eq 0 ]
