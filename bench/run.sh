#!/usr/bin/env bash
# Builds and runs the benchmarks on both engines (a private PostgreSQL server
# is started and stopped here).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/build.sh" "$build"
work="$build/bench-work"; rm -rf "$work"; mkdir -p "$work"
trap '"$root/tools/pg-cluster.sh" stop "$work/pg"' EXIT
eval "$("$root/tools/pg-cluster.sh" start "$work/pg")"
export PGUSER=$PURCHASING_PG_USER PGPASSWORD=$PURCHASING_PG_PASSWORD PGSERVICEFILE="$work/pg_service.conf"
printf '[bench]\nhost=%s\nport=%s\ndbname=postgres\n' "$PURCHASING_PG_HOST" "$PURCHASING_PG_PORT" > "$PGSERVICEFILE"
# The demo history of the summaries gets a database of its own.
printf '[summaries]\nhost=%s\nport=%s\ndbname=summaries\n' "$PURCHASING_PG_HOST" "$PURCHASING_PG_PORT" >> "$PGSERVICEFILE"
"$build/purchasing-db" init "$work/bench.db" >/dev/null
"$build/purchasing-db" init bench >/dev/null
"$build/bench_closing" "$work/bench.db"
"$build/bench_closing" bench
QT_QPA_PLATFORM=offscreen "$build/bench_closing_screens" "$work/bench.db"
QT_QPA_PLATFORM=offscreen "$build/bench_closing_screens" bench
"$build/bench_adminno" "$work/bench.db"
"$build/bench_adminno" bench
"$build/purchasing-db" init "$work/stock.db" >/dev/null
"$build/bench_stock" "$work/stock.db"
"$build/bench_stock" bench
# The stock summaries on the scaled demo history.
if [ -x "$build/bench_summaries" ]; then
  "$build/purchasing-db" demo "$work/summaries.db" --scale 4 >/dev/null
  "$build/bench_summaries" "$work/summaries.db"
  createdb -h "$PURCHASING_PG_HOST" -p "$PURCHASING_PG_PORT" summaries
  "$build/purchasing-db" demo summaries --scale 2 >/dev/null
  "$build/bench_summaries" summaries
fi
export QT_QPA_PLATFORM=offscreen
for b in bench_grid bench_export; do
  if [ -x "$build/$b" ]; then "$build/$b"; fi
done
# A list past the .xls limit, to .xlsx: 1,000,000 rows x 10 columns.
if [ -x "$build/bench_export" ]; then "$build/bench_export" 1000000 bound xlsx; fi
if [ -x "$build/bench_report" ]; then "$build/bench_report" 1000 "$work/bench_report.pdf"; fi
