#!/usr/bin/env bash
# Starts or stops the throwaway PostgreSQL server of the test suite:
#   pg-test-server.sh start DIR   initdb into DIR/data, server on a Unix socket in DIR only
#   pg-test-server.sh stop DIR    stops it and removes DIR
# The superuser is "palvane" with trust authentication on the socket (no TCP port is opened).
# PostgreSQL refuses to run as root: run as root, the server runs as "nobody".
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?folder}
port=${PALVANE_TEST_PG_PORT:-54329}
bin=${PG_BIN:-/usr/lib/postgresql/15/bin}
as_user() {
  if [ "$(id -u)" = 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}
case "$cmd" in
start)
  [ -x "$bin/initdb" ] || { echo "initdb not found in $bin (package postgresql-15)" >&2; exit 1; }
  # A server left by an interrupted run is stopped first.
  [ -f "$dir/data/postmaster.pid" ] && as_user "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$dir"
  mkdir -p "$dir"
  [ "$(id -u)" = 0 ] && chown nobody "$dir"
  as_user "$bin/initdb" -D "$dir/data" -U palvane -A trust -E UTF8 --no-locale >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; exit 1; }
  as_user "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-k $dir -p $port -c listen_addresses='' -c fsync=off -c max_connections=60" start >/dev/null ||
    { cat "$dir/server.log" >&2; exit 1; }
  as_user "$bin/createdb" -h "$dir" -p "$port" -U palvane palvane_test
  echo "PostgreSQL test server on $dir port $port"
  ;;
stop)
  if [ -f "$dir/data/postmaster.pid" ]; then
    as_user "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
  fi
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
