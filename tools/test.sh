#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds from scratch, starts
# a private PostgreSQL server, runs every test on both database engines and
# stops the server again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-test"

"$root/tools/install-deps.sh"
rm -rf "$build"
start=$(date +%s)
"$root/tools/build.sh" "$build"
echo "build: $(( $(date +%s) - start )) s"

trap '"$root/tools/pg-cluster.sh" stop "$build/pg"' EXIT
eval "$("$root/tools/pg-cluster.sh" start "$build/pg")"
export PURCHASING_PG_HOST PURCHASING_PG_PORT PURCHASING_PG_USER PURCHASING_PG_PASSWORD
export XDG_RUNTIME_DIR="$build/runtime"; mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"

cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
