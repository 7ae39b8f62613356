#include "core/exercises/error_finder.h"

#include <algorithm>
#include <array>

#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"

namespace tq {
namespace {

// Texts being aligned: 1-based positions, at most 255 characters; inserting
// into a full text drops its last character, as a short string does.
class AlignText {
 public:
  explicit AlignText(std::string_view s) : len_(std::min(s.size(), kShortStringMax)) {
    std::copy_n(s.begin(), len_, buf_.begin() + 1);
  }
  std::size_t size() const { return len_; }
  // 0 beyond the end; Match checks the ends itself.
  char At(std::size_t i) const { return i >= 1 && i <= len_ ? buf_[i] : '\0'; }
  void Append(char c) {
    if (len_ < kShortStringMax) buf_[++len_] = c;
  }
  void Insert(std::size_t i, char c) {
    if (i > len_ + 1) return;
    std::size_t last = std::min(len_, kShortStringMax - 1);
    for (std::size_t k = last; k >= i; --k) buf_[k + 1] = buf_[k];
    buf_[i] = c;
    len_ = std::min(len_ + 1, kShortStringMax);
  }
  std::string Text() const { return std::string(buf_.data() + 1, len_); }

 private:
  std::array<char, kShortStringMax + 2> buf_{};
  std::size_t len_;
};

inline char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Character i of E against character j of T: equal after upper-casing a-z;
// a position beyond the end of a text never matches.
inline bool Match(const AlignText& e, std::size_t i, const AlignText& t, std::size_t j) {
  if (i > e.size() || j > t.size()) return false;
  return UpperAscii(e.At(i)) == UpperAscii(t.At(j));
}

// Lines E and T up in place and returns the error count.
float AlignInPlace(AlignText& e, AlignText& t) {
  float errors = 0;
  std::size_t i = 1;
  while (i <= std::max(e.size(), t.size())) {
    if (i > e.size()) {
      e.Append(kAlignFiller);
    } else if (i > t.size()) {
      t.Append(kAlignFiller);
    }
    // Both texts now reach position i: each step leaves both at least at the
    // new i - 1, and the shorter one is never full.
    if (Match(e, i, t, i)) {
      if (e.At(i) != t.At(i)) errors += 0.5f;  // case only
      i += 1;
    } else if (Match(e, i, t, i + 1) && Match(e, i + 1, t, i + 2)) {
      e.Insert(i, kAlignFiller);  // an extra key
      errors += 1;
      i += 1;
    } else if (Match(e, i + 1, t, i) && Match(e, i + 2, t, i + 1)) {
      t.Insert(i, kAlignFiller);  // a missed key
      errors += 1;
      i += 1;
    } else if (Match(e, i, t, i + 1)) {
      errors += 1;
      if (Match(e, i + 1, t, i)) {
        i += 2;  // two keys swapped
      } else {
        e.Insert(i, kAlignFiller);
        i += 1;
      }
    } else if (Match(e, i + 1, t, i)) {
      t.Insert(i, kAlignFiller);
      errors += 1;
      i += 1;
    } else if (Match(e, i, t, i + 2)) {
      if (Match(e, i + 1, t, i + 3)) {
        e.Insert(i, kAlignFiller);  // two extra keys
        e.Insert(i, kAlignFiller);
        errors += 1.5f;
        i += 2;
      } else {
        errors += 1;
        i += 1;
      }
    } else if (Match(e, i + 2, t, i)) {
      if (Match(e, i + 3, t, i + 1)) {
        t.Insert(i, kAlignFiller);  // two missed keys
        t.Insert(i, kAlignFiller);
        errors += 1.5f;
        i += 2;
      } else {
        errors += 1;
        i += 1;
      }
    } else {
      errors += 1;  // a wrong key
      i += 1;
    }
  }
  return errors;
}

int Percent(float errors, std::size_t expectedLength) {
  return static_cast<int>(
      RoundEven(static_cast<double>(errors) / static_cast<double>(expectedLength) * 100.0));
}

}  // namespace

TErrorFinder::Alignment TErrorFinder::Align(std::string_view Expected, std::string_view Typed) {
  Alignment result;
  if (Expected == Typed) {
    result.expected = Expected;
    result.typed = Typed;
    return result;
  }
  if (Expected.empty() || Typed.empty()) {
    result.expected = Expected;
    result.typed = Typed;
    result.errors = static_cast<float>(std::max(Expected.size(), Typed.size()));
    result.percent = 100;
    return result;
  }
  AlignText e(Expected);
  AlignText t(Typed);
  const std::size_t length = e.size();
  result.errors = AlignInPlace(e, t);
  result.percent = Percent(result.errors, length);
  result.expected = e.Text();
  result.typed = t.Text();
  return result;
}

int TErrorFinder::ErrorPercent(std::string_view Expected, std::string_view Typed) const {
  if (Expected == Typed) return 0;
  if (Expected.empty() || Typed.empty()) return 100;
  AlignText e(Expected);
  AlignText t(Typed);
  const std::size_t length = e.size();
  return Percent(AlignInPlace(e, t), length);
}

void TErrorFinder::RecordErrors(std::string_view Expected, std::string_view Typed) const {
  if (Expected.empty() || Typed.empty()) return;  // 100 %: something else
  AlignText e(Expected);
  AlignText t(Typed);
  const std::size_t length = e.size();
  if (Percent(AlignInPlace(e, t), length) > MaxErrorPercent) return;
  TDifficultKeys& keys = DifficultKeys();
  for (std::size_t i = 1; i <= t.size(); ++i) {
    const char expected = e.At(i);
    if (Match(e, i, t, i)) {
      // The alignment never puts two of its fillers opposite each other, so
      // a match is always a real key, character 164 included.
      keys.AddKeystroke(expected, false);
    } else if (expected != kAlignFiller && expected != ' ') {
      keys.AddKeystroke(expected, true);
    } else if (expected == kAlignFiller && i > 1 && t.At(i) == t.At(i - 1)) {
      keys.AddKeystroke(t.At(i), true);  // a doubled key
    }
  }
}

}  // namespace tq
