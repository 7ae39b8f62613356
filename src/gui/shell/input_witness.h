#pragma once
// What the book window learns from every key event before a page sees it:
// which Shift keys are down, when each typed key arrived (for the check on
// keys faster than a person types), and whether the input is pasted rather
// than typed.
//
// Left and right Shift: Qt reports Qt::Key_Shift for both and one
// Qt::ShiftModifier. The native key data tell them apart, and X11 and
// Wayland give the same values (Qt 6.4, Xvfb with the "us" keymap; Weston
// on its X11 backend):
//   left Shift   nativeVirtualKey 0xFFE1 (the keysym Shift_L), nativeScanCode 50
//   right Shift  nativeVirtualKey 0xFFE2 (Shift_R),            nativeScanCode 62
// On X11 the scan code is the X server's keycode, which another keymap may
// number otherwise; on Wayland it is the evdev code plus 8. The time stamp
// is the X server's time on X11 and the compositor's on Wayland, both in
// milliseconds; Wayland's auto-repeat is made by Qt itself. On both, a
// Shift key's own event carries Qt modifiers as they are after it and
// native modifiers as they were before it, and xdotool's "keydown Shift_R"
// presses Shift_L with it. The keysym decides; the scan code only when the
// keysym is not a Shift one.

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
