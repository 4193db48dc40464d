#!/usr/bin/env bash
# Installs what is missing, builds the programs (only those: the test
# command builds the rest into the same folder), prepares the demo database
# and starts the program on it through the launcher stand-in, as the
# administrator.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$build" purchasing vemo purchasing-db purchasing_splash
if [ ! -f "$build/demo.db" ]; then
  "$build/purchasing-db" demo "$build/demo.db.part"
  mv "$build/demo.db.part" "$build/demo.db"
fi
exec "$build/vemo" --alias "$build/demo.db" "$@"
