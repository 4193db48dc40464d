#!/usr/bin/env bash
# A private, throw-away PostgreSQL server for the tests and benchmarks:
#   pg-cluster.sh start DIR   -> prints the environment to use (eval it)
#   pg-cluster.sh stop DIR
# It listens only on a socket of its own (no TCP port) and runs as a non-root
# user (postgres when started by root). Its files live in DIR, or, when that
# user cannot reach DIR (a build folder under a private home), in a folder
# under /tmp that DIR/location names and stop removes.
set -euo pipefail
cmd=$1; dir=$(mkdir -p "$2" && cd "$2" && pwd)
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n1)
as_owner() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

case "$cmd" in
start)
  home="$dir"
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres "$dir"
    if ! runuser -u postgres -- test -w "$dir"; then
      home=$(mktemp -d /tmp/purchasing-pg.XXXXXX)
      chown postgres "$home"
      echo "$home" > "$dir/location"
    fi
  fi
  rm -rf "$home/data" "$home/sock"; mkdir -p "$home/sock"
  [ "$(id -u)" -eq 0 ] && chown postgres "$home/sock"
  # The socket directory is the server's own, so the port number merely
  # names the socket file and cannot clash with another server.
  port=5432
  printf 'vmuser\n' > "$home/pwfile"; [ "$(id -u)" -eq 0 ] && chown postgres "$home/pwfile"
  as_owner "$bin/initdb" -D "$home/data" -U VMUSER --pwfile="$home/pwfile" -A scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
  as_owner "$bin/pg_ctl" -D "$home/data" -l "$home/server.log" -w \
    -o "-k $home/sock -p $port -c listen_addresses='' -c max_connections=60 -c fsync=off -c full_page_writes=off" start >/dev/null
  echo "export PURCHASING_PG_HOST=$home/sock PURCHASING_PG_PORT=$port PURCHASING_PG_USER=VMUSER PURCHASING_PG_PASSWORD=vmuser"
  ;;
stop)
  home="$dir"
  [ -f "$dir/location" ] && home=$(cat "$dir/location")
  [ -d "$home/data" ] && as_owner "$bin/pg_ctl" -D "$home/data" -m immediate stop >/dev/null 2>&1 || true
  if [ "$home" != "$dir" ]; then rm -rf "$home" "$dir/location"; fi
  ;;
esac
