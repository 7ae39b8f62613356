#!/usr/bin/env bash
# The real program on a fresh program directory under Xvfb: a new student
# types a name and answers Yes, the tabs switch with Ctrl+Tab, the window is
# closed; then the user base holds exactly that student and the setup file
# remembers the name.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
trap cleanup EXIT

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
fresh_program_dir
start_xvfb
start_program
wid="$(program_window)" || fail "no window"
# The cover comes up once the keyboard layout and the sounds are ready.
sleep 3
focus_window "$wid"
sign_in_new_student "zoe quill" 0.8
for _ in 1 2 3 4 5; do
  xdotool key ctrl+Tab
  sleep 0.3
done
close_window "$wid"
wait_program || fail "the program ended with status $?"

base="$PROGRAM_DIR/userbase.kl4"
[ -f "$base" ] || fail "no user base"
size=$(stat -c %s "$base")
[ "$size" -eq 2584 ] || fail "user base holds $size bytes, not one 2584-byte record"
# The name: one length byte, then the characters.
name=$(head -c 256 "$base" | tail -c +2 | head -c 9)
len=$(head -c 1 "$base" | od -An -tu1 | tr -d ' ')
[ "$len" -eq 9 ] && [ "$name" = "Zoe Quill" ] || fail "record name is '$name' (length $len)"
grep -qE $'^LastUser=Zoe Quill\r?$' "$PROGRAM_DIR/KLSetup.ini" ||
  fail "KLSetup.ini has no LastUser=Zoe Quill"
echo "smoke book_window: ok"
