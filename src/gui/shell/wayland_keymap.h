#pragma once
// The keymap a Wayland compositor gives its clients: a short-lived
// connection of our own binds the first seat's keyboard and reads the
// keymap the compositor sends at once. Works whatever platform Qt itself
// runs on, as long as WAYLAND_DISPLAY (or the default socket) answers.

#include <optional>
#include <string>

namespace tq {

// The keymap text (XKB format), or nothing when there is no compositor,
// no keyboard, or the program was built without Wayland support.
std::optional<std::string> WaylandKeymapText();

}  // namespace tq
