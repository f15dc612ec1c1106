#!/usr/bin/env bash
# Sets everything up, then runs the whole test suite: the layer check, the engine
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the saved-game
# loader under libFuzzer for a minute, the IRC reader and the receive path of peer
# messages for half a minute each, then
# every test of the normal build, whose ctest summary is the last thing printed.
# Sourced, it only defines its functions (run_fuzzer runs one fuzz project).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

# Builds the libFuzzer project of a folder with clang and runs its fuzzer for
# some seconds on the corpus in <build>/corpus, which a seed program writes
# afresh when there is one and which otherwise grows from run to run, and on
# the committed inputs of --inputs (each input a fuzzer once found a fault with
# is kept there, so the fault stays covered). A fault ends the whole run, with
# the log's end and where the input lies.
#   run_fuzzer <what> <project folder> <build folder> <fuzzer> <seconds> [--seeds <program>] [--dict <file>]
#              [--inputs <folder>]
run_fuzzer() {
  local what="$1" project="$2" build="$3" fuzzer="$4" seconds="$5" seeds="" dict="" inputs=""
  shift 5
  while (($#)); do
    case "$1" in
      --seeds) seeds="$2" ;;
      --dict) dict="$2" ;;
      --inputs) inputs="$2" ;;
      *) echo "run_fuzzer: unknown option $1" >&2 && return 2 ;;
    esac
    shift 2
  done
  cmake -S "$project" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$build" --parallel "$jobs"
  if [[ -n "$seeds" ]]; then
    rm -rf "$build/corpus" && mkdir -p "$build/corpus"
    "$build/$seeds" "$build/corpus"
  else
    mkdir -p "$build/corpus"
  fi
  local options=(-max_total_time="$seconds" -print_final_stats=1)
  [[ -n "$dict" ]] && options+=(-dict="$dict")
  # New inputs go to the first folder only: the committed ones stay as they are.
  local corpora=("$build/corpus")
  [[ -n "$inputs" ]] && corpora+=("$inputs")
  if ! (cd "$build" && "$build/$fuzzer" "${options[@]}" "${corpora[@]}" >"$build/fuzz.log" 2>&1); then
    tail -n 60 "$build/fuzz.log"
    echo "The $what fuzzer found a fault; the input is in $build (crash-*)."
    exit 1
  fi
  grep -E "^Done [0-9]+ runs" "$build/fuzz.log"
}

main() {
  echo "== the layers: no Qt in the standard C++ folders, and each folder includes only what it may =="
  bash "$root/scripts/check_layers.sh"

  bash "$root/scripts/setup.sh" "$root/build-sanitize" \
    -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_WITH_QT=OFF -DTARVELO_WERROR=ON
  echo "== engine and computer-player tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

  echo "== saved-game loader under libFuzzer (a minute) =="
  run_fuzzer saved-game "$root/store/fuzz" "$root/build-fuzz" saved_game_fuzzer 60 \
    --seeds saved_game_seeds --dict "$root/store/fuzz/saved_game.dict"

  echo "== IRC lines and lobby event texts under libFuzzer (half a minute) =="
  run_fuzzer IRC "$root/lobby/irc/fuzz" "$root/build-fuzz-irc" irc_fuzzer 30 --inputs "$root/lobby/irc/fuzz/seeds"

  echo "== peer messages as they arrive, cut, decoded and made on a scratch table, under libFuzzer (half a minute) =="
  run_fuzzer protocol "$root/net/protocol/fuzz" "$root/build-fuzz-protocol" protocol_fuzzer 30 --inputs "$root/net/protocol/fuzz/seeds"

  bash "$root/scripts/setup.sh" "$root/build" -DTARVELO_WERROR=ON
  echo "== all tests =="
  ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  main
fi
