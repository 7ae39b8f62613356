#!/usr/bin/env bash
# Names a record cannot hold, and a class folder that cannot be written,
# through the real program under Xvfb.
# 1. "王芳 li" and then "张伟 li" are refused on the cover with a warning
#    (Windows-1252 holds neither name's first two characters); no record is
#    made for either, and "li wang" typed next is the one student created.
# 2. The user base then lies in a class folder the program may not write
#    (owned by root when the test runs as root: the program runs as
#    "nobody"). The program says so once, at the start; the student signs
#    into his record without any other message, the window is not black,
#    the program ends normally and the base is unchanged.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
trap cleanup EXIT

shot() { [ -z "${SMOKE_SHOTS:-}" ] || screenshot "$SMOKE_SHOTS/$1.png"; }

# The program's visible windows besides the book: its message boxes.
dialogs() { xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vx "$wid" || true; }
# Waits up to 10 s for a message box titled TITLE; its window.
wait_dialog() {
  local d
  for _ in $(seq 1 100); do
    for d in $(dialogs); do
      [ "$(xdotool getwindowname "$d" 2>/dev/null)" = "$1" ] && { echo "$d"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
no_dialog() {
  local d
  d="$(dialogs)"
  [ -z "$d" ] || fail "$1: a message box '$(xdotool getwindowname ${d%%$'\n'*})' is shown"
}
refused() {
  xdotool key ctrl+a
  xdotool type --delay 60 "$1"
  xdotool key Return
  wait_dialog Warning >/dev/null || fail "no warning for the name '$1'"
  shot "name-refused"
  xdotool key Return
  sleep 0.8
  no_dialog "after the warning for '$1'"
}

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
fresh_program_dir
chmod 755 "$WORK_DIR"
start_xvfb

# ---- 1. names a record cannot hold ----
start_program
wid="$(program_window)" || fail "no window"
sleep 3
focus_window "$wid"
refused "王芳 li"
refused "张伟 li"
xdotool key ctrl+a
sign_in_new_student "li wang"
no_dialog "signing in Li Wang"
close_window "$wid"
wait_program || fail "the program ended with status $?"
base="$PROGRAM_DIR/userbase.kl4"
[ -f "$base" ] || fail "no user base"
[ "$(stat -c %s "$base")" -eq 2584 ] || fail "the base holds $(stat -c %s "$base") bytes, not one record"
[ "$(head -c 8 "$base" | tail -c +2)" = "Li Wang" ] || fail "the record is '$(head -c 8 "$base" | tail -c +2)'"

# ---- 2. a class folder that cannot be written ----
class="$WORK_DIR/class"
mkdir -p "$class"
mv "$base" "$class/"
cp "$PROGRAM_DIR/KLCommon.ini" "$PROGRAM_DIR/KLKeyb.ini" "$class/"
setup="$PROGRAM_DIR/KLSetup.ini"
[ -f "$setup" ] || fail "no KLSetup.ini after the first run"
sed -i "s|^DataPath=.*|DataPath=$class/\r|" "$setup"
grep -q '^DataPath=' "$setup" || printf 'DataPath=%s/\r\n' "$class" >>"$setup"
cp "$class/userbase.kl4" "$WORK_DIR/base.before"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  # Root may write anywhere: the program runs as "nobody", who may write
  # its home only.
  chown -R 65534:65534 "$WORK_DIR/home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$class"
fi
# The X server may give the new program's windows the ids the first one had.
wid=""
(cd "$PROGRAM_DIR" && exec "${as_user[@]}" env HOME="$WORK_DIR/home" \
  XDG_CONFIG_HOME="$WORK_DIR/home/.config" ./tapquill >"$WORK_DIR/app.log" 2>&1) &
APP_PID=$!
warning="$(wait_dialog Warning)" || fail "no warning about the folder"
shot "read-only-folder"
xdotool windowfocus "$warning" 2>/dev/null || true
xdotool key Return
wid="$(program_window)" || fail "no window after the warning"
sleep 2
no_dialog "after the folder warning"
focus_window "$wid"
xdotool type --delay 40 "li wang"
xdotool key Return
sleep 2
no_dialog "signing in to the read-only base"
shot "read-only-signed-in"
# The book is drawn, not a black window.
img="$WORK_DIR/signed-in.png"
import -window "$wid" "$img"
mean="$(convert "$img" -colorspace Gray -format '%[fx:int(mean*100)]' info:)"
[ "$mean" -ge 10 ] || fail "the window is dark (mean brightness $mean %)"
close_window "$wid"
wait_program || fail "the program ended with status $?"
cmp -s "$class/userbase.kl4" "$WORK_DIR/base.before" || fail "the read-only base was changed"
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$class"
echo "smoke names_and_read_only: ok"
