#!/usr/bin/env bash
# Runs a command under a virtual X server of its own, as "xvfb-run -a" does, for the GUI tests.
# Xvfb picks the free display itself (-displayfd), so tests started in parallel never race for
# the same display number, which made "xvfb-run -a" fail now and then under a parallel ctest.
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
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$dir/display" 2> "$dir/server.log" &
server=$!
number=
read -r number < "$dir/display" || true
if [ -z "$number" ]; then
  cat "$dir/server.log" >&2
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$number"
"$@"
