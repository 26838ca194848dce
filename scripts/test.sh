#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite; then the checks:
# the suite again under the sanitizers, every fuzz target for a short while, and the
# Windows build under Wine beside the Linux one (scripts/windows.sh --test; its
# libraries are built once into a cache outside the clone). Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
(cd build && ctest --output-on-failure -j2 "$@")

./scripts/sanitize.sh "$@"
./scripts/fuzz.sh all 20
./scripts/windows.sh --test
