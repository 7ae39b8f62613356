#!/usr/bin/env bash
# The real program under Xvfb: a new student opens the first lesson's new
# keys drill, a wide page; the fold of the two-page spread must not run
# through its typing display and keyboard (spine_check.py tells how).
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
trap cleanup EXIT

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
fresh_program_dir
start_xvfb
start_program
wid="$(program_window)" || fail "no window"
sleep 3
focus_window "$wid"
sign_in_new_student "zoe quill"
xdotool key alt+b  # Begin studying: the profile
sleep 1
xdotool key alt+n  # the lesson spread
sleep 1
xdotool key Return  # Begin: the lesson's message page
sleep 1.5
xdotool key Return  # Next: the new keys drill
sleep 2
shot="$WORK_DIR/new-keys.png"
import -window "$wid" "$shot"
if ! python3 "$SMOKE_DIR/spine_check.py" "$shot" >"$WORK_DIR/check.txt"; then
  cp "$shot" "${TMPDIR:-/tmp}/tapquill-spine-fault.png"
  sed 's/^/  /' "$WORK_DIR/check.txt" >&2
  fail "the spine shows on the wide page (${TMPDIR:-/tmp}/tapquill-spine-fault.png)"
fi
close_window "$wid"
echo "smoke wide_page_spine: ok"
