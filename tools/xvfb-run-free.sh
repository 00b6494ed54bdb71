#!/usr/bin/env bash
# Runs a command under a virtual X server of its own, as "xvfb-run -a" does, for the GUI tests.
# Each server takes its display number through the X server's own lock file and the next number
# is tried when that one is taken, so tests started in parallel never share a display, which made
# "xvfb-run -a" fail now and then under a parallel ctest. Numbers start at 99 like xvfb-run's:
# tests that run without a virtual server must never find one at :0.
set -euo pipefail
[ "${1:-}" = "-a" ] && shift
dir="$(mktemp -d)"
server=
cleanup()
{
  [ -n "$server" ] && kill "$server" 2> /dev/null && wait "$server" 2> /dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
mkfifo "$dir/ready"
number=
for candidate in $(seq 99 299); do
  # -displayfd writes the number once the server accepts connections, and nothing if it fails.
  # -noreset: a server that resets when its last client disconnects refuses connections for a
  # moment, and a test that opens the display again right then finds none.
  Xvfb ":$candidate" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$dir/ready" 2> "$dir/server.log" &
  server=$!
  read -r number < "$dir/ready" || true
  [ -n "$number" ] && break
  wait "$server" 2> /dev/null || true
  server=
done
if [ -z "$number" ]; then
  cat "$dir/server.log" >&2
  echo "no free display for Xvfb" >&2
  exit 1
fi
export DISPLAY=":$number"
"$@"
