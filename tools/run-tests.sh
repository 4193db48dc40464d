#!/usr/bin/env bash
# Runs every test of a build folder on both database engines: starts a
# private PostgreSQL server under FOLDER/pg for the run and stops it after.
#   run-tests.sh FOLDER [ctest options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
shift

trap '"$root/tools/pg-cluster.sh" stop "$build/pg"' EXIT
eval "$("$root/tools/pg-cluster.sh" start "$build/pg")"
export PURCHASING_PG_HOST PURCHASING_PG_PORT PURCHASING_PG_USER PURCHASING_PG_PASSWORD
export XDG_RUNTIME_DIR="$build/runtime"; mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"

cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600 "$@"
