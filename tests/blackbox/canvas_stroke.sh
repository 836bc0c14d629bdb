#!/usr/bin/env bash
# A stroke written with real pointer input on the real program: ink under the path,
# paper (230,230,217) elsewhere, the notice's white cell at the top-left of the canvas,
# and the caption of a new document.
source "$(dirname "$0")/lib.sh" "$1"

start_vell
frame="$(wait_window ' - Kalmo$')"
expect_eq "$(xdotool getwindowname "$frame")" "标题 - Kalmo" "caption"
xdotool windowsize "$frame" 640 480
sleep 0.5

# The canvas is the program's other visible window, inside the frame below the menu bar.
canvas=""
best=0
for w in $(xdotool search --all --onlyvisible --pid "$pid" --name '' 2>/dev/null); do
  [[ "$w" == "$frame" ]] && continue
  eval "$(xdotool getwindowgeometry --shell "$w")"
  if ((WIDTH * HEIGHT > best)); then best=$((WIDTH * HEIGHT)) canvas="$w"; fi
done
[[ -n "$canvas" ]] || fail "no canvas window inside the frame"
eval "$(xdotool getwindowgeometry --shell "$canvas")"
((WIDTH >= 600 && HEIGHT >= 400)) || fail "canvas is ${WIDTH}x${HEIGHT}, not the frame's client area"

# A slow horizontal stroke (2 pixels per move thickens the brush) along y = 300.
# The pointer rests at the start before the press, so the program has seen it there and
# the stroke does not begin with a jump from wherever the pointer was.
xdotool windowfocus --sync "$frame" 2>/dev/null || true
xdotool mousemove --window "$canvas" 150 300 sleep 0.3 mousedown 1 sleep 0.1
moves=()
# A short pause after each move keeps the program from coalescing moves into one jump:
# the brush lays a jump's run back from the previous point, which would leave a gap.
for x in $(seq 152 2 450); do moves+=(mousemove --window "$canvas" "$x" 300 sleep 0.01); done
moves+=(mouseup 1)
xdotool "${moves[@]}"

shot="${VELL_BLACKBOX_SHOT:-$WORK/canvas.png}"
# "r g b" of the canvas pixel (x, y).
pixel() {
  convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- |
    sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}
# The program takes the queued moves at its own pace: shoot until the stroke's end
# (x = 440) shows, for at most 5 s.
for _ in $(seq 1 25); do
  sleep 0.2
  import -window "$canvas" "$shot"
  read -r r g b <<<"$(pixel 440 300)"
  ((r + g + b < 677 - 90)) && break
done

for x in 220 260 300 350 400; do
  read -r r g b <<<"$(pixel "$x" 300)"
  ((r + g + b < 677 - 90)) || fail "no ink under the stroke at ($x, 300): ($r,$g,$b)"
done
for point in "600 420" "50 420" "600 30" "300 380"; do
  read -r r g b <<<"$(pixel $point)"
  ((r >= 229 && r <= 231 && g >= 229 && g <= 231 && b >= 216 && b <= 218)) ||
    fail "not paper at ($point): ($r,$g,$b)"
done
read -r r g b <<<"$(pixel 2 2)"
expect_eq "$r $g $b" "255 255 255" "the notice cell at the top-left"

keys_to "$frame" alt+f x
wait_exit 5
expect_eq "$status" 0 "exit status"
echo "PASS"
