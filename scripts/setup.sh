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

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"

# The lobby's IRC server and services come with system daemons of their own;
# the project never uses them (tests and lobby hosts start their own servers on
# free ports), so they are neither started at install nor at boot.
daemons=(inspircd atheme-services)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  policy=/usr/sbin/policy-rc.d
  made_policy=""
  if [[ ! -e "$policy" ]]; then
    printf '#!/bin/sh\n# No daemon starts while the project installs its packages.\nexit 101\n' | $sudo tee "$policy" >/dev/null
    $sudo chmod 755 "$policy"
    made_policy=1
  fi
  $sudo apt-get update -q
  status=0
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" || status=$?
  [[ -n "$made_policy" ]] && $sudo rm -f "$policy"
  ((status == 0)) || exit "$status"
fi

for daemon in "${daemons[@]}"; do
  if [[ -e "/etc/systemd/system/multi-user.target.wants/$daemon.service" ]] && command -v systemctl >/dev/null; then
    $sudo systemctl disable "$daemon.service" >/dev/null 2>&1 || true
  fi
  if compgen -G "/etc/rc[2-5].d/S*$daemon" >/dev/null && command -v update-rc.d >/dev/null; then
    $sudo update-rc.d "$daemon" disable >/dev/null 2>&1 || true
  fi
done

cmake -S "$root" -B "$build" -G Ninja "$@"
cmake --build "$build" --parallel "$(nproc)"
