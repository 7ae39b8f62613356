#include "core/shell/xkb_layouts.h"

#include <cctype>

namespace tq {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// "de(nodeadkeys):1" -> "de"; nothing for an empty or odd code.
std::optional<std::string> LayoutCode(std::string_view token) {
  token = Trim(token);
  const std::size_t end = token.find_first_of("(:");
  if (end != std::string_view::npos) token = token.substr(0, end);
  if (token.empty()) return std::nullopt;
  std::string code;
  for (char ch : token) {
    if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_' && ch != '-')
      return std::nullopt;
    code += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  }
  return code;
}

// The first entry of a comma-separated list.
std::optional<std::string> FirstOfList(std::string_view list) {
  list = Trim(list);
  if (list.size() >= 2 && list.front() == '"' && list.back() == '"')
    list = list.substr(1, list.size() - 2);
  return LayoutCode(list.substr(0, list.find(',')));
}

// The value of the first line "key=value" (blanks around "=" allowed).
std::optional<std::string_view> LineValue(std::string_view text, std::string_view key) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.substr(0, key.size()) != key) continue;
    std::string_view rest = Trim(line.substr(key.size()));
    if (rest.empty() || rest.front() != '=') continue;
    return Trim(rest.substr(1));
  }
  return std::nullopt;
}

// The text between the quotes that follow `after`.
std::optional<std::string_view> QuotedAfter(std::string_view text, std::string_view after) {
  const std::size_t at = text.find(after);
  if (at == std::string_view::npos) return std::nullopt;
  const std::size_t open = text.find('"', at + after.size());
  if (open == std::string_view::npos) return std::nullopt;
  const std::size_t close = text.find('"', open + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return text.substr(open + 1, close - open - 1);
}

struct GroupName {
  const char* prefix;
  const char* code;
};

// Checked in order: a country's own variant before the language's catch-all.
constexpr GroupName kGroupNames[] = {
    {"English (US)", "us"},
    {"English (UK)", "gb"},
    {"English (Canada)", "ca"},
    {"German (Switzerland)", "ch"},
    {"French (Switzerland)", "ch"},
    {"French (Canada)", "ca"},
    {"Belgian", "be"},
    {"Portuguese (Brazil)", "br"},
    {"English", "us"},
    {"German", "de"},
    {"French", "fr"},
    {"Finnish", "fi"},
    {"Swedish", "se"},
    {"Norwegian", "no"},
    {"Danish", "dk"},
    {"Icelandic", "is"},
    {"Dutch", "nl"},
    {"Spanish", "es"},
    {"Portuguese", "pt"},
    {"Italian", "it"},
    {"Hungarian", "hu"},
    {"Polish", "pl"},
};

}  // namespace

std::optional<std::string> XkbLayoutOfGroupName(std::string_view groupName) {
  groupName = Trim(groupName);
  for (const GroupName& g : kGroupNames)
    if (groupName.substr(0, std::string_view(g.prefix).size()) == g.prefix) return g.code;
  return std::nullopt;
}

std::optional<std::string> XkbLayoutOfKeymap(std::string_view keymapText) {
  // The symbols are named after the files they were built from: a model
  // part ("pc"), the layouts, then option parts ("inet(evdev)",
  // "group(alt_shift_toggle)"). The first part after the model is the first
  // layout.
  if (std::optional<std::string_view> symbols = QuotedAfter(keymapText, "xkb_symbols")) {
    std::string_view parts = *symbols;
    std::string_view first = parts.substr(0, parts.find('+'));
    if (LayoutCode(first) == "pc" && first.size() < parts.size()) {
      parts.remove_prefix(first.size() + 1);
      first = parts.substr(0, parts.find('+'));
    }
    if (std::optional<std::string> code = LayoutCode(first); code && *code != "pc") return code;
  }
  // A keymap put together by hand may name its symbols freely; its first
  // group's name still says which language it is.
  if (std::optional<std::string_view> name = QuotedAfter(keymapText, "name[group1]"))
    return XkbLayoutOfGroupName(*name);
  if (std::optional<std::string_view> name = QuotedAfter(keymapText, "name[Group1]"))
    return XkbLayoutOfGroupName(*name);
  return std::nullopt;
}

std::optional<std::string> XkbLayoutOfInputSources(std::string_view gsettingsValue) {
  // Entries are pairs of a source type and a name; only XKB sources name a
  // layout ("ibus" sources are input methods).
  std::size_t at = 0;
  while ((at = gsettingsValue.find("('xkb'", at)) != std::string_view::npos) {
    const std::size_t open = gsettingsValue.find('\'', at + 6);
    if (open == std::string_view::npos) break;
    const std::size_t close = gsettingsValue.find('\'', open + 1);
    if (close == std::string_view::npos) break;
    std::string_view name = gsettingsValue.substr(open + 1, close - open - 1);
    // "de+nodeadkeys" is a layout with its variant.
    if (std::optional<std::string> code = LayoutCode(name.substr(0, name.find('+')))) return code;
    at = close;
  }
  return std::nullopt;
}

std::optional<std::string> XkbLayoutOfKdeConfig(std::string_view kxkbrcText) {
  std::optional<std::string_view> list = LineValue(kxkbrcText, "LayoutList");
  return list ? FirstOfList(*list) : std::nullopt;
}

std::optional<std::string> XkbLayoutOfKeyboardConfig(std::string_view defaultKeyboardText) {
  std::optional<std::string_view> list = LineValue(defaultKeyboardText, "XKBLAYOUT");
  return list ? FirstOfList(*list) : std::nullopt;
}

}  // namespace tq
