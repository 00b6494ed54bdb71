#!/usr/bin/env bash
# Builds everything and runs the whole test suite; ends with ctest's summary.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/setup/configure-and-build.sh" "$root/build" -- all > "$root/build.log" 2>&1 \
  || { tail -80 "$root/build.log"; exit 1; }
ctest --test-dir "$root/build" -j"$(nproc)" --output-on-failure --timeout 600
