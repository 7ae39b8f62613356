#!/usr/bin/env bash
# A classroom on a folder of another file system: a tmpfs is mounted for the
# test and prepared with "tapquill-admin share init"; the program directory
# names it as DataPath. The shared folder then loses its user base, so the
# first start moves the template "UserBase.org" across the file systems. A
# new student signed in through the real program lands in the shared base,
# and no error was reported. Needs permission to mount (root); skipped with
# a message otherwise.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
ADMIN="${TAPQUILL_ADMIN:-$DIST_DIR/tapquill-admin}"
SHARE=""

finish() {
  [ -n "$SHARE" ] && umount "$SHARE" 2>/dev/null || true
  cleanup
}
trap finish EXIT

[ -x "$DIST_DIR/tapquill" ] || fail "no program at $DIST_DIR"
[ -x "$ADMIN" ] || fail "no tapquill-admin at $ADMIN"
fresh_program_dir
mkdir -p "$WORK_DIR/share"
if ! mount -t tmpfs -o size=8m tmpfs "$WORK_DIR/share" 2>/dev/null; then
  echo "smoke shared_folder: skipped (mounting a tmpfs was refused; run as root)"
  exit 0
fi
SHARE="$WORK_DIR/share"
[ "$(stat -c %d "$SHARE")" != "$(stat -c %d "$PROGRAM_DIR")" ] || fail "the share is not another file system"

(cd "$PROGRAM_DIR" && "$ADMIN" share init "$SHARE") >"$WORK_DIR/init.log" || fail "share init failed"
line="$(grep '^DataPath=' "$WORK_DIR/init.log")" || fail "share init printed no DataPath line"
[ "$line" = "DataPath=$SHARE/" ] || fail "share init printed '$line'"
for f in KLCommon.ini KLKeyb.ini userbase.kl4; do
  [ -f "$SHARE/$f" ] || fail "share init made no $f"
done
# The first start on an empty share moves the template across.
rm "$SHARE/userbase.kl4"
sed -i "s|^DataPath=.*|$line\r|" "$PROGRAM_DIR/KLDef.ini"

start_xvfb
start_program
wid="$(program_window)" || fail "no window"
sleep 3
focus_window "$wid"
sign_in_new_student "ada share"
[ -n "${SMOKE_SHOTS:-}" ] && screenshot "$SMOKE_SHOTS/shared-folder.png"
close_window "$wid"
wait_program || fail "the program ended with status $?"

base="$SHARE/userbase.kl4"
[ -f "$base" ] || fail "no user base in the shared folder"
size=$(stat -c %s "$base")
[ "$size" -eq 2584 ] || fail "the shared base holds $size bytes, not one 2584-byte record"
name=$(head -c 10 "$base" | tail -c +2)
[ "$name" = "Ada Share" ] || fail "record name is '$name'"
[ ! -e "$PROGRAM_DIR/UserBase.org" ] || fail "the template stayed in the program directory"
[ ! -e "$PROGRAM_DIR/userbase.kl4" ] || fail "a base was made in the program directory"
if [ -f "$PROGRAM_DIR/Errors.log" ]; then
  sed 's/^/  log: /' "$PROGRAM_DIR/Errors.log" >&2
  fail "errors were reported"
fi
echo "smoke shared_folder: ok"
