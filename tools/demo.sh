#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo database and starts the
# program on it through the launcher stand-in, as the administrator.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$build"
if [ ! -f "$build/demo.db" ]; then
  "$build/purchasing-db" demo "$build/demo.db"
fi
exec "$build/vemo" --alias "$build/demo.db" "$@"
