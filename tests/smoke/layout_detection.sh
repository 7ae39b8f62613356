#!/usr/bin/env bash
# The keyboard layout the program detects, on real display servers:
# - an X server (Xvfb) after "setxkbmap fr": French, from the X server;
# - a Weston compositor started with a German keymap (weston.ini), the
#   program seeing only its Wayland socket: German, from the keymap;
# - neither, with an empty home: the system's keyboard file when there is
#   one, else "Not available".
# Each case runs the detection test of the GUI test program with what it
# must find.
set -euo pipefail
source "$(dirname "$0")/xvfb_lib"

GUI_TESTS="$REPO_DIR/build/src/gui/gui_tests"
WESTON_PID=""
RUNTIME=""
finish() {
  [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null || true
  [ -n "$RUNTIME" ] && rm -rf "$RUNTIME"
  cleanup
}
trap finish EXIT

detect() {  # layout, source, name, then settings of the test's environment
  local layout=$1 source=$2 name=$3 out
  shift 3
  out="$(env "$@" TAPQUILL_EXPECT_LAYOUT="$layout" TAPQUILL_EXPECT_SOURCE="$source" \
    TAPQUILL_EXPECT_NAME="$name" "$GUI_TESTS" --gtest_filter='LayoutDetection.*' 2>&1)" ||
    fail "expected $layout from $source ($name):
$out"
  echo "$out" | grep "detected layout"
}

[ -x "$GUI_TESTS" ] || fail "no test program at $GUI_TESTS"
command -v setxkbmap >/dev/null || fail "setxkbmap is missing (x11-xkb-utils)"
command -v weston >/dev/null || fail "weston is missing"
RUNTIME="$(mktemp -d /tmp/tapquill-layout.XXXXXX)"
chmod 700 "$RUNTIME"
mkdir -p "$RUNTIME/home"

# X11.
start_xvfb
setxkbmap -display "$DISPLAY" fr
detect fr x11 French QT_QPA_PLATFORM=xcb HOME="$RUNTIME/home" XDG_RUNTIME_DIR="$RUNTIME" \
  WAYLAND_DISPLAY=none

# Wayland: Weston on its X11 backend inside the same Xvfb (its headless
# backend has no keyboard). Without the X server's layout names Weston's
# keymap is built from the XKB defaults of its environment; weston.ini says
# the same for backends that read it.
xprop -root -remove _XKB_RULES_NAMES
printf '[core]\nidle-time=0\n[keyboard]\nkeymap_layout=de\n' >"$RUNTIME/weston.ini"
XDG_RUNTIME_DIR="$RUNTIME" XKB_DEFAULT_LAYOUT=de weston --backend=x11-backend.so --socket=tapquill-wl \
  --config="$RUNTIME/weston.ini" >"$RUNTIME/weston.log" 2>&1 &
WESTON_PID=$!
for _ in $(seq 1 100); do
  [ -S "$RUNTIME/tapquill-wl" ] && break
  sleep 0.05
done
[ -S "$RUNTIME/tapquill-wl" ] || fail "weston did not start: $(tail -3 "$RUNTIME/weston.log")"
detect de wayland German -u DISPLAY QT_QPA_PLATFORM=offscreen HOME="$RUNTIME/home" \
  XDG_RUNTIME_DIR="$RUNTIME" WAYLAND_DISPLAY=tapquill-wl

# Neither.
system_layout=""
if [ -r /etc/default/keyboard ]; then
  system_layout="$(sed -n 's/^XKBLAYOUT="\{0,1\}\([^,"]*\).*/\1/p' /etc/default/keyboard | head -1)"
fi
if [ -n "$system_layout" ]; then
  expected=("$system_layout" system "")
else
  expected=(none none "Not available")
fi
detect "${expected[@]}" -u DISPLAY QT_QPA_PLATFORM=offscreen HOME="$RUNTIME/home" \
  XDG_CONFIG_HOME="$RUNTIME/home/.config" XDG_RUNTIME_DIR="$RUNTIME/home" WAYLAND_DISPLAY=none
echo "smoke layout_detection: ok"
