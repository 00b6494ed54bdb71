#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: in the normal build, then in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer; between the two, when clang is there, a
# short run of each fuzz target over its seed corpus. Ends with the sanitizer pass's ctest summary.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/tools/setup/configure-and-build.sh" "$root/build" -- all > "$root/build.log" 2>&1 \
  || { tail -80 "$root/build.log"; exit 1; }
ctest --test-dir "$root/build" -j"$jobs" --output-on-failure --timeout 600

# Every report is fatal; leaks in the X11 client libraries (kept by Xlib for the process's
# lifetime) are not ours and are suppressed by name, so leak checking stays on for our code.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/sanitizer/lsan-suppressions.txt:print_suppressions=0"

if command -v clang++ > /dev/null; then
  "$root/tools/setup/configure-and-build.sh" "$root/build-fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DDUVELINE_FUZZ=ON -DDUVELINE_SANITIZE=address,undefined -DDUVELINE_BUILD_TESTS=OFF -- \
    chunk_fuzzer state_fuzzer parameter_text_fuzzer live_chunk_fuzzer live_text_fuzzer > "$root/build-fuzz.log" 2>&1 \
    || { tail -80 "$root/build-fuzz.log"; exit 1; }
  ctest --test-dir "$root/build-fuzz" -j"$jobs" --output-on-failure --timeout 600
fi

"$root/tools/setup/configure-and-build.sh" "$root/build-sanitize" -DDUVELINE_SANITIZE=address,undefined -- all \
  > "$root/build-sanitize.log" 2>&1 || { tail -80 "$root/build-sanitize.log"; exit 1; }
# The slowest purely numeric tests run in the normal pass only: they exercise no memory
# handling the other tests do not, and under the sanitizers they would take most of the time.
# One regular expression a line in the list.
numeric_only="$(grep -v '^#' "$root/tools/sanitizer/numeric-only-tests.txt" | paste -sd'|')"
ctest --test-dir "$root/build-sanitize" -j"$jobs" --output-on-failure --timeout 1200 ${numeric_only:+-E "$numeric_only"}
