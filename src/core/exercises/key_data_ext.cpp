#include "core/exercises/key_data_ext.h"

#include <algorithm>
#include <optional>

#include "core/exercises/dead_keys.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/shell/errors.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr const char* kVersion = "5";

constexpr char kTab = 9;
constexpr char kEnter = 13;
constexpr char kBackspace = 8;
constexpr char kBlank = 32;

enum class LineKind { Key, Tab, Enter, Space, Backspace, Control, ShiftControl };

std::optional<LineKind> KeyLineKind(const std::string& keyword) {
  if (keyword == "key" || keyword == "capslockkey") return LineKind::Key;
  if (keyword == "tabkey") return LineKind::Tab;
  if (keyword == "enterkey") return LineKind::Enter;
  if (keyword == "spacekey") return LineKind::Space;
  if (keyword == "backspacekey") return LineKind::Backspace;
  if (keyword == "controlkey") return LineKind::Control;
  if (keyword == "shiftcontrolkey") return LineKind::ShiftControl;
  return std::nullopt;
}

bool IsDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A position field: a number, or "+n"/"-n" (one to three digits) from the
// previous key's far edge. False for anything else.
bool ParsePosition(std::string_view s, int last, int lastSize, int& value) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    std::string_view digits = s.substr(1);
    if (!IsDigits(digits) || digits.size() > 3) return false;
    const int n = StrToIntDef(digits, 0);
    value = s[0] == '+' ? last + lastSize + n : last + lastSize - n;
    return true;
  }
  return TryStrToInt(s, value);
}

// A size field: 0 is the previous key's size, -1 or a missing field the
// default size. False for a field that is not a number.
bool ParseSize(const std::vector<std::string>& f, std::size_t index, int last, int fallback,
               int& value) {
  if (index >= f.size()) {
    value = fallback;
    return true;
  }
  if (!TryStrToInt(f[index], value)) return false;
  if (value == 0)
    value = last;
  else if (value == -1)
    value = fallback;
  return true;
}

std::string LabelOf(const std::string& field) {
  // A "%" followed by a blank keeps the "%" from escaping the next ";".
  if (field == "% ") return "%";
  return field;
}

// "a|b|c" in slot 0: the key types any of them. Only a "|" after the first
// character splits (a key may type "|" itself).
bool AlternativesContain(const std::string& label, std::string_view text) {
  const std::size_t bar = label.find('|');
  if (bar == std::string::npos || bar < 1) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = label.find('|', start);
    const std::string_view part = std::string_view(label).substr(
        start, end == std::string::npos ? std::string::npos : end - start);
    if (part == text) return true;
    if (end == std::string::npos) return false;
    start = end + 1;
  }
}

}  // namespace

// Reading one file: the state of the lines read so far.
class KeyFileReader {
 public:
  KeyFileReader(TKeyDataExt& data, std::string fileName)
      : data_(data), fileName_(std::move(fileName)) {}

  void Line(const std::string& raw, int lineNo);
  std::vector<std::unique_ptr<TKeyInfoExt>> TakeKeys() { return std::move(keys_); }

 private:
  void KeyLine(LineKind kind, const std::vector<std::string>& f, int lineNo);
  bool Numbers(const std::vector<std::string>& f, std::size_t count, int low, int high, int lineNo,
               int* out);
  void Note(int lineNo, int textId) {
    data_.Messages.push_back(fileName_ + ":" + IntToStr(lineNo) + ": " + Str(textId));
  }
  // A line this reader will not guess at: skipped and reported.
  void Reject(int lineNo, int textId) {
    Note(lineNo, textId);
    if (!data_.Quiet) ReportError(kErrorFileField, data_.Messages.back());
  }

  TKeyDataExt& data_;
  std::string fileName_;
  std::vector<std::unique_ptr<TKeyInfoExt>> keys_;
};

bool KeyFileReader::Numbers(const std::vector<std::string>& f, std::size_t count, int low, int high,
                            int lineNo, int* out) {
  if (f.size() < count + 1) {
    Reject(lineNo, kStrKbdBadNumber);
    return false;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!TryStrToInt(f[i + 1], out[i]) || out[i] < low || out[i] > high) {
      Reject(lineNo, kStrKbdBadNumber);
      return false;
    }
  }
  return true;
}

void KeyFileReader::Line(const std::string& raw, int lineNo) {
  const std::string line = Trim(raw);
  if (line.empty() || line[0] == '\'') return;
  const std::vector<std::string> f = SplitFields(line, ";");
  if (f.empty()) return;
  const std::string keyword = AsciiLower(f[0]);
  int v[3];
  if (keyword == "defaultsize") {
    if (!Numbers(f, 2, 1, kMaxKeyboardExtent, lineNo, v)) return;
    data_.DefaultWidth = v[0];
    data_.DefaultHeight = v[1];
  } else if (keyword == "fontsize") {
    if (!Numbers(f, 3, 1, 200, lineNo, v)) return;
    data_.LabelHeight = v[0];
    data_.SmallLabelHeight = v[1];
    data_.CornerLabelHeight = v[2];
  } else if (keyword == "commadot") {
    if (!Numbers(f, 1, -1000000, 1000000, lineNo, v)) return;
    data_.CommaDot = v[0];
  } else if (keyword == "deadkey") {
    for (std::size_t i = 1; i < f.size(); ++i) data_.DeadKeys += f[i];
  } else if (std::optional<LineKind> kind = KeyLineKind(keyword)) {
    KeyLine(*kind, f, lineNo);
  }
  // Other keywords belong to other versions of the format: ignored.
}

void KeyFileReader::KeyLine(LineKind kind, const std::vector<std::string>& f, int lineNo) {
  const bool modifier = kind == LineKind::Control || kind == LineKind::ShiftControl;
  if (kind == LineKind::ShiftControl && f.size() < 9) {
    Reject(lineNo, kStrKbdNoShiftLabel);
    return;
  }
  auto key = std::make_unique<TKeyInfoExt>();
  key->Line = lineNo;
  key->Finger = f.size() > 1 ? StrToIntDef(f[1], -1) : -1;

  // Geometry first into locals: a rejected line leaves the previous key's
  // place as the base for the next line.
  int x = 0, y = 0;
  const bool placed = f.size() > 3 && ParsePosition(f[2], data_.LastX, data_.LastWidth, x) &&
                      ParsePosition(f[3], data_.LastY, data_.LastHeight, y) &&
                      ParseSize(f, 4, data_.LastWidth, data_.DefaultWidth, key->Width) &&
                      ParseSize(f, 5, data_.LastHeight, data_.DefaultHeight, key->Height);
  if (!placed) {
    Reject(lineNo, kStrKbdBadPosition);
    return;
  }
  key->X = x == 0 ? data_.LastX : x;
  key->Y = y == 0 ? data_.LastY : y;
  if (key->X < 0 || key->Y < 0 || key->Width < 1 || key->Height < 1 ||
      key->X + key->Width > kMaxKeyboardExtent || key->Y + key->Height > kMaxKeyboardExtent) {
    Reject(lineNo, kStrKbdOutOfRange);
    return;
  }
  data_.LastX = key->X;
  data_.LastY = key->Y;
  data_.LastWidth = key->Width;
  data_.LastHeight = key->Height;

  if (f.size() > 6) {
    const std::string flags = AsciiLower(f[6]);
    auto has = [&](char c) { return flags.find(c) != std::string::npos; };
    key->Nib = has('n');
    key->Dark = has('d');
    key->AlwaysBlack = has('a');
    key->Hidden = has('h');
    key->SmallLabel = has('s');
  }

  std::size_t firstLabel = 7;
  if (modifier) {
    firstLabel = 8;
    if (f.size() > 7) {
      int index;
      if (TryStrToInt(f[7], index) && index >= -1 && index < kKeyLabelSlots) {
        key->ModifierIndex = index;
      } else {
        Note(lineNo, kStrKbdBadModifier);
      }
    }
  }
  if (kind != LineKind::Tab) {
    std::size_t count = f.size() > firstLabel ? f.size() - firstLabel : 0;
    if (count > kKeyLabelSlots) {
      Note(lineNo, kStrKbdTooManyLabels);
      count = kKeyLabelSlots;
    }
    bool cut = false;
    for (std::size_t i = 0; i < count; ++i) {
      std::string label = LabelOf(f[firstLabel + i]);
      if (label.size() > kKeyLabelMax) {
        label.resize(kKeyLabelMax);
        cut = true;
      }
      key->Labels[i] = std::move(label);
    }
    if (cut) Note(lineNo, kStrKbdLongLabel);
  }
  switch (kind) {
    case LineKind::Tab:
      key->Labels[0] = std::string(1, kTab);
      break;
    case LineKind::Enter:
      key->Labels[0] = std::string(1, kEnter);
      break;
    case LineKind::Space:
      key->Labels[0] = std::string(1, kBlank);
      break;
    case LineKind::Backspace:
      key->Labels[0] = std::string(1, kBackspace);
      break;
    case LineKind::ShiftControl:
      key->Labels[0] = Str(kStrKeyShift);
      break;
    default:
      break;
  }
  keys_.push_back(std::move(key));
}

TKeyDataExt::TKeyDataExt() = default;

int TKeyDataExt::LoadFromFile(std::string_view FileName) {
  const std::string name(FileName);
  Messages.clear();
  TTextFile file;
  const int status = file.Open(name, 1);
  if (status != kFileGood) {
    Messages.push_back(name + ": #" + IntToStr(status) + " " + ErrorMessage(status));
    return status;
  }
  if (Trim(file.Version) != kVersion) {
    Messages.push_back(name + ": #" + IntToStr(kErrorFileVersion) + " " +
                       ErrorMessage(kErrorFileVersion) + " (\"" + file.Version + "\")");
    if (!Quiet) ReportError(kErrorFileVersion, name);
    return kErrorFileVersion;
  }

  // Count the header lines so that messages name the line of the file.
  const int64_t contentStart = file.Position;
  int lineNo = 0;
  std::string line;
  file.Position = 0;
  while (file.Position < contentStart && file.ReadLine(line) == kFileGood) ++lineNo;
  file.Position = contentStart;
  file.Status = kFileGood;

  LastX = LastY = LastHeight = LastWidth = 0;
  LabelHeight = 12;
  SmallLabelHeight = 10;
  CornerLabelHeight = 8;
  // A layout without these lines must not inherit them from the previous one.
  CommaDot = 0;
  DefaultWidth = DefaultHeight = 0;
  DeadKeys.clear();
  PendingDeadKey = 0;

  KeyFileReader reader(*this, name);
  while (true) {
    const int got = file.ReadLine(line);
    if (got != kFileGood && got != kFileEnd) break;
    if (got == kFileEnd && line.empty()) break;
    reader.Line(line, ++lineNo);
    if (got == kFileEnd) break;
  }

  Keys = reader.TakeKeys();
  LeftModifiers.fill(nullptr);
  RightModifiers.fill(nullptr);
  for (const auto& key : Keys) {
    if (key->ModifierIndex < 1) continue;
    auto& side = key->RightHand() ? RightModifiers : LeftModifiers;
    side[static_cast<std::size_t>(key->ModifierIndex)] = key.get();
  }
  return kFileGood;
}

TKeyInfoExt* TKeyDataExt::FindKey(std::string_view Text, TKeyInfoExt** Modifier) const {
  if (Modifier) *Modifier = nullptr;
  if (Text.empty()) return nullptr;
  // The Shift (or other modifier) is held with the other hand.
  auto modifierFor = [&](const TKeyInfoExt& key, int slot) {
    return key.RightHand() ? LeftModifiers[static_cast<std::size_t>(slot)]
                           : RightModifiers[static_cast<std::size_t>(slot)];
  };
  for (const auto& key : Keys) {
    if (AlternativesContain(key->Labels[0], Text) || key->Labels[0] == Text) return key.get();
    if (key->Labels[1] == Text) {
      if (Modifier) *Modifier = modifierFor(*key, 1);
      return key.get();
    }
  }
  for (const auto& key : Keys) {
    for (int slot = 2; slot < kKeyLabelSlots; ++slot) {
      if (key->Labels[static_cast<std::size_t>(slot)] == Text) {
        if (Modifier) *Modifier = modifierFor(*key, slot);
        return key.get();
      }
    }
  }
  return nullptr;
}

bool TKeyDataExt::DeadKeyStroke(char Ch, char& Accent, char& Letter) const {
  if (DeadKeys.empty() || FindKey(std::string_view(&Ch, 1))) return false;
  char accent = 0, letter = 0;
  if (!DecomposeAccented(Ch, accent, letter) || DeadKeys.find(accent) == std::string::npos)
    return false;
  if (!FindKey(std::string_view(&accent, 1)) || !FindKey(std::string_view(&letter, 1)))
    return false;
  Accent = accent;
  Letter = letter;
  return true;
}

// The character whose key shows the way to Ch: the dead key first, the
// plain letter once that dead key is down.
char TKeyDataExt::KeyShowing(char Ch) const {
  char accent = 0, letter = 0;
  if (!DeadKeyStroke(Ch, accent, letter)) return Ch;
  return PendingDeadKey == accent ? letter : accent;
}

int TKeyDataExt::FingerOf(char Ch) const {
  Ch = KeyShowing(Ch);
  const TKeyInfoExt* key = FindKey(std::string_view(&Ch, 1));
  if (!key || key->Finger < 1 || key->Finger > 10) return 0;
  return key->Finger;
}

std::string TKeyDataExt::FingerName(int Finger) {
  static constexpr int kNames[] = {
      kStrFingerLeftLittle, kStrFingerLeftRing,    kStrFingerLeftMiddle, kStrFingerLeftIndex,
      kStrFingerRightIndex, kStrFingerRightMiddle, kStrFingerRightRing,  kStrFingerRightLittle,
      kStrFingerThumb,      kStrFingerThumb};
  if (Finger < 1 || Finger > 10) return Str(kStrFingerNone);
  return Str(kNames[Finger - 1]);
}

std::string TKeyDataExt::ModifierName(char Ch) const {
  Ch = KeyShowing(Ch);
  TKeyInfoExt* modifier = nullptr;
  if (!FindKey(std::string_view(&Ch, 1), &modifier) || !modifier) return {};
  return modifier->Labels[0];
}

std::string TKeyDataExt::KeyCaption(const TKeyInfoExt& Key, int Slot) {
  if (Slot < 0 || Slot >= kKeyLabelSlots) return {};
  const std::string& label = Key.Labels[static_cast<std::size_t>(Slot)];
  if (label.size() == 1) {
    switch (label[0]) {
      case kTab:
        return Str(kStrKeyTab);
      case kEnter:
        return Str(kStrKeyEnter);
      case kBackspace:
        return Str(kStrKeyBack);
      case kBlank:
        return Str(kStrKeySpace);
      default:
        break;
    }
  }
  const std::size_t bar = label.find('|');
  if (bar != std::string::npos && bar >= 1) return label.substr(0, bar);
  return label;
}

char TKeyDataExt::TranslateCommaDot(char Ch) const {
  if (CommaDot != 1 || (Ch != '.' && Ch != ',')) return Ch;
  const TKeyInfoExt* key = FindKey(std::string_view(&Ch, 1));
  if (!key || key->Labels[0].empty()) return Ch;
  return key->Labels[0][0];
}

namespace {

// Keys whose marks differ from a snapshot taken before a change.
struct MarkSnapshot {
  explicit MarkSnapshot(const std::vector<std::unique_ptr<TKeyInfoExt>>& keys) : keys_(keys) {
    for (const auto& k : keys) before_.push_back(State(*k));
  }
  std::vector<TKeyInfoExt*> Changed() const {
    std::vector<TKeyInfoExt*> changed;
    for (std::size_t i = 0; i < keys_.size(); ++i)
      if (State(*keys_[i]) != before_[i]) changed.push_back(keys_[i].get());
    return changed;
  }
  static int State(const TKeyInfoExt& k) {
    return (k.Lit ? 1 : 0) | (k.Wrong ? 2 : 0) | (k.Pressed ? 4 : 0);
  }
  const std::vector<std::unique_ptr<TKeyInfoExt>>& keys_;
  std::vector<int> before_;
};

}  // namespace

std::vector<TKeyInfoExt*> TKeyDataExt::ShowKeys(std::string_view Next, std::string_view WrongOnes) {
  MarkSnapshot snapshot(Keys);
  for (const auto& key : Keys) key->Lit = key->Wrong = false;
  auto mark = [&](std::string_view text, bool TKeyInfoExt::*flag) {
    for (char typed : text) {
      const char c = KeyShowing(typed);
      TKeyInfoExt* modifier = nullptr;
      if (TKeyInfoExt* key = FindKey(std::string_view(&c, 1), &modifier)) {
        key->*flag = true;
        if (modifier) modifier->*flag = true;
      }
    }
  };
  mark(WrongOnes, &TKeyInfoExt::Wrong);
  mark(Next, &TKeyInfoExt::Lit);
  return snapshot.Changed();
}

std::vector<TKeyInfoExt*> TKeyDataExt::ClearMarks() {
  std::vector<TKeyInfoExt*> changed;
  for (const auto& key : Keys) {
    if (key->Lit || key->Wrong) {
      key->Lit = key->Wrong = false;
      changed.push_back(key.get());
    }
  }
  return changed;
}

void TKeyDataExt::SetLearnedKeys(std::string_view Text) {
  for (const auto& key : Keys) key->Learned = false;
  for (char c : Text)
    if (TKeyInfoExt* key = FindKey(std::string_view(&c, 1))) key->Learned = true;
}

void TKeyDataExt::SetAllLearned() {
  for (const auto& key : Keys) key->Learned = true;
}

std::vector<TKeyInfoExt*> TKeyDataExt::PressKey(char Ch) {
  MarkSnapshot snapshot(Keys);
  for (const auto& key : Keys) key->Pressed = false;
  if (TKeyInfoExt* key = FindKey(std::string_view(&Ch, 1))) key->Pressed = true;
  return snapshot.Changed();
}

TKeyDataExt& KeyData() {
  static TKeyDataExt instance;
  return instance;
}

}  // namespace tq
