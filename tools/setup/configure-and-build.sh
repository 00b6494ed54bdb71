#!/usr/bin/env bash
# Installs what is missing, configures the build folder and builds the given targets.
# usage: configure-and-build.sh <build folder> [cmake -D options...] -- [targets...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
"$root/tools/setup/install-debian-packages.sh"

build="$1"; shift
options=()
while (($#)) && [ "$1" != "--" ]; do options+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift

# When the compiler asked for differs from the one a folder was configured with, CMake wipes the
# folder's cache and silently drops the options given with it: start such a folder afresh.
for option in "${options[@]}"; do
  if [[ "$option" == -DCMAKE_CXX_COMPILER=* ]] && [ -f "$build/CMakeCache.txt" ]; then
    wanted="$(command -v "${option#*=}" || echo "${option#*=}")"
    cached="$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")"
    [ "$cached" = "$wanted" ] || rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
  fi
done

export CCACHE_SLOPPINESS=time_macros
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release "${options[@]}" > "$build.configure.log" 2>&1 \
  || { cat "$build.configure.log"; exit 1; }

if (($#)); then
  cmake --build "$build" -j"$(nproc)" --target "$@"
else
  cmake --build "$build" -j"$(nproc)"
fi
