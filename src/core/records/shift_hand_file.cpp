#include "core/records/shift_hand_file.h"

#include <algorithm>
#include <vector>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/shell/ini_file.h"

namespace tq {
namespace {

constexpr const char* kSection = "ShiftHand";
constexpr const char* kKeyPrefix = "Lesson";
// Counts stop here so that a sum never overflows.
constexpr int kMaxCount = 1000000000;

bool ReadCounts(const std::string& value, ShiftHandCounts& counts) {
  const std::vector<std::string> fields = SplitFields(value, ",");
  if (fields.size() != 2) return false;
  int capitals = 0, right = 0;
  if (!TryStrToInt(fields[0], capitals) || !TryStrToInt(fields[1], right)) return false;
  if (capitals < 0 || right < 0 || right > capitals) return false;
  counts = {capitals, right};
  return true;
}

}  // namespace

int ShiftHandCounts::Percent() const {
  if (Capitals <= 0) return 0;
  return static_cast<int>(RoundEven(100.0 * RightHand / Capitals));
}

ShiftHandLessons ReadShiftHandLessons(const std::string& coachingFile) {
  ShiftHandLessons lessons;
  if (coachingFile.empty()) return lessons;
  const TIniFile ini(coachingFile);
  const std::string prefix = AnsiUpperCase(kKeyPrefix);
  for (const std::string& key : ini.ReadSection(kSection)) {
    const std::string upper = AnsiUpperCase(key);
    if (upper.rfind(prefix, 0) != 0) continue;
    int lesson = 0;
    if (!TryStrToInt(upper.substr(prefix.size()), lesson) || lesson < 0) continue;
    ShiftHandCounts counts;
    if (ReadCounts(ini.ReadString(kSection, key), counts)) lessons[lesson] = counts;
  }
  return lessons;
}

bool AddShiftHandLesson(const std::string& coachingFile, int lesson, int capitals, int rightHand) {
  if (coachingFile.empty() || capitals <= 0 || lesson < 0) return false;
  ShiftHandLessons lessons = ReadShiftHandLessons(coachingFile);
  ShiftHandCounts& c = lessons[lesson];
  c.Capitals = std::min(kMaxCount, c.Capitals + capitals);
  c.RightHand = std::min(c.Capitals, c.RightHand + std::max(0, rightHand));
  std::vector<std::pair<std::string, std::string>> keys;
  for (const auto& [n, counts] : lessons)
    keys.emplace_back(kKeyPrefix + IntToStr(n),
                      IntToStr(counts.Capitals) + "," + IntToStr(counts.RightHand));
  TIniFile ini(coachingFile);
  return ini.WriteSection(kSection, keys);
}

}  // namespace tq
