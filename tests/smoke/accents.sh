#!/usr/bin/env bash
# Accented letters typed on the German, French, Spanish and Swedish layouts
# through the real program: for each layout a new student opens a one-text
# course and xdotool types its text key by key, the accented letters that
# have no key of their own as dead-key sequences (the accent, then the
# letter). A Delete press in the middle types nothing. The student's stored
# key statistics must hold every character of the text exactly as often as
# the text has it, none as an error, and nothing else.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
ADMIN="${TAPQUILL_ADMIN:-$DIST_DIR/tapquill-admin}"
trap cleanup EXIT

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
[ -x "$ADMIN" ] || fail "no tapquill-admin at $ADMIN"
command -v setxkbmap >/dev/null || { echo "smoke accents: skipped (no setxkbmap)"; exit 0; }

# layout | student | the text (UTF-8) | the keys that type it (xdotool key names)
RUNS=(
  "de|Ada De|Café père für öde Straße|C a f dead_acute e space p dead_grave e r e space f udiaeresis r space odiaeresis d Delete e space S t r a ssharp e Return"
  "fr|Bea Fr|été près fête Noël où|eacute t eacute space p r egrave s space f dead_circumflex e t e space N o dead_diaeresis e l space o ugrave Return"
  "es|Cai Es|niño canción pingüino café è|n i ntilde o space c a n c i dead_acute o n space p i n g dead_diaeresis u i n o space c a f dead_acute e space dead_grave e Return"
  "se|Dag Se|på båt sjön|p aring space b aring t space s j odiaeresis n Return"
)

write_course() {
  printf '%s\r\n' "contents name=Accents test" "default time=0" "keyboard=ALL" "wizardname=" \
    "begin chapter" "chapter name=1;Accented letters" "begin exercise" "type=Text" \
    "duration=4" "event=TEXT;1;FILE:typing.kls;FALSE" "end exercise" "end chapter" \
    >"$PROGRAM_DIR/Typing.cnt"
  printf '%s\r\n' "$1" | iconv -f UTF-8 -t CP1252 >"$PROGRAM_DIR/typing.kls"
  sed -i "s|^DefaultContents=.*|DefaultContents=Typing.cnt\r|" "$PROGRAM_DIR/KLDef.ini"
  grep -q '^DefaultContents=' "$PROGRAM_DIR/KLDef.ini" ||
    printf 'DefaultContents=Typing.cnt\r\n' >>"$PROGRAM_DIR/KLDef.ini"
}

fresh_program_dir
start_xvfb
for run in "${RUNS[@]}"; do
  IFS='|' read -r layout student text keys <<<"$run"
  rm -f "$PROGRAM_DIR/KLSetup.ini"
  write_course "$text"
  setxkbmap "$layout" || fail "setxkbmap $layout refused"
  start_program
  wid="$(program_window)" || fail "no window ($layout)"
  sleep 3
  focus_window "$wid"
  setxkbmap us
  xdotool type --delay 40 "$student"
  setxkbmap "$layout"
  xdotool key Return
  sleep 0.8
  xdotool key Return # Yes: a new student
  sleep 1.5
  xdotool key alt+b # Begin studying
  sleep 1.5
  xdotool key alt+n # the profile page: Next
  sleep 1.5
  xdotool key 1 Return # the text exercise
  sleep 1.5
  # shellcheck disable=SC2086
  xdotool key --delay 120 $keys
  sleep 1.5
  [ -n "${SMOKE_SHOTS:-}" ] && screenshot "$SMOKE_SHOTS/accents-$layout.png"
  xdotool key Return # on to the results page, which records the results
  sleep 1.5
  [ -n "${SMOKE_SHOTS:-}" ] && screenshot "$SMOKE_SHOTS/accents-$layout-results.png"
  close_window "$wid"
  wait_program || fail "the program ended with status $? ($layout)"
  setxkbmap us
  shown="$("$ADMIN" users show "$student" --data "$PROGRAM_DIR" --json)" ||
    fail "no student $student ($layout)"
  # Every character of the text counted once as typed and none as an error;
  # nothing else (no Delete, no lone accent) counted.
  verdict="$(python3 -c '
import json, sys
shown = json.loads(sys.stdin.read())
text = sys.argv[1]
want = {}
for ch in text.replace(" ", ""):
    want[ch] = want.get(ch, 0) + 1
got = {k["Key"]: (k["TotalCount"], k["WeightedErrors"]) for k in shown["KeyStatistics"]}
bad = [f"{ch}: {got.get(ch)} for {n}" for ch, n in want.items() if got.get(ch) != (n, 0)]
bad += [f"{ch} counted though not in the text" for ch in got if ch not in want]
print("; ".join(bad))
' "$text" <<<"$shown")" || fail "$layout: cannot read the key statistics"
  [ -z "$verdict" ] || fail "$layout: '$text' counted wrong: $verdict"
  echo "smoke accents: $layout ok"
done
echo "smoke accents: ok"
