#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds into build/ (what the
# demo command built already is not built again; a fresh clone builds it all),
# and runs every test on both database engines against a private PostgreSQL
# server started for the run and stopped after it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

"$root/tools/install-deps.sh"
start=$(date +%s)
"$root/tools/build.sh" "$build"
echo "build: $(( $(date +%s) - start )) s"
exec "$root/tools/run-tests.sh" "$build"
