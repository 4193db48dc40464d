#!/usr/bin/env bash
# A private, throw-away PostgreSQL server for the tests and benchmarks:
#   pg-cluster.sh start DIR   -> prints the environment to use (eval it)
#   pg-cluster.sh stop DIR
# It listens only on a socket inside DIR (no TCP port), and runs as
# a non-root user (postgres when started by root).
set -euo pipefail
cmd=$1; dir=$(mkdir -p "$2" && cd "$2" && pwd)
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n1)
as_owner() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

case "$cmd" in
start)
  rm -rf "$dir/data" "$dir/sock"; mkdir -p "$dir/sock"
  [ "$(id -u)" -eq 0 ] && chown postgres "$dir" "$dir/sock"
  # The server listens on its own socket directory only, so the port number
  # merely names the socket file and cannot clash with another server.
  port=5432
  printf 'vmuser\n' > "$dir/pwfile"; [ "$(id -u)" -eq 0 ] && chown postgres "$dir/pwfile"
  as_owner "$bin/initdb" -D "$dir/data" -U VMUSER --pwfile="$dir/pwfile" -A scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
  as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
    -o "-k $dir/sock -p $port -c listen_addresses='' -c max_connections=60 -c fsync=off -c full_page_writes=off" start >/dev/null
  echo "export PURCHASING_PG_HOST=$dir/sock PURCHASING_PG_PORT=$port PURCHASING_PG_USER=VMUSER PURCHASING_PG_PASSWORD=vmuser"
  ;;
stop)
  [ -d "$dir/data" ] && as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
  ;;
esac
