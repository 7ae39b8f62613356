#!/usr/bin/env bash
# Letter pairs from real keystrokes: a new student types a one-text course
# through the real program, with a pause inside one word and a wrong key
# taken back in another. The student's coaching file must then hold the
# pairs of the words as typed (with their intervals), an error for the pair
# the wrong key broke, the paused pair with its long interval, and no pair
# across a blank or with the wrong key.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
trap cleanup EXIT

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"

fresh_program_dir
printf '%s\r\n' "contents name=Pairs test" "default time=0" "keyboard=ALL" "wizardname=" \
  "begin chapter" "chapter name=1;Letter pairs" "begin exercise" "type=Text" \
  "duration=4" "event=TEXT;1;FILE:typing.kls;FALSE" "end exercise" "end chapter" \
  >"$PROGRAM_DIR/Typing.cnt"
printf 'the moth ate the cloth\r\n' >"$PROGRAM_DIR/typing.kls"
sed -i "s|^DefaultContents=.*|DefaultContents=Typing.cnt\r|" "$PROGRAM_DIR/KLDef.ini"
grep -q '^DefaultContents=' "$PROGRAM_DIR/KLDef.ini" ||
  printf 'DefaultContents=Typing.cnt\r\n' >>"$PROGRAM_DIR/KLDef.ini"

start_xvfb
start_program
wid="$(program_window)" || fail "no window"
sleep 3
focus_window "$wid"
sign_in_new_student "Pia Pairs"
xdotool key alt+b # Begin studying
sleep 1.5
xdotool key alt+n # the profile page: Next
sleep 1.5
xdotool key 1 Return # the text exercise
sleep 1.5
xdotool type --delay 80 "the m"
sleep 0.6 # a pause inside "moth"
xdotool type --delay 80 "oth ate tx"
xdotool key --delay 80 BackSpace
xdotool type --delay 80 "he cloth"
xdotool key Return
sleep 1.5
[ -n "${SMOKE_SHOTS:-}" ] && screenshot "$SMOKE_SHOTS/letter-pairs.png"
xdotool key Return # on to the results page
sleep 1.5
close_window "$wid"
wait_program || fail "the program ended with status $?"

coach=("$PROGRAM_DIR"/userbase.kl4.*.coach)
[ -f "${coach[0]}" ] || fail "no coaching file beside the user base"
verdict="$(python3 -c '
import sys
lines = open(sys.argv[1], "rb").read().decode("cp1252").split("\r\n")
start = lines.index("[LetterPairs]") + 1
pairs = {}
for line in lines[start:]:
    if not line or line.startswith("["):
        break
    key, value = line.split("=", 1)
    n = [int(v) for v in value.split()]
    pairs[key] = (n[0], n[1], n[2:])
bad = []
want = {"th": (4, 1, 3), "he": (2, 0, 2), "mo": (1, 0, 1), "ot": (2, 0, 2), "at": (1, 0, 1),
        "te": (1, 0, 1), "cl": (1, 0, 1), "lo": (1, 0, 1)}
for key, (attempts, errors, timed) in want.items():
    got = pairs.get(key)
    if not got or (got[0], got[1], len(got[2])) != (attempts, errors, timed):
        bad.append(f"{key}: {got} for {attempts} attempts, {errors} errors, {timed} timed")
bad += [f"{key} stored though not typed as a pair" for key in pairs if key not in want]
if "mo" in pairs and pairs["mo"][2] and pairs["mo"][2][0] < 500:
    bad.append("the paused pair took %d ms" % pairs["mo"][2][0])
quick = [ms for key, p in pairs.items() if key != "mo" for ms in p[2]]
if quick and max(quick) >= 500:
    bad.append(f"an interval of {max(quick)} ms without a pause")
print("; ".join(bad))
' "${coach[0]}")" || fail "cannot read ${coach[0]}"
[ -z "$verdict" ] || fail "$verdict"
echo "smoke letter pairs: ok"
