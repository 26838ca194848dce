#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pontelix with the given arguments. The
# program runs in the caller's directory, so a project named by a relative path is found
# where the user is.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/build.sh" >/dev/null
exec "$repo/build/pontelix" "$@"
