#!/usr/bin/env bash
# The real program opens the file named on its command line, shows it in the caption,
# ends through the File menu's mnemonics (Alt+F, then X) and writes the settings.
source "$(dirname "$0")/lib.sh" "$1"

# A first start: a new document, and after Exit no recent-file list in the settings.
start_vell
win="$(wait_window ' - Kalmo$')"
expect_eq "$(xdotool getwindowname "$win")" "标题 - Kalmo" "caption of a new document"
keys_to "$win" alt+f x
wait_exit 5
expect_eq "$status" 0 "exit status after Exit"
if [[ -f "$INI" ]] && grep -q '^\[Recent' "$INI"; then
  fail "a first start left a recent-file list: $(cat "$INI")"
fi

# A start with a file: the caption names it, Exit keeps the file and lists it.
note="$WORK/files/note.txt"
printf 'keep me\n' >"$note"
start_vell "$note"
win="$(wait_window ' - Kalmo$')"
expect_eq "$(xdotool getwindowname "$win")" "note.txt - Kalmo" "caption of an opened file"
keys_to "$win" alt+f x
wait_exit 5
expect_eq "$status" 0 "exit status after Exit"
expect_eq "$(ini_value 'Recent%20File%20List' File1)" "$note" "File1 after exit"
expect_eq "$(ini_value 'Recent%20File%20List' File2)" "" "File2 after exit"
expect_eq "$(cat "$note")" "keep me" "content of the opened file"

# The list survives a restart and grows at the top: a second file before the first.
other="$WORK/files/other.txt"
: >"$other"
start_vell "$other"
win="$(wait_window ' - Kalmo$')"
# Ctrl+S on an opened file leaves it as it is.
printf 'other content' >"$other"
keys_to "$win" ctrl+s alt+f x
wait_exit 5
expect_eq "$status" 0 "exit status after Save and Exit"
expect_eq "$(cat "$other")" "other content" "file after Save"
expect_eq "$(ini_value 'Recent%20File%20List' File1)" "$other" "File1 after the second start"
expect_eq "$(ini_value 'Recent%20File%20List' File2)" "$note" "File2 after the second start"
echo "PASS"
