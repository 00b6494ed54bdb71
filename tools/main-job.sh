#!/usr/bin/env bash
# The main job: renders the built-in stereo test signal (or the WAV file and
# options given as arguments) through Duveline and writes the result to out/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/setup/configure-and-build.sh" "$root/build" -- duveline-render > "$root/build.log" 2>&1 \
  || { tail -50 "$root/build.log"; exit 1; }
cd "$root"
if (($#)); then
  exec "$root/build/tools/render/duveline-render" "$@"
fi
exec "$root/build/tools/render/duveline-render" --preset "Super Wide" --out out/duveline-super-wide.wav
