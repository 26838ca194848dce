#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pontelix with the given arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
exec ./build/pontelix "$@"
