#!/usr/bin/env bash
# The main job: builds the plug-in bundle and our AAX host, and renders the built-in stereo
# test signal (or the WAV file and options given as arguments) through the bundle with the
# host, writing the result to out/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/setup/configure-and-build.sh" "$root/build" -- duveline_aax duveline-host > "$root/build.log" 2>&1 \
  || { tail -50 "$root/build.log"; exit 1; }
cd "$root"
host="$root/build/host/duveline-host"
bundle="$root/build/Duveline.aaxplugin"
if (($#)); then
  exec "$host" render "$bundle" "$@"
fi
exec "$host" render "$bundle" --preset "Super Wide" --out out/duveline-super-wide.wav
