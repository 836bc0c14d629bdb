# The strokes of the README's screenshot, sourced by demo-stroke.sh (which gives
# `stroke STEP X0 Y0 X1 Y1 ...` and the window "$win", 800 x 600). Small steps are a slow
# hand and a thick brush, large steps a fast hand and a thin one.

# Points of an arc: centre, radius, from and to angle in degrees, every `every` degrees.
arc() {
  awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" -v every="$6" 'BEGIN {
    d = (a1 > a0) ? every : -every
    for (a = a0; (d > 0) ? a <= a1 : a >= a1; a += d) {
      printf "%d %d ", cx + r * cos(a * 3.14159265 / 180), cy - r * sin(a * 3.14159265 / 180)
    }
  }'
}

# 永 in black ink (key 8): dot, horizontal turning into the hooked vertical, the left
# and the right sweeps.
xdotool key --window "$win" 8
stroke 1 196 238 204 248 210 258
stroke 2 150 290 180 288 212 284 216 300 218 400 220 470 214 482 196 466
stroke 3 130 352 178 346 150 392 118 430
stroke 2 236 372 262 356 282 340
stroke 2 226 382 248 416 272 446 300 470 318 478

# A red wave (key 1), written slowly, and a thin fast one in blue (key 3) under it.
xdotool key --window "$win" 1
stroke 2 380 300 430 270 480 300 530 330 580 300 630 270 680 300 730 320
xdotool key --window "$win" 3
stroke 10 390 360 460 340 540 365 620 340 720 360

# A green ring (key 2) and, from the colour menu, 红色 (shown as cyan on paper).
xdotool key --window "$win" 2
# shellcheck disable=SC2046
stroke 2 $(arc 560 470 60 90 420 12)
xdotool key --window "$win" alt+f Right Return
sleep 0.3
stroke 3 420 540 470 520 520 545 570 520 620 545 690 520
sleep 0.3
