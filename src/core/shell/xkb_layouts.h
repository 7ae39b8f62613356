#pragma once
// Where the desktop says which keyboard layout is active, read as text: the
// XKB layout code ("de", "us", "fr") of the first layout. Each reader takes
// one source's text and returns nothing when that text names no layout:
// - a compiled keymap as a Wayland compositor sends it ("xkb_symbols
//   \"pc+de+inet(evdev)\"" names the layouts; its group name "German" is
//   taken when the symbols line says nothing);
// - the GNOME input sources ("[('xkb', 'de'), ('xkb', 'us')]");
// - a KDE keyboard configuration ("LayoutList=de,us" in kxkbrc);
// - the system's keyboard configuration (XKBLAYOUT="de,us" in
//   /etc/default/keyboard).

#include <optional>
#include <string>
#include <string_view>

namespace tq {

std::optional<std::string> XkbLayoutOfKeymap(std::string_view keymapText);
std::optional<std::string> XkbLayoutOfInputSources(std::string_view gsettingsValue);
std::optional<std::string> XkbLayoutOfKdeConfig(std::string_view kxkbrcText);
std::optional<std::string> XkbLayoutOfKeyboardConfig(std::string_view defaultKeyboardText);

// The layout code of an XKB group name ("German" -> "de",
// "English (UK)" -> "gb"); nothing for a name not known here.
std::optional<std::string> XkbLayoutOfGroupName(std::string_view groupName);

}  // namespace tq
