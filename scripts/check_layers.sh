#!/usr/bin/env bash
# Fails when a folder of standard C++ only includes Qt: the engine, the computer
# opponent and the pure protocol folders build and test without it.
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(engine ai net/protocol lobby/irc)
present=()
for f in "${folders[@]}"; do [[ -d "$f" ]] && present+=("$f"); done
if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]*|qt[a-z]*/[^>"]*)[>"]|\bQ_OBJECT\b' "${present[@]}"; then
  echo "Qt is used above in a folder that must hold standard C++ only: ${present[*]}" >&2
  exit 1
fi
echo "no Qt in ${present[*]}"
