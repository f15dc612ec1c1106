#!/usr/bin/env bash
# Hosts a Tarvelo game lobby on this machine: an InspIRCd server with Atheme
# services for the players' accounts. Any user can run it; nothing is installed
# and nothing outside RUNDIR is written.
#
#   lobby-server.sh start RUNDIR PORT [ADDRESS]          a lobby on PORT (loopback unless ADDRESS)
#   lobby-server.sh link  RUNDIR PORT HUB_RUNDIR [ADDRESS]  a second server, linked to the lobby in HUB_RUNDIR
#   lobby-server.sh stop  RUNDIR                          stop what RUNDIR's pids name
#
# The servers and services link on LOBBY_LINK_PORT (default PORT + 1, on 127.0.0.1).
# Start waits (at most 20 s) until a player can log in, and fails otherwise.
#
# Each player holds one open file of the server: the servers start with the
# open-file limit raised to the hard limit (ulimit -Hn), and that is what caps
# the players one server holds (a few dozen files go to the server itself).
# Past it, link a second server. LOBBY_MAXLINE and LOBBY_NETBUFFERSIZE replace
# the templates' values, for tests of a network whose servers differ.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

usage() { sed -n '6,8p' "$0" >&2; exit 2; }

# Is a player's login possible: the server welcomes a probe and knows the services?
ready() {
  local address="$1" port="$2"
  timeout 2 bash -c "exec 3<>/dev/tcp/$address/$port || exit 1
    printf 'NICK probe%s\r\nUSER probe 0 * probe\r\n' \$RANDOM >&3
    while read -r -u 3 from code rest; do
      case \$code in
        001) printf 'WHOIS NickServ\r\nQUIT\r\n' >&3 ;;
        311) exit 0 ;;
        401|ERROR) exit 1 ;;
      esac
    done
    exit 1" 2>/dev/null
}

alive() { [[ -f "$1" ]] && kill -0 "$(cat "$1")" 2>/dev/null; }

wait_ready() {
  local rundir="$1" address="$2" port="$3"
  [[ "$address" == "0.0.0.0" ]] && address=127.0.0.1
  for _ in $(seq 100); do
    ready "$address" "$port" && return 0
    for pidfile in "$rundir"/*.pid; do
      if ! alive "$pidfile"; then
        echo "lobby-server: $(basename "$pidfile" .pid) stopped; its log:" >&2
        tail -n 20 "$rundir/$(basename "$pidfile" .pid).out" >&2 || true
        return 1
      fi
    done
    sleep 0.2
  done
  echo "lobby-server: the lobby on $address:$port did not answer within 20 s" >&2
  return 1
}

# Writes $2 from the template $1 with the values of the @NAMES@ in the environment.
render() {
  local text
  text="$(cat "$1")"
  for name in PORT LINK_PORT ADDRESS RUNDIR SERVER_NAME SERVER_ID SERVICES_NAME SERVICES_ID LEAF_NAME LINK_PASSWORD; do
    text="${text//@$name@/${!name}}"
  done
  printf '%s\n' "$text" >"$2"
}

# The values a test asks for in place of the template's.
override() {
  local conf="$1"
  [[ -n "${LOBBY_MAXLINE:-}" ]] && sed -i "s/maxline=\"[0-9]*\"/maxline=\"$LOBBY_MAXLINE\"/" "$conf"
  [[ -n "${LOBBY_NETBUFFERSIZE:-}" ]] && sed -i "s/netbuffersize=\"[0-9]*\"/netbuffersize=\"$LOBBY_NETBUFFERSIZE\"/" "$conf"
  return 0
}

# Starts a daemon in the background, detached from the terminal, and records its pid.
launch() {
  local name="$1" rundir="$2"
  shift 2
  ulimit -n "$(ulimit -Hn)" 2>/dev/null || true
  setsid "$@" >"$rundir/$name.out" 2>&1 </dev/null &
  echo $! >"$rundir/$name.pid"
}

as_root=()
[[ $(id -u) -eq 0 ]] && as_root=(--runasroot)

start() {
  RUNDIR="$(mkdir -p "$1" && cd "$1" && pwd)" PORT="$2" ADDRESS="${3:-127.0.0.1}"
  LINK_PORT="${LOBBY_LINK_PORT:-$((PORT + 1))}"
  SERVER_NAME=irc.tarvelo.lan SERVER_ID=1TV SERVICES_NAME=services.tarvelo.lan SERVICES_ID=00A
  LEAF_NAME=irc2.tarvelo.lan
  LINK_PASSWORD="$(head -c 18 /dev/urandom | base64 | tr -d '/+=')"
  export RUNDIR PORT ADDRESS LINK_PORT SERVER_NAME SERVER_ID SERVICES_NAME SERVICES_ID LEAF_NAME LINK_PASSWORD
  umask 077
  render "$here/inspircd.conf.in" "$RUNDIR/inspircd.conf"
  override "$RUNDIR/inspircd.conf"
  render "$here/atheme.conf.in" "$RUNDIR/atheme.conf"
  cp "$here/motd.txt" "$RUNDIR/motd.txt"
  printf 'LINK_PORT=%s\nLINK_PASSWORD=%s\nSERVER_NAME=%s\nSERVICES_NAME=%s\nLEAF_NAME=%s\n' \
    "$LINK_PORT" "$LINK_PASSWORD" "$SERVER_NAME" "$SERVICES_NAME" "$LEAF_NAME" >"$RUNDIR/link.env"
  launch inspircd "$RUNDIR" inspircd --config "$RUNDIR/inspircd.conf" --nofork "${as_root[@]}"
  launch atheme "$RUNDIR" atheme-services -n -c "$RUNDIR/atheme.conf" -D "$RUNDIR" -l "$RUNDIR/atheme.log" \
    -p "$RUNDIR/atheme.pidfile"
  wait_ready "$RUNDIR" "$ADDRESS" "$PORT"
  echo "lobby-server: a lobby answers on $ADDRESS:$PORT (pids in $RUNDIR)"
}

link() {
  RUNDIR="$(mkdir -p "$1" && cd "$1" && pwd)" PORT="$2" ADDRESS="${4:-127.0.0.1}"
  local hub="$3"
  # shellcheck disable=SC1091
  source "$hub/link.env"
  SERVER_ID=2TV SERVICES_ID=00A
  export RUNDIR PORT ADDRESS LINK_PORT SERVER_NAME SERVER_ID SERVICES_NAME SERVICES_ID LEAF_NAME LINK_PASSWORD
  umask 077
  render "$here/inspircd-linked.conf.in" "$RUNDIR/inspircd.conf"
  override "$RUNDIR/inspircd.conf"
  cp "$here/motd.txt" "$RUNDIR/motd.txt"
  launch inspircd "$RUNDIR" inspircd --config "$RUNDIR/inspircd.conf" --nofork "${as_root[@]}"
  wait_ready "$RUNDIR" "$ADDRESS" "$PORT"
  echo "lobby-server: a linked server answers on $ADDRESS:$PORT (pid in $RUNDIR)"
}

stop() {
  local rundir="$1" pids=()
  for pidfile in "$rundir"/*.pid; do
    [[ -f "$pidfile" ]] && pids+=("$(cat "$pidfile")")
  done
  ((${#pids[@]})) || return 0
  kill -TERM "${pids[@]}" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "${pids[@]}" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "${pids[@]}" 2>/dev/null || true
  rm -f "$rundir"/*.pid
}

case "${1:-}" in
  start) (($# >= 3)) || usage; start "$2" "$3" "${4:-}" ;;
  link) (($# >= 4)) || usage; link "$2" "$3" "$4" "${5:-}" ;;
  stop) (($# >= 2)) || usage; stop "$2" ;;
  *) usage ;;
esac
