#!/usr/bin/env bash
# The real program killed in the middle of studying (power cut, kill -9): a
# new student chooses the course on the profile page, finishes the first two
# exercises of lesson 1, typing in the second, and the program is killed
# with SIGKILL in the third. The user base must then hold the bookmark on
# the third exercise, the first two done, the study time and the keys typed;
# the program starts again and signs the student in without a message.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
trap cleanup EXIT

ADMIN="${TAPQUILL_ADMIN:-$DIST_DIR/tapquill-admin}"

step() { sleep "${SMOKE_PACE:-1.2}"; }

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
[ -x "$ADMIN" ] || fail "no admin tool at $ADMIN"
fresh_program_dir
start_xvfb
start_program
wid="$(program_window)" || fail "no window"
sleep 3
focus_window "$wid"
xdotool type --delay 40 "kim kill"
xdotool key Return; step
xdotool key Return; step  # Yes: a new student
xdotool key Return; step  # welcome: begin studying
xdotool key Return; step  # profile: the default course, Next
xdotool key Return; step  # lesson 1: exercise 1
xdotool key Return; step  # its message page
xdotool key alt+n; step   # the new keys left with Next: exercise 1 done
xdotool key Return; step  # exercise 2: the keyboard drill
xdotool type --delay 120 "asdfjkl;asdf"
step
xdotool key alt+n; step   # left with Next: "proceed anyway?"
xdotool key Return; step  # Yes: exercise 2 done
xdotool key Return; step  # exercise 3, the word drill, begins
xdotool type --delay 120 "fj"
[ -n "${SMOKE_SHOTS:-}" ] && screenshot "$SMOKE_SHOTS/killed_before.png"
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""

json="$("$ADMIN" users show "Kim Kill" --data "$PROGRAM_DIR" --json)" || fail "the base does not read"
field() { grep -o "\"$1\": [^,}]*" <<<"$json" | head -1 | sed 's/.*: //'; }
bookmark=$(grep -o '"BookMark": {[^}]*}' <<<"$json")
grep -q '"Chapter": 1, "Exercise": 3' <<<"$bookmark" || fail "bookmark: $bookmark"
done1=$(grep -o '"ExerciseDone": \["[0-9]*"' <<<"$json" | sed 's/.*\["//;s/"$//')
[ "${done1:0:3}" = "110" ] || fail "done flags of lesson 1: $done1"
[ "$(field Contents)" = '"Beginner.cnt"' ] || fail "course: $(field Contents)"
# Every key typed in exercise 2 counts for the key the drill asked for.
keys=$(grep -o '"TotalCount": [0-9]*' <<<"$json" | awk '{s += $2} END {print s + 0}')
[ "$keys" -ge 5 ] || fail "keystrokes of exercise 2 missing ($keys counted)"
seconds=$(grep -o '"ChapterSeconds": \[[0-9-]*' <<<"$json" | grep -o '[0-9-]*$')
[ "$seconds" -gt 0 ] || fail "no study time in lesson 1 ($seconds)"

# The program starts again and the student signs in without a message.
start_program
wid="$(program_window)" || fail "no window after the restart"
sleep 3
focus_window "$wid"
xdotool type --delay 40 "kim kill"
xdotool key Return; step
step
[ -n "${SMOKE_SHOTS:-}" ] && screenshot "$SMOKE_SHOTS/killed_restarted.png"
[ ! -s "$PROGRAM_DIR/Errors.log" ] || fail "errors after the restart"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after the restart"
close_window "$wid"
wait_program || true
echo "smoke killed_while_studying: ok ($done1, $keys keys)"
