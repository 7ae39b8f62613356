#!/usr/bin/env bash
# Results a teacher can trust, through the real program under Xvfb with the
# machine-speed check switched on in the settings file (the shared smoke
# library switches it off for every other test):
# 1. A student types a one-text course key by key at a person's pace,
#    holding the left or the right Shift for each capital; before that the
#    clipboard shortcut and a middle click are refused with a notice. The
#    result is stored, the key statistics hold exactly the text, and the
#    coaching file counts the capitals typed with the right Shift.
# 2. Another student types the same text with its last words at machine
#    speed: the results page says "not counted", and neither a lesson
#    result nor key statistics nor Shift-hand counts are stored.
# With SMOKE_SHOTS set, screenshots of the slip, the tip and the "not
# counted" page go there.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
ADMIN="${TAPQUILL_ADMIN:-$DIST_DIR/tapquill-admin}"
trap cleanup EXIT

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
[ -x "$ADMIN" ] || fail "no tapquill-admin at $ADMIN"

TEXT="Ann and Jo met Kim by Lee Hall with Sue and Tom"
# The Shift each capital is typed with: A (left hand) with the left Shift and
# K (right hand) with the right Shift are slips; J, L, S, T are right.
declare -A SHIFT=([A]=Shift_L [J]=Shift_L [K]=Shift_R [L]=Shift_L [H]=Shift_L [S]=Shift_R [T]=Shift_R)
CAPITALS=7
RIGHT=5

write_course() {
  printf '%s\r\n' "contents name=Trust test" "default time=0" "keyboard=ALL" "wizardname=" \
    "begin chapter" "chapter name=1;Capitals" "begin exercise" "type=Text" \
    "duration=4" "event=TEXT;1;FILE:trust.kls;FALSE" "end exercise" "end chapter" \
    >"$PROGRAM_DIR/Trust.cnt"
  printf '%s\r\n' "$TEXT" >"$PROGRAM_DIR/trust.kls"
  sed -i "s|^DefaultContents=.*|DefaultContents=Trust.cnt\r|" "$PROGRAM_DIR/KLDef.ini"
  # The check on, as an administrator leaves it.
  sed -i "s|^MachineSpeedCheck=.*|MachineSpeedCheck=1\r|" "$PROGRAM_DIR/KLDef.ini"
  grep -q $'^MachineSpeedCheck=1\r$' "$PROGRAM_DIR/KLDef.ini" || fail "cannot switch the check on"
}

# Types one word key by key, capitals with their Shift held.
type_word() {
  local word="$1" i ch
  for ((i = 0; i < ${#word}; i++)); do
    ch="${word:i:1}"
    if [[ "$ch" == [A-Z] && "${SHIFT[$ch]}" == Shift_R ]]; then
      # xdotool presses Shift_L along with Shift_R here: let it go again.
      xdotool keydown Shift_R keyup Shift_L key "${ch,,}" keyup Shift_R
    elif [[ "$ch" == [A-Z] ]]; then
      xdotool keydown Shift_L key "${ch,,}" keyup Shift_L
    else
      xdotool key "$ch"
    fi
    sleep 0.15
  done
}

open_text() {
  start_program
  wid="$(program_window)" || fail "no window"
  sleep 3
  focus_window "$wid"
  sign_in_new_student "$1"
  xdotool key alt+b # Begin studying
  sleep 1.5
  xdotool key alt+n # the profile page: Next
  sleep 1.5
  xdotool key 1 Return # the text exercise
  sleep 1.5
}

# How many pixels of the screen have the colour rrggbb.
pixels_of() { import -window root -depth 8 txt:- | grep -ci "#$1" || true; }

# The window as NAME.png in SMOKE_SHOTS.
shoot() { import -window "$wid" "$SMOKE_SHOTS/$1.png"; }

student_json() { "$ADMIN" users show "$1" --data "$PROGRAM_DIR" --json; }

fresh_program_dir
write_course
start_xvfb

# ---- 1. a person types, pasting is refused ----
open_text "Pat Person"
xdotool key ctrl+v
sleep 0.5
# The notice's pale yellow, a box of some 500 x 28 pixels.
notice="$(pixels_of fff3c8)"
[ "$notice" -gt 5000 ] || fail "no notice after the clipboard shortcut ($notice pixels)"
sleep 3.5 # the notice goes by itself
[ "$(pixels_of fff3c8)" -lt 100 ] || fail "the notice stays"
xdotool mousemove --window "$wid" 449 400 click 2
sleep 0.5
[ -n "${SMOKE_SHOTS:-}" ] && shoot coaching_paste_refused
notice="$(pixels_of fff3c8)"
[ "$notice" -gt 5000 ] || fail "no notice after a middle click ($notice pixels)"
words=($TEXT)
for ((w = 0; w < ${#words[@]}; w++)); do
  type_word "${words[w]}"
  # A pause midway makes the exercise long enough for figures.
  [ "$w" -eq 4 ] && sleep 3
  if [ "$w" -lt $((${#words[@]} - 1)) ]; then xdotool key space; else xdotool key Return; fi
  sleep 0.15
  # Halfway: both slips underlined in the typing display.
  if [ "$w" -eq 5 ] && [ -n "${SMOKE_SHOTS:-}" ]; then shoot coaching_shift_slip; fi
done
sleep 1
xdotool key Return # on to the results page
sleep 1.5
if [ -n "${SMOKE_SHOTS:-}" ]; then
  shoot coaching_shift_tip
  xdotool key ctrl+Tab # Review
  sleep 1
  xdotool key ctrl+Tab # Statistics: the lesson's share over the efficiency graph
  sleep 1.5
  shoot coaching_shift_statistics
fi
close_window "$wid"
wait_program || fail "the program ended with status $?"

shown="$(student_json "Pat Person")" || fail "no student Pat Person"
verdict="$(python3 -c '
import json, sys
shown = json.loads(sys.stdin.read())
text = sys.argv[1]
want = {}
for ch in text.replace(" ", ""):
    want[ch] = want.get(ch, 0) + 1
got = {k["Key"]: k["TotalCount"] for k in shown["KeyStatistics"]}
bad = [f"{ch}: {got.get(ch)} for {n}" for ch, n in want.items() if got.get(ch) != n]
bad += [f"{ch} counted though not in the text" for ch in got if ch not in want]
if not shown["ChapterSpeed"][0] > 0: bad.append("no lesson result")
if not shown["LastSpeed"] > 0: bad.append("no last speed")
print("; ".join(bad))
' "$TEXT" <<<"$shown")" || fail "cannot read the student"
[ -z "$verdict" ] || fail "typed by a person: $verdict"
coach="$(ls "$PROGRAM_DIR"/*.coach 2>/dev/null | head -1)"
[ -n "$coach" ] || fail "no coaching file"
tr -d '\r' <"$coach" | grep -qx "Lesson1=$CAPITALS,$RIGHT" ||
  fail "the coaching file has no Lesson1=$CAPITALS,$RIGHT: $(cat "$coach")"
echo "smoke trusted input: typed by a person, counted; pasting refused"

# ---- 2. the same text at machine speed ----
rm -f "$PROGRAM_DIR"/*.coach
open_text "Max Machine"
type_word "Ann"
xdotool key space
sleep 9
# The rest at once: far more than 20 keys under 15 ms apart.
xdotool type --delay 0 "${TEXT#Ann }"
xdotool key Return
sleep 1
xdotool key Return # on to the results page
sleep 1.5
[ -n "${SMOKE_SHOTS:-}" ] && shoot coaching_not_counted
close_window "$wid"
wait_program || fail "the program ended with status $?"
shown="$(student_json "Max Machine")" || fail "no student Max Machine"
verdict="$(python3 -c '
import json, sys
shown = json.loads(sys.stdin.read())
bad = []
if shown["KeyStatistics"]: bad.append("key statistics stored")
if shown["ChapterSpeed"][0] > 0: bad.append("a lesson result stored")
if shown["LastSpeed"] > 0: bad.append("the last speed stored")
print("; ".join(bad))
' <<<"$shown")" || fail "cannot read the student"
[ -z "$verdict" ] || fail "typed at machine speed: $verdict"
! ls "$PROGRAM_DIR"/*.coach >/dev/null 2>&1 || fail "Shift-hand counts stored at machine speed"
echo "smoke trusted input: ok"
