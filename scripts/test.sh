#!/usr/bin/env bash
# Sets everything up, then runs the whole test suite: the engine under
# AddressSanitizer and UndefinedBehaviorSanitizer first, then the saved-game
# loader under libFuzzer for a minute and the IRC reader for half a minute, then every test of the normal build,
# whose ctest summary is the last thing printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

echo "== the engine, the computer opponent and the pure protocol folders hold no Qt =="
bash "$root/scripts/check_layers.sh"

bash "$root/scripts/setup.sh" "$root/build-sanitize" \
  -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_WITH_QT=OFF -DTARVELO_WERROR=ON
echo "== engine and computer-player tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

echo "== saved-game loader under libFuzzer (a minute) =="
fuzz="$root/build-fuzz"
cmake -S "$root/store/fuzz" -B "$fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$fuzz" --parallel "$jobs"
rm -rf "$fuzz/corpus" && mkdir -p "$fuzz/corpus"
"$fuzz/saved_game_seeds" "$fuzz/corpus"
if ! (cd "$fuzz" && "$fuzz/saved_game_fuzzer" -max_total_time=60 -print_final_stats=1 \
        -dict="$root/store/fuzz/saved_game.dict" "$fuzz/corpus" >"$fuzz/fuzz.log" 2>&1); then
  tail -n 60 "$fuzz/fuzz.log"
  echo "The saved-game fuzzer found a fault; the input is in $fuzz (crash-*)."
  exit 1
fi
grep -E "^Done [0-9]+ runs" "$fuzz/fuzz.log"

echo "== IRC lines and lobby event texts under libFuzzer (half a minute) =="
ircfuzz="$root/build-fuzz-irc"
cmake -S "$root/lobby/irc/fuzz" -B "$ircfuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$ircfuzz" --parallel "$jobs"
mkdir -p "$ircfuzz/corpus"
if ! (cd "$ircfuzz" && "$ircfuzz/irc_fuzzer" -max_total_time=30 -print_final_stats=1 "$ircfuzz/corpus" \
        >"$ircfuzz/fuzz.log" 2>&1); then
  tail -n 60 "$ircfuzz/fuzz.log"
  echo "The IRC fuzzer found a fault; the input is in $ircfuzz (crash-*)."
  exit 1
fi
grep -E "^Done [0-9]+ runs" "$ircfuzz/fuzz.log"

bash "$root/scripts/setup.sh" "$root/build" -DTARVELO_WERROR=ON
echo "== all tests =="
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
