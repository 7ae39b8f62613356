// Reading the active keyboard layout from what the desktop says: the
// compositor's keymap, the GNOME and KDE settings and the system file.

#include "core/shell/xkb_layouts.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using Reader = std::optional<std::string> (*)(std::string_view);

TEST(XkbLayoutsTest, EachSourceNamesItsFirstLayout) {
  const struct {
    const char* what;
    Reader read;
    const char* text;
    std::optional<std::string> layout;
  } cases[] = {
      {"keymap", XkbLayoutOfKeymap,
       "xkb_keymap {\nxkb_keycodes \"evdev+aliases(qwertz)\" { };\n"
       "xkb_symbols \"pc+de+inet(evdev)\" {\n name[group1]=\"German\";\n};\n};",
       "de"},
      {"keymap with a variant and a second layout", XkbLayoutOfKeymap,
       "xkb_symbols \"pc+fr(oss)+us:2+inet(evdev)+group(alt_shift_toggle)\" {", "fr"},
      {"keymap without the model part", XkbLayoutOfKeymap, "xkb_symbols \"gb+inet(evdev)\" {",
       "gb"},
      {"keymap named by hand: the group name", XkbLayoutOfKeymap,
       "xkb_symbols \"(unnamed)\" {\n name[Group1]=\"English (UK)\";", "gb"},
      {"keymap of an unknown language", XkbLayoutOfKeymap,
       "xkb_symbols \"(custom)\" {\n name[group1]=\"Klingon\";", std::nullopt},
      {"no keymap", XkbLayoutOfKeymap, "", std::nullopt},
      {"only the model", XkbLayoutOfKeymap, "xkb_symbols \"pc\" {", std::nullopt},
      {"GNOME sources", XkbLayoutOfInputSources, "[('xkb', 'de'), ('xkb', 'us')]", "de"},
      {"GNOME input method first", XkbLayoutOfInputSources, "[('ibus', 'anthy'), ('xkb', 'ch+fr')]",
       "ch"},
      {"GNOME without sources", XkbLayoutOfInputSources, "@a(ss) []", std::nullopt},
      {"KDE", XkbLayoutOfKdeConfig, "[Layout]\nDisplayNames=,\nLayoutList=se,us\nUse=true\n", "se"},
      {"KDE without a list", XkbLayoutOfKdeConfig, "[Layout]\nUse=false\n", std::nullopt},
      {"system file", XkbLayoutOfKeyboardConfig,
       "XKBMODEL=\"pc105\"\nXKBLAYOUT=\"fr,us\"\nXKBVARIANT=\",\"\n", "fr"},
      {"system file without quotes", XkbLayoutOfKeyboardConfig, "XKBLAYOUT = it\n", "it"},
      {"system file with an empty layout", XkbLayoutOfKeyboardConfig, "XKBLAYOUT=\"\"\n",
       std::nullopt},
      {"a similar key is not the layout", XkbLayoutOfKeyboardConfig, "XKBLAYOUTS=de\n",
       std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.read(c.text), c.layout) << c.what;
}

TEST(XkbLayoutsTest, GroupNamesPreferTheCountryVariant) {
  const struct {
    const char* name;
    std::optional<std::string> layout;
  } cases[] = {
      {"German", "de"},       {"German (Switzerland)", "ch"}, {"German (no dead keys)", "de"},
      {"English (US)", "us"}, {"English (UK)", "gb"},         {"French (Canada)", "ca"},
      {"French", "fr"},       {"Portuguese (Brazil)", "br"},  {"Greek", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(XkbLayoutOfGroupName(c.name), c.layout) << c.name;
}

}  // namespace
}  // namespace tq
