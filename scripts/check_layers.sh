#!/usr/bin/env bash
# Checks the layers of the source tree and fails on any breach, naming every
# offending include by file:line.
#
#   scripts/check_layers.sh [root]      check the tree at root (default: this repository)
#   scripts/check_layers.sh --self-test show that the check fails on forbidden includes
#
# 1. No Qt in the folders of standard C++ only (the engine, the computer
#    opponent and the pure protocol folders build and test without it).
# 2. Every `#include "folder/..."` of every source and header obeys the table
#    below. A file is judged by the most specific folder of the table that holds
#    it, its tests/, testing/ and fuzz/ folders included (engine/tests may
#    include engine/testing: both are the engine). So:
#      engine        includes only the engine;
#      ai            only itself (ai/selfplay too) and the engine;
#      net/protocol  only itself and the engine;
#      lobby/irc     only itself;
#      lobby/invitation  only itself and lobby/lobby.h (the lobby's states);
#      session       anything but ui, lobby and app;
#      ui            anything but lobby and app;
#      app           anything;
#      any other     anything but app (nothing below main() includes the program).
# 3. Only test code (a tests/, testing/ or fuzz/ folder) includes a tests/ or
#    testing/ folder: test helpers never reach the program.
set -euo pipefail

# folder        kind  folders ("only": the allowed ones; "not": the forbidden ones)
layer_table=(
  "engine       only  engine"
  "ai           only  ai engine"
  "net/protocol only  net/protocol engine"
  "lobby/irc    only  lobby/irc"
  "lobby/invitation only lobby/invitation lobby/lobby.h"
  "session      not   ui lobby app"
  "ui           not   lobby app"
  "app          not"
  "*            not   app"
)
qt_free=(engine ai net/protocol lobby/irc lobby/invitation)

# True when path is folder or lies below it ("lobby" holds "lobby/irc/x.h", not "lobbyist/x.h").
under() { [[ "$2" == "*" || "$1" == "$2" || "$1" == "$2"/* ]]; }

# Sets rule to the table row that judges a file: the longest folder that holds it.
rule_for() {
  local file="$1" row folder length bestLength=-1
  for row in "${layer_table[@]}"; do
    read -r folder _ <<<"$row"
    length=${#folder}
    [[ "$folder" == "*" ]] && length=0
    if under "$file" "$folder" && ((length > bestLength)); then
      rule="$row"
      bestLength=$length
    fi
  done
}

is_test_code() { [[ "/$1" =~ /(tests|testing|fuzz)/ ]]; }

# Sets why to the reason an include breaks the rules, or to nothing when it is allowed.
# (No command substitution: the check runs once per include of the tree.)
breach() {
  local file="$1" included="$2" folder kind folders f allowed=""
  why=""
  rule_for "$file"
  read -r folder kind folders <<<"$rule"
  if [[ "$kind" == only ]]; then
    for f in $folders; do under "$included" "$f" && allowed=1; done
    if [[ -z "$allowed" ]]; then
      why="$folder includes only ${folders// /, }"
      return
    fi
  else
    [[ "$folder" == "*" ]] && folder="no folder but app"
    for f in $folders; do
      if under "$included" "$f"; then
        why="$folder includes no $f"
        return
      fi
    done
  fi
  if [[ "/$included" =~ /(tests|testing)/ ]] && ! is_test_code "$file"; then
    why="only test code includes test helpers"
  fi
}

check_qt() {
  local present=() f
  for f in "${qt_free[@]}"; do [[ -d "$f" ]] && present+=("$f"); done
  ((${#present[@]})) || return 0
  if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]*|qt[a-z]*/[^>"]*)[>"]|\bQ_OBJECT\b' "${present[@]}"; then
    echo "Qt is used above in a folder that must hold standard C++ only: ${present[*]}" >&2
    return 1
  fi
  echo "no Qt in ${present[*]}"
}

check_includes() {
  local breaches=0 checked=0 file line text included why rule
  while IFS=: read -r file line text; do
    file="${file#./}"
    [[ "$text" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+/[^\"]+)\" ]] || continue
    included="${BASH_REMATCH[1]}"
    checked=$((checked + 1))
    breach "$file" "$included"
    if [[ -n "$why" ]]; then
      echo "$file:$line: #include \"$included\": $why" >&2
      breaches=$((breaches + 1))
    fi
  done < <(find . \( -path './build*' -o -path './.*' \) -prune -o -type f \
                \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' -o -name '*.inl' \) -print0 |
             sort -z | xargs -0 -r grep -nHE '^\s*#\s*include\s*"' || true)
  if ((breaches)); then
    echo "$breaches include(s) above break the folder layers (see scripts/check_layers.sh)" >&2
    return 1
  fi
  echo "all $checked includes of a folder keep to the folder layers"
}

check_tree() {
  cd "$1"
  local status=0
  check_qt || status=1
  check_includes || status=1
  return $status
}

# Each case is one file in an otherwise empty tree: the file, its third line,
# and whether the check must pass it.
self_test() {
  local cases=(
    "engine/rules.cpp|#include \"engine/game.h\"|pass"
    "engine/tests/rules_test.cpp|#include \"engine/testing/table_builder.h\"|pass"
    "engine/rules.cpp|#include \"ui/window.h\"|fail"
    "engine/rules.cpp|#include \"engine/testing/table_builder.h\"|fail"
    "engine/rules.cpp|#include <QString>|fail"
    "engine/rules.cpp|// #include \"ui/window.h\" was here once|pass"
    "ai/tests/turn_test.cpp|#include \"engine/testing/table_builder.h\"|pass"
    "ai/selfplay/match.cpp|#include \"ai/turn.h\"|pass"
    "ai/turn.cpp|#include \"store/statistics.h\"|fail"
    "net/protocol/tokens.cpp|#include \"engine/move.h\"|pass"
    "net/protocol/tokens.cpp|#include \"net/peer.h\"|fail"
    "net/protocol/fuzz/fuzzer.cpp|#include \"lobby/irc/irc_text.h\"|fail"
    "lobby/irc/irc_text.cpp|#include \"lobby/lobby.h\"|fail"
    "lobby/irc/irc_text.cpp|#include \"engine/game.h\"|fail"
    "lobby/lobby.cpp|#include \"lobby/irc/irc_text.h\"|pass"
    "lobby/invitation/invitation.h|#include \"lobby/lobby.h\"|pass"
    "lobby/invitation/invitation.cpp|#include \"lobby/lobby_client.h\"|fail"
    "lobby/invitation/tests/invitation_test.cpp|#include \"lobby/irc/irc_text.h\"|fail"
    "lobby/invitation/invitation.cpp|#include <QString>|fail"
    "lobby/window/lobby_window.cpp|#include \"store/settings.h\"|pass"
    "lobbyist/x.cpp|#include \"engine/game.h\"|pass"
    "session/session.cpp|#include \"store/settings.h\"|pass"
    "session/session.cpp|#include \"ui/window.h\"|fail"
    "session/tests/session_test.cpp|#include \"lobby/lobby.h\"|fail"
    "ui/dialogs/rules.cpp|#include \"lobby/irc/irc_text.h\"|fail"
    "ui/window.cpp|#include \"session/session.h\"|pass"
    "store/settings.cpp|#include \"app/program.h\"|fail"
    "app/main.cpp|#include \"app/program.h\"|pass"
    "app/program.cpp|#include \"lobby/window/lobby_window.h\"|pass"
  )
  local tmp failures=0 entry file text expected output status
  tmp="$(mktemp -d)"
  trap 'rm -rf "$tmp"' RETURN
  for entry in "${cases[@]}"; do
    IFS='|' read -r file text expected <<<"$entry"
    rm -rf "${tmp:?}/tree" && mkdir -p "$tmp/tree/$(dirname "$file")"
    printf '#pragma once\n\n%s\n' "$text" >"$tmp/tree/$file"
    status=0
    output="$(bash "$0" "$tmp/tree" 2>&1)" || status=$?
    if [[ "$expected" == pass && $status -ne 0 ]] ||
       [[ "$expected" == fail && ($status -eq 0 || "$output" != *"$file:3:"*) ]]; then
      echo "self-test: $file with '$text' should $expected; the check said (exit $status):" >&2
      echo "$output" >&2
      failures=$((failures + 1))
    fi
  done
  # Every breach is named, not only the first one found.
  rm -rf "${tmp:?}/tree" && mkdir -p "$tmp/tree/engine" "$tmp/tree/ui"
  printf '#include "ui/window.h"\n#include "engine/game.h"\n#include "app/program.h"\n' >"$tmp/tree/engine/a.cpp"
  printf '#include "lobby/lobby.h"\n' >"$tmp/tree/ui/b.cpp"
  output="$(bash "$0" "$tmp/tree" 2>&1)" && status=0 || status=$?
  local named
  named="$(grep -cE '^(engine/a\.cpp:[13]|ui/b\.cpp:1): ' <<<"$output" || true)"
  if [[ $status -eq 0 || "$named" -ne 3 ]]; then
    echo "self-test: three breaches in two files should all be named; the check said (exit $status):" >&2
    echo "$output" >&2
    failures=$((failures + 1))
  fi
  if ((failures)); then
    echo "self-test: $failures case(s) wrong" >&2
    return 1
  fi
  echo "self-test: the layer check passes and fails as its table says (${#cases[@]} cases and one tree of several breaches)"
}

if [[ "${1:-}" == --self-test ]]; then
  self_test
else
  check_tree "${1:-$(dirname "$0")/..}"
fi
