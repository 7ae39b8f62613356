#!/usr/bin/env bash
# The installed program, as a new user with an empty home: the Debian
# package (build/package/*.deb, made by scripts/package) is unpacked into a
# scratch root, or, without a package, the build is installed there with
# "cmake --install". The program starts from the scratch root's bin/ under
# Xvfb as the unprivileged user "nobody" with an empty home, a student signs
# in and the window is closed. Then the student is in the user base of the
# per-user data folder, the setup file is in the per-user configuration
# folder, and nothing was written outside the home: the scratch root is
# unchanged, and every file the program opened for writing (traced with
# strace when it is there) lies in the home.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"
trap cleanup EXIT

WORK_DIR="$(mktemp -d /tmp/tapquill-installed.XXXXXX)"
chmod 755 "$WORK_DIR"
ROOT="$WORK_DIR/root"
mkdir -p "$ROOT"
deb="$(ls -t "$REPO_DIR"/build/package/tapquill_*.deb 2>/dev/null | head -1 || true)"
if [ -n "$deb" ] && [ "$deb" -nt "$REPO_DIR/build/dist/tapquill" ]; then
  dpkg-deb -x "$deb" "$ROOT"
  echo "smoke installed_program: unpacked $(basename "$deb")"
else
  cmake --install "$REPO_DIR/build" --prefix "$ROOT/usr" >/dev/null
  echo "smoke installed_program: installed the build with cmake --install"
fi
[ -x "$ROOT/usr/bin/tapquill" ] || fail "no program in $ROOT/usr/bin"
[ -f "$ROOT/usr/share/tapquill/KLDef.ini" ] || fail "no material in $ROOT/usr/share/tapquill"
for f in "$ROOT"/usr/share/applications/*.desktop; do
  desktop-file-validate "$f" || fail "$f does not validate"
done
appstreamcli validate --no-net "$ROOT"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "the metainfo does not validate"
[ -f "$ROOT/usr/share/icons/hicolor/48x48/apps/tapquill.png" ] || fail "no 48x48 icon"

HOME_DIR="$WORK_DIR/home"
mkdir -p "$HOME_DIR"
# Root runs the program as "nobody"; anybody else runs it as themselves.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$HOME_DIR"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod -R a-w "$ROOT"
touch "$WORK_DIR/marker"
sleep 1

start_xvfb
trace=()
if command -v strace >/dev/null; then
  trace=(strace -f -qq -o "$WORK_DIR/trace" -e trace=%file)
fi
# As "nobody" the program cannot write the scratch root at all; the
# environment is that of a fresh login: only a home and a display.
(cd "$HOME_DIR" && exec "${trace[@]}" "${as_user[@]}" env -i HOME="$HOME_DIR" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  XDG_RUNTIME_DIR="$HOME_DIR/.run" "$ROOT/usr/bin/tapquill" >"$WORK_DIR/app.log" 2>&1) &
APP_PID=$!
wid="$(program_window)" || fail "no window"
sleep 3
focus_window "$wid"
sign_in_new_student "ada lark"
close_window "$wid"
wait_program || fail "the program ended with status $?"

data="$HOME_DIR/.local/share/tapquill"
base="$(find "$data" -maxdepth 1 -iname 'userbase.kl4' | head -1)"
[ -n "$base" ] || fail "no user base in $data"
head -c 256 "$base" | grep -q "Ada Lark" || fail "the student is not in $base"
grep -qE $'^LastUser=Ada Lark\r?$' "$HOME_DIR/.config/tapquill/KLSetup.ini" ||
  fail "no LastUser=Ada Lark in the per-user KLSetup.ini"
changed="$(find "$ROOT" -newer "$WORK_DIR/marker" | head -5)"
[ -z "$changed" ] || fail "written into the installation: $changed"
if [ -f "$WORK_DIR/trace" ]; then
  # Paths the program opened for writing, created, removed or renamed.
  outside="$(grep -E '^[0-9]+ +((open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT)|(mkdir|mkdirat|unlink|unlinkat|rmdir|rename|renameat|renameat2|link|linkat|symlink|symlinkat|chmod|fchmodat|truncate|utimensat)\()' \
    "$WORK_DIR/trace" | grep -v -E '= -1 ' | grep -oE '"[^"]*"' | tr -d '"' |
    grep -v -E "^($HOME_DIR|/dev/|/proc/)" | sort -u || true)"
  [ -z "$outside" ] || fail "written outside the home: $outside"
fi
echo "smoke installed_program: ok"
