#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: in the normal build, then in a clang
# build with AddressSanitizer and UndefinedBehaviorSanitizer that also holds the fuzz targets,
# each of which runs over its seed corpus there. Between the two, the validator's checks run on a
# bundle built with ThreadSanitizer. Ends with the sanitizer pass's ctest summary.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/tools/setup/configure-and-build.sh" "$root/build" -- all > "$root/build.log" 2>&1 \
  || { tail -80 "$root/build.log"; exit 1; }
ctest --test-dir "$root/build" -j"$jobs" --output-on-failure --timeout 600

# The validator's checks, its concurrency checks above all (parameter changes from the host, the
# editor and state restores while audio runs, several instances on several audio threads), on a
# bundle and host built with ThreadSanitizer; any report ends the run.
"$root/tools/setup/configure-and-build.sh" "$root/build-tsan" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DDUVELINE_SANITIZE=thread -DDUVELINE_BUILD_TESTS=OFF -- duveline_aax duveline-host > "$root/build-tsan.log" 2>&1 \
  || { tail -80 "$root/build-tsan.log"; exit 1; }
TSAN_OPTIONS="halt_on_error=1" "$root/tools/xvfb-run-free.sh" \
  "$root/build-tsan/host/duveline-host" validate "$root/build-tsan/Duveline.aaxplugin" --fast

# Every report is fatal; leaks in the X11 client libraries (kept by Xlib for the process's
# lifetime) are not ours and are suppressed by name, so leak checking stays on for our code.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/sanitizer/lsan-suppressions.txt:print_suppressions=0"

"$root/tools/setup/configure-and-build.sh" "$root/build-sanitize" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DDUVELINE_SANITIZE=address,undefined -DDUVELINE_FUZZ=ON -- all > "$root/build-sanitize.log" 2>&1 \
  || { tail -80 "$root/build-sanitize.log"; exit 1; }
# The slowest purely numeric tests run in the normal pass only: they exercise no memory
# handling the other tests do not, and under the sanitizers they would take most of the time.
# One regular expression a line in the list.
numeric_only="$(grep -v '^#' "$root/tools/sanitizer/numeric-only-tests.txt" | paste -sd'|')"
ctest --test-dir "$root/build-sanitize" -j"$jobs" --output-on-failure --timeout 1200 ${numeric_only:+-E "$numeric_only"}
