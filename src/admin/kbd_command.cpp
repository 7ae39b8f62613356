// "kbd": keyboard layout files. "kbd show FILE" prints every key as the
// program reads it and every message of the loader, so whoever draws a new
// layout can check it before the drills use it.

#include <ostream>
#include <string>

#include "admin/admin.h"
#include "core/exercises/key_data_ext.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"

namespace tq::admin {
namespace {

constexpr const char* kUsage =
    "Usage: tapquill-admin kbd show FILE [--json]\n"
    "  Reads a keyboard file (.kbd) as the program does and prints every key\n"
    "  (line, finger, position, size, flags, modifier index, labels) and every\n"
    "  message of the loader. Exit status 1 when the file does not load.\n";

std::string Flags(const TKeyInfoExt& k) {
  std::string f;
  if (k.Nib) f += 'n';
  if (k.Dark) f += 'd';
  if (k.AlwaysBlack) f += 'a';
  if (k.Hidden) f += 'h';
  if (k.SmallLabel) f += 's';
  return f;
}

// The slots up to the last one that holds a label.
int LabelCount(const TKeyInfoExt& k) {
  int n = kKeyLabelSlots;
  while (n > 0 && k.Labels[static_cast<std::size_t>(n - 1)].empty()) --n;
  return n;
}

std::string Pad(const std::string& s, std::size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

void PrintModifiers(std::ostream& out, const char* title,
                    const std::array<TKeyInfoExt*, kKeyLabelSlots>& mods) {
  out << title << ":";
  bool any = false;
  for (int i = 1; i < kKeyLabelSlots; ++i) {
    const TKeyInfoExt* m = mods[static_cast<std::size_t>(i)];
    if (!m) continue;
    out << " " << i << "=" << JsonString(m->Labels[0]) << " (line " << m->Line << ")";
    any = true;
  }
  out << (any ? "\n" : " none\n");
}

void PrintText(std::ostream& out, const std::string& file, int status, const TKeyDataExt& data) {
  out << "File: " << AnsiToUtf8(file) << "\n";
  out << "Status: " << status << "\n";
  if (status == kFileGood) {
    out << "Default size: " << data.DefaultWidth << " x " << data.DefaultHeight
        << "  Label heights: " << data.LabelHeight << " " << data.SmallLabelHeight << " "
        << data.CornerLabelHeight << "  Comma/dot: " << data.CommaDot << "\n";
    out << "Keys: " << data.Keys.size() << "\n";
    out << "  line finger     x     y width height flags modifier labels\n";
    for (const auto& key : data.Keys) {
      const std::string flags = Flags(*key);
      out << Pad(IntToStr(key->Line), 6) << Pad(IntToStr(key->Finger), 7)
          << Pad(IntToStr(key->X), 6) << Pad(IntToStr(key->Y), 6) << Pad(IntToStr(key->Width), 6)
          << Pad(IntToStr(key->Height), 7) << Pad(flags.empty() ? "-" : flags, 6)
          << Pad(IntToStr(key->ModifierIndex), 9);
      for (int i = 0; i < LabelCount(*key); ++i)
        out << " " << JsonString(key->Labels[static_cast<std::size_t>(i)]);
      out << "\n";
    }
    PrintModifiers(out, "Left modifiers", data.LeftModifiers);
    PrintModifiers(out, "Right modifiers", data.RightModifiers);
  }
  out << "Messages: " << data.Messages.size() << "\n";
  for (const std::string& m : data.Messages) out << "  " << AnsiToUtf8(m) << "\n";
}

void PrintModifiersJson(std::ostream& out, const std::array<TKeyInfoExt*, kKeyLabelSlots>& mods) {
  out << "[";
  bool first = true;
  for (int i = 1; i < kKeyLabelSlots; ++i) {
    const TKeyInfoExt* m = mods[static_cast<std::size_t>(i)];
    if (!m) continue;
    out << (first ? "" : ",") << "{\"index\":" << i << ",\"line\":" << m->Line << "}";
    first = false;
  }
  out << "]";
}

void PrintJson(std::ostream& out, const std::string& file, int status, const TKeyDataExt& data) {
  out << "{\"file\":" << JsonString(file) << ",\"status\":" << status;
  if (status == kFileGood) {
    out << ",\"defaultWidth\":" << data.DefaultWidth << ",\"defaultHeight\":" << data.DefaultHeight
        << ",\"labelHeight\":" << data.LabelHeight
        << ",\"smallLabelHeight\":" << data.SmallLabelHeight
        << ",\"cornerLabelHeight\":" << data.CornerLabelHeight << ",\"commaDot\":" << data.CommaDot
        << ",\"keys\":[";
    for (std::size_t i = 0; i < data.Keys.size(); ++i) {
      const TKeyInfoExt& k = *data.Keys[i];
      out << (i ? "," : "") << "{\"line\":" << k.Line << ",\"finger\":" << k.Finger
          << ",\"x\":" << k.X << ",\"y\":" << k.Y << ",\"width\":" << k.Width
          << ",\"height\":" << k.Height << ",\"flags\":" << JsonString(Flags(k))
          << ",\"modifierIndex\":" << k.ModifierIndex << ",\"labels\":[";
      for (int s = 0; s < LabelCount(k); ++s)
        out << (s ? "," : "") << JsonString(k.Labels[static_cast<std::size_t>(s)]);
      out << "]}";
    }
    out << "],\"leftModifiers\":";
    PrintModifiersJson(out, data.LeftModifiers);
    out << ",\"rightModifiers\":";
    PrintModifiersJson(out, data.RightModifiers);
  }
  out << ",\"messages\":[";
  for (std::size_t i = 0; i < data.Messages.size(); ++i)
    out << (i ? "," : "") << JsonString(data.Messages[i]);
  out << "]}\n";
}

}  // namespace

int KbdCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (HasFlag(args, "--help") || HasFlag(args, "-h")) {
    out << kUsage;
    return kExitOk;
  }
  const bool json = HasFlag(args, "--json");
  CommandArgs rest;
  for (const std::string& a : args)
    if (a != "--json") rest.push_back(a);
  if (rest.size() != 2 || rest[0] != "show") {
    err << kUsage;
    return kExitUsage;
  }
  const std::string file = Utf8ToAnsi(rest[1]);
  TKeyDataExt data;
  data.Quiet = true;  // messages are listed, not shown in boxes
  const int status = data.LoadFromFile(file);
  if (json)
    PrintJson(out, file, status, data);
  else
    PrintText(out, file, status, data);
  if (status != kFileGood) {
    err << "tapquill-admin kbd: " << AnsiToUtf8(file) << " did not load (status " << status
        << ")\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tq::admin
