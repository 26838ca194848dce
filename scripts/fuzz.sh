#!/usr/bin/env bash
# scripts/fuzz.sh TARGET [SECONDS]: runs one fuzz target for SECONDS (default 600) in
# the checking tree, building it first. TARGET is a fuzz/fuzz_TARGET.cpp name (script,
# braille, datafile, project, ini, bmp, wav, keys), or "all" for each in turn.
# Seeds come from fuzz/corpus/TARGET and words from fuzz/dict/TARGET.dict; new inputs
# gather in build-sanitize/fuzz/corpus/TARGET, and an input that crashes, leaks or
# hangs is kept in build-sanitize/fuzz/findings/ and ends the run with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-env.sh

usage() {
  echo "Uso: scripts/fuzz.sh ALVO [SEGUNDOS]   (ALVO: all ou um de: $(ls fuzz/corpus | tr '\n' ' '))" >&2
  exit 2
}
[ $# -ge 1 ] && [ $# -le 2 ] || usage
seconds="${2:-600}"
[[ "$seconds" =~ ^[0-9]+$ ]] || usage
if [ "$1" = all ]; then
  targets=($(ls fuzz/corpus))
else
  [ -d "fuzz/corpus/$1" ] || usage
  targets=("$1")
fi

configure_checking_tree
cmake --build build-sanitize --target $(printf 'fuzz_%s ' "${targets[@]}")

mkdir -p build-sanitize/fuzz/findings
for target in "${targets[@]}"; do
  work="build-sanitize/fuzz/corpus/$target"
  mkdir -p "$work"
  dict=()
  [ -f "fuzz/dict/$target.dict" ] && dict=(-dict="fuzz/dict/$target.dict")
  log="build-sanitize/fuzz/$target.log"
  echo "== fuzz_$target: ${seconds} s"
  # A single input that takes 20 s is a hang; 2 GB of memory a runaway.
  status=0
  "build-sanitize/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-sanitize/fuzz/findings/$target-" "${dict[@]}" \
    "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzz_$target encontrou um problema (status $status); veja build-sanitize/fuzz/findings/" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
done
