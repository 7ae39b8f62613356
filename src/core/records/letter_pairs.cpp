#include "core/records/letter_pairs.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/files/ansi.h"
#include "core/shell/errors.h"
#include "core/shell/ini_file.h"
#include "core/shell/program_settings.h"

namespace tq {
namespace {

constexpr double kMsPerDay = 86400000.0;
constexpr char kBackspace = 8;
constexpr char kEnter = 13;

int32_t Weigh(int32_t old, double factor) {
  return static_cast<int32_t>(RoundEven(old * factor));
}

// "12 3 180 201": the numbers of a stored value; false when one does not parse.
bool ParseNumbers(std::string_view text, std::vector<int>& numbers) {
  numbers.clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    if (end > pos) {
      int value = 0;
      if (!TryStrToInt(text.substr(pos, end - pos), value)) return false;
      numbers.push_back(value);
    }
    pos = end;
  }
  return true;
}

}  // namespace

bool TLetterPairs::IsPairLetter(char c) {
  return IsAnsiLetter(c) && AnsiLower(c) == c;
}

void TLetterPairs::Clear() {
  pairs_.clear();
  new_.clear();
  path_.clear();
  saveFailReported_ = false;
  inRun_ = false;
}

void TLetterPairs::Open(std::string path) {
  Clear();
  path_ = std::move(path);
  if (path_.empty()) return;
  ReadSection(TIniFile(path_));
}

void TLetterPairs::BeginExercise() {
  new_.clear();
  inRun_ = false;
}

void TLetterPairs::BreakRun() {
  inRun_ = false;
}

void TLetterPairs::Key(char expected, char typed, double now) {
  if (inRun_ && IsPairLetter(last_) && IsPairLetter(expected)) {
    if (typed != expected) {
      AddPairError(last_, expected);
    } else {
      const double ms = std::round((now - lastTime_) * kMsPerDay);
      // A clock set back, or a pause: the pair was typed, but not timed.
      AddPair(last_, expected, ms >= 1 && ms <= kMaxIntervalMs ? static_cast<int>(ms) : -1);
    }
  }
  inRun_ = typed == expected;
  last_ = expected;
  lastTime_ = now;
}

void TLetterPairs::TextKey(std::string_view word, std::string_view typedBefore, char key,
                           double now) {
  const bool offTrack =
      typedBefore.size() >= word.size() || word.substr(0, typedBefore.size()) != typedBefore;
  if (key == ' ' || key == kEnter || key == kBackspace || offTrack) {
    BreakRun();
    return;
  }
  Key(word[typedBefore.size()], key, now);
}

void TLetterPairs::AddPair(char first, char second, int ms) {
  new_.push_back({Code(first, second), static_cast<int16_t>(ms < 0 ? -1 : ms), false});
}

void TLetterPairs::AddPairError(char first, char second) {
  new_.push_back({Code(first, second), -1, true});
}

void TLetterPairs::DiscardNewCounts() {
  new_.clear();
  inRun_ = false;
}

void TLetterPairs::FoldNewCounts() {
  inRun_ = false;
  if (new_.empty()) return;
  // Attempts of one pair are folded together, in the order they were typed.
  std::stable_sort(new_.begin(), new_.end(),
                   [](const NewAttempt& a, const NewAttempt& b) { return a.code < b.code; });
  for (std::size_t i = 0; i < new_.size();) {
    const uint16_t code = new_[i].code;
    std::size_t end = i;
    int32_t errors = 0;
    while (end < new_.size() && new_[end].code == code) errors += new_[end++].error ? 1 : 0;
    auto found = pairs_.find(code);
    if (found == pairs_.end()) {
      if (static_cast<int>(pairs_.size()) >= kMaxPairs) {
        i = end;
        continue;
      }
      found = pairs_.emplace(code, History{}).first;
    }
    History& h = found->second;
    const auto attempts = static_cast<int32_t>(end - i);
    const double factor = std::max(0.0, 1.0 - static_cast<double>(attempts) / kWindow);
    h.Attempts = Weigh(h.Attempts, factor) + attempts;
    h.Errors = Weigh(h.Errors, factor) + errors;
    for (; i < end; ++i)
      if (new_[i].ms > 0) h.Intervals.push_back(static_cast<uint16_t>(new_[i].ms));
    if (h.Intervals.size() > static_cast<std::size_t>(kHistory))
      h.Intervals.erase(h.Intervals.begin(), h.Intervals.end() - kHistory);
  }
  new_.clear();
  if (path_.empty() || Settings().ReadOnly()) return;
  if (!Save() && !saveFailReported_) {
    // Once a session: the exercises go on, only the pairs are not kept.
    saveFailReported_ = true;
    ReportError(kErrorFileWrite, path_);
  }
}

int TLetterPairs::Median(const std::vector<uint16_t>& intervals) {
  if (intervals.empty()) return 0;
  std::vector<uint16_t> sorted = intervals;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t mid = sorted.size() / 2;
  if (sorted.size() % 2 == 1) return sorted[mid];
  return static_cast<int>(RoundEven((sorted[mid - 1] + sorted[mid]) / 2.0));
}

std::vector<SlowPair> TLetterPairs::SlowestPairs(int count, std::string_view learnedKeys) const {
  std::vector<SlowPair> ranked;
  auto learned = [learnedKeys](char c) { return learnedKeys.find(c) != std::string_view::npos; };
  for (const auto& [code, h] : pairs_) {
    if (static_cast<int>(h.Intervals.size()) < kMinIntervals) continue;
    const char first = static_cast<char>(code >> 8);
    const char second = static_cast<char>(code & 0xFF);
    if (!learnedKeys.empty() && !(learned(first) && learned(second))) continue;
    SlowPair p;
    p.Letters = {first, second};
    p.MedianMs = Median(h.Intervals);
    p.ErrorPercent =
        h.Attempts > 0 ? static_cast<int>(RoundEven(100.0 * h.Errors / h.Attempts)) : 0;
    ranked.push_back(std::move(p));
  }
  // Pairs come in code order, so a stable sort keeps it among equals.
  std::stable_sort(ranked.begin(), ranked.end(), [](const SlowPair& a, const SlowPair& b) {
    if (a.MedianMs != b.MedianMs) return a.MedianMs > b.MedianMs;
    return a.ErrorPercent > b.ErrorPercent;
  });
  if (static_cast<int>(ranked.size()) > count) ranked.resize(static_cast<std::size_t>(count));
  return ranked;
}

std::vector<std::pair<std::string, std::string>> TLetterPairs::SectionLines() const {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const auto& [code, h] : pairs_) {
    std::string value = IntToStr(h.Attempts) + " " + IntToStr(h.Errors);
    for (uint16_t ms : h.Intervals) value += " " + IntToStr(ms);
    lines.emplace_back(std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)},
                       std::move(value));
  }
  return lines;
}

void TLetterPairs::ReadSection(const TIniFile& ini) {
  pairs_.clear();
  std::vector<int> numbers;
  for (const std::string& line : ini.ReadSectionValues(kSection)) {
    if (static_cast<int>(pairs_.size()) >= kMaxPairs) break;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = Trim(std::string_view(line).substr(0, eq));
    if (key.size() != 2 || !IsPairLetter(key[0]) || !IsPairLetter(key[1])) continue;
    if (!ParseNumbers(Trim(std::string_view(line).substr(eq + 1)), numbers)) continue;
    if (numbers.size() < 2 || numbers.size() > 2 + static_cast<std::size_t>(kHistory)) continue;
    History h;
    h.Attempts = numbers[0];
    h.Errors = numbers[1];
    if (h.Attempts < 0 || h.Errors < 0 || h.Errors > h.Attempts) continue;
    bool good = true;
    for (std::size_t i = 2; i < numbers.size(); ++i) {
      good = good && numbers[i] >= 1 && numbers[i] <= kMaxIntervalMs;
      h.Intervals.push_back(static_cast<uint16_t>(numbers[i]));
    }
    if (good) pairs_[Code(key[0], key[1])] = std::move(h);
  }
}

bool TLetterPairs::Save() const {
  if (path_.empty()) return false;
  // Read afresh: the file's other sections are kept as they are now.
  TIniFile ini(path_);
  return ini.WriteSection(kSection, SectionLines());
}

TLetterPairs& LetterPairs() {
  static TLetterPairs pairs;
  return pairs;
}

}  // namespace tq
