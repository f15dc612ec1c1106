#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Usage: scripts/setup.sh [build-dir [extra cmake arguments...]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true

# A name counts as there when a package of that name is installed, or when an
# installed package provides it (a virtual name): the package manager is run
# only for what is really missing.
installed="$(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Provides}\n' 2>/dev/null |
  awk '$1 == "ii" { gsub(/,/, ""); for (i = 2; i <= NF; i++) { sub(/:.*/, "", $i); if ($i !~ /[()=<>]/) print $i } }' |
  sort -u)"
missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  grep -qxF "$pkg" <<<"$installed" || missing+=("$pkg")
done < "$root/scripts/packages.txt"

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja "$@"
cmake --build "$build" --parallel "$(nproc)"
