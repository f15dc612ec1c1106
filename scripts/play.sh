#!/usr/bin/env bash
# Sets everything up, then starts the game.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh" "$root/build"
exec "$root/build/bin/tarvelo" "$@"
