#!/usr/bin/env bash
# Installs what is missing, builds the programs (only those: the test
# command builds the rest into the same folder), prepares the demo database
# and starts the program on it through the launcher stand-in, as the
# administrator.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$build" purchasing-db
# The demo year is written on one core while the rest of the client builds.
writer=""
if [ ! -f "$build/demo.db" ]; then
  rm -f "$build"/demo.db.part*
  ( "$build/purchasing-db" demo "$build/demo.db.part" >"$build/demo.log" &&
    mv "$build/demo.db.part" "$build/demo.db" ) &
  writer=$!
fi
"$root/tools/build.sh" "$build" purchasing vemo purchasing_splash
if [ -n "$writer" ] && ! wait "$writer"; then
  echo "the demo database could not be written: see $build/demo.log" >&2
  exit 1
fi
exec "$build/vemo" --alias "$build/demo.db" "$@"
