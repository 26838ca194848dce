#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests), and starts Pontelix with
# the given arguments. The first run installs packages and builds for a few minutes and
# says so, a few lines
# at a time, so that a listener knows the work goes on; later runs say nothing and start
# the program at once. The program runs in the caller's directory, so a project named
# by a relative path is found where the user is.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/build.sh" --progress
exec "$repo/build/pontelix" "$@"
