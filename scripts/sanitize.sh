#!/usr/bin/env bash
# Builds the checking tree in build-sanitize/ and runs the whole suite in it under
# AddressSanitizer and UndefinedBehaviorSanitizer. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-env.sh
configure_checking_tree
cmake --build build-sanitize
cd build-sanitize
ctest --output-on-failure -j2 "$@"
