#!/usr/bin/env bash
# Command-line forms of the real program that end it at start-up, and the settings
# being written when the session ends the program from outside.
source "$(dirname "$0")/lib.sh" "$1"

seed="$WORK/files/seed.txt"
: >"$seed"
seed_settings() {
  mkdir -p "$(dirname "$INI")"
  printf '[Recent%%20File%%20List]\nFile1=%s\n' "$seed" >"$INI"
}

# A missing file: the framework's error box (captioned "Vell"), then the program ends
# with a failure status and no main window ever shown.
seed_settings
start_vell "$WORK/files/missing.txt"
box="$(wait_window '^Vell$')"
xdotool search --all --onlyvisible --pid "$pid" --name ' - Kalmo$' >/dev/null 2>&1 &&
  fail "a main window is shown for a missing file"
keys_to "$box" Return
wait_exit 5
[[ "$status" != 0 ]] || fail "a missing file on the command line ended with status 0"
expect_eq "$(ini_value 'Recent%20File%20List' File1)" "$seed" "File1 after a failed start"

# Register: ends at once with status 0 and leaves the settings byte for byte.
seed_settings
before="$(cat "$INI")"
start_vell -Register
wait_exit 5
expect_eq "$status" 0 "exit status of -Register"
expect_eq "$(cat "$INI")" "$before" "settings after -Register"

# Unregister: the confirmation box, then the settings and their folder are gone.
seed_settings
start_vell -Unregister
box="$(wait_window '^Vell$')"
keys_to "$box" Return
wait_exit 5
expect_eq "$status" 0 "exit status of -Unregister"
[[ ! -e "$(dirname "$INI")" ]] || fail "-Unregister left $(ls -A "$(dirname "$INI")")"

# With Embedding as well it ends without any box.
seed_settings
start_vell -Unregister -Embedding
wait_exit 5
expect_eq "$status" 0 "exit status of -Unregister -Embedding"
[[ ! -e "$INI" ]] || fail "-Unregister -Embedding left the settings"

# Print: no printing, no window; the file is listed and the program ends by itself.
printed="$WORK/files/printed.txt"
: >"$printed"
start_vell -p "$printed"
wait_exit 5
expect_eq "$status" 0 "exit status of -p"
expect_eq "$(ini_value 'Recent%20File%20List' File1)" "$printed" "File1 after -p"

# The session ending (a terminating signal) writes the settings as Exit does.
opened="$WORK/files/opened.txt"
: >"$opened"
start_vell "$opened"
wait_window ' - Kalmo$' >/dev/null
kill -TERM "$pid"
wait_exit 5
expect_eq "$(ini_value 'Recent%20File%20List' File1)" "$opened" "File1 after SIGTERM"
expect_eq "$(ini_value 'Recent%20File%20List' File2)" "$printed" "File2 after SIGTERM"
echo "PASS"
