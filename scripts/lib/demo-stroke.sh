#!/usr/bin/env bash
# Starts the built program on the current DISPLAY, writes a short stroke in two inks
# with real input events (xdotool), saves a screenshot and closes the program.
#   demo-stroke.sh <vell executable> <screenshot.png> [scene.sh]
# A scene script, when given, is sourced in place of the default strokes; it can call
# `stroke STEP X0 Y0 X1 Y1 ...` and send keys to "$win".
set -euo pipefail
exe="$1"
shot="$2"
scene="${3:-}"

"$exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

win=""
for _ in $(seq 1 100); do
  win="$(xdotool search --all --onlyvisible --pid "$pid" --name 'Kalmo' 2>/dev/null | head -n1 || true)"
  [[ -n "$win" ]] && break
  sleep 0.1
done
[[ -n "$win" ]] || { echo "demo: the window did not appear" >&2; exit 1; }
xdotool windowsize "$win" 800 600 windowmove "$win" 0 0
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"

# A stroke through the given points, `step` pixels per pointer move: small steps are a
# slow hand (a thick brush), large ones a fast hand (a thin one).
stroke() {
  local step=$1 x0=$2 y0=$3
  shift 3
  xdotool mousemove --window "$win" "$x0" "$y0" mousedown 1
  local x=$x0 y=$y0
  while (($#)); do
    local tx=$1 ty=$2
    shift 2
    local n=$(( ( (tx > x ? tx - x : x - tx) + (ty > y ? ty - y : y - ty) ) / step + 1 ))
    for i in $(seq 1 "$n"); do
      xdotool mousemove --window "$win" $(( x + (tx - x) * i / n )) $(( y + (ty - y) * i / n ))
    done
    x=$tx y=$ty
  done
  xdotool mouseup 1
  sleep 0.2
}
xdotool windowfocus --sync "$win" 2>/dev/null || true
if [[ -n "$scene" ]]; then
  source "$scene"
else
  stroke 2 260 290 300 330 360 350 430 345 480 330
  stroke 9 270 380 560 380
  xdotool key --window "$win" 1
  stroke 2 520 260 540 320 545 400 530 470
  xdotool key --window "$win" 4
  stroke 3 300 450 340 500 420 520 480 500
fi
sleep 0.3
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
xdotool key --window "$win" alt+f x 2>/dev/null || true
sleep 0.5
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
trap - EXIT
