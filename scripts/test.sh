#!/usr/bin/env bash
# Sets everything up, then runs the whole test suite: the engine under
# AddressSanitizer and UndefinedBehaviorSanitizer first, then every test of
# the normal build, whose ctest summary is the last thing printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

bash "$root/scripts/setup.sh" "$root/build-sanitize" \
  -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_WITH_QT=OFF
echo "== engine tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

bash "$root/scripts/setup.sh" "$root/build"
echo "== all tests =="
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
