# Sourced by the black-box tests: run the real program on the current DISPLAY with a
# settings folder of its own, find its windows, wait for it to end, and fail clearly.
#   source lib.sh <vell executable>
set -euo pipefail
VELL="$1"
[[ -x "$VELL" ]] || { echo "FAIL: no program at $VELL" >&2; exit 1; }
[[ -n "${DISPLAY:-}" ]] || { echo "FAIL: no DISPLAY (run under Xvfb)" >&2; exit 1; }

WORK="$(mktemp -d)"
export XDG_CONFIG_HOME="$WORK/config"
INI="$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/Vell.ini"
mkdir -p "$XDG_CONFIG_HOME" "$WORK/files"
pid=""
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the program with the given arguments; its process id is in $pid.
start_vell() {
  "$VELL" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
  pid=$!
}

# Prints the id of the first visible window of the program whose caption matches the
# regular expression $1, waiting up to $2 seconds (default 10); fails when none comes.
wait_window() {
  local pattern="$1" seconds="${2:-10}" win="" i
  for i in $(seq 1 $((seconds * 10))); do
    win="$(xdotool search --all --onlyvisible --pid "$pid" --name "$pattern" 2>/dev/null | head -n1 || true)"
    [[ -n "$win" ]] && { echo "$win"; return 0; }
    kill -0 "$pid" 2>/dev/null || fail "the program ended before a window \"$pattern\" appeared"
    sleep 0.1
  done
  fail "no window \"$pattern\" within $seconds s"
}

# Waits up to $1 seconds for the program to end and puts its exit status in $status.
wait_exit() {
  local seconds="$1" i
  for i in $(seq 1 $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program still runs after $seconds s"
  status=0
  wait "$pid" || status=$?
  pid=""
}

# Gives the window the keyboard focus (there is no window manager to do it) and types
# the xdotool key names given.
keys_to() {
  local win="$1"
  shift
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  sleep 0.2
  local key
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.2
  done
}

expect_eq() {
  [[ "$1" == "$2" ]] || fail "$3: expected \"$2\", got \"$1\""
}

# The value of key $2 in group $1 of the settings file, empty when there is none.
ini_value() {
  [[ -f "$INI" ]] || return 0
  awk -v group="[$1]" -v key="$2" '
    /^\[/ { inside = ($0 == group) }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2) }
  ' "$INI"
}
