#pragma once
// What the book window learns from every key event before a page sees it:
// which Shift keys are down, when each typed key arrived (for the check on
// keys faster than a person types), and whether the input is pasted rather
// than typed.
//
// Left and right Shift: Qt reports Qt::Key_Shift for both and one
// Qt::ShiftModifier. The native key data tell them apart. On X11 (xcb)
// nativeVirtualKey is the X keysym, Shift_L 0xFFE1 or Shift_R 0xFFE2, and
// nativeScanCode the server's keycode (50 and 62 with the usual evdev
// keymap; another keymap may number them otherwise). On Wayland
// nativeVirtualKey is the xkb keysym of the key, the same 0xFFE1 and
// 0xFFE2, and nativeScanCode the evdev code plus 8 (again 50 and 62); the
// timestamp is the compositor's, and auto-repeat is made by Qt itself.
// The keysym decides; the scan code only when the keysym is not a Shift
// one (a layout that moves Shift elsewhere).

#include <QKeyEvent>

namespace tq {

enum class ShiftKeySide { NotShift, Left, Right };
ShiftKeySide ShiftKeySideOf(const QKeyEvent& event);

// Pasted input: the clipboard shortcut (Ctrl+V, Shift+Insert, Ctrl+Shift+V)
// or one key event that carries several characters at once.
bool IsPasteKey(const QKeyEvent& event);

// Notes a key press or release: the Shift keys down, and the arrival time
// of a typed key by the window system's time stamp (an event without one,
// made by the program itself, is not timed).
void WitnessKeyEvent(const QKeyEvent& event);

}  // namespace tq
