#pragma once
// The figures of the review wizard's results page: the difficulty of each
// reviewed key (the first eight) before the exercise and after it. The page
// (gui/review/wiz_result_view.h) draws these as two bar graphs.

#include <array>
#include <string_view>

namespace tq {

class TDifficultKeys;

struct WizardComparison {
  static constexpr int kPlaces = 8;

  // The reviewed keys (a blank where fewer were given) and their difficulty now.
  void SetKeys(std::string_view keyText, const TDifficultKeys& keys);
  // Their difficulty after the exercise folded its keystrokes in.
  void RecordAfter(const TDifficultKeys& keys);

  std::array<char, kPlaces> Keys{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  std::array<float, kPlaces> Before{};
  std::array<float, kPlaces> After{};
};

// The eight places of the difficult-key ranking for the wizard's graph: the
// key and its difficulty where it is above 0, a blank and 0 otherwise.
struct RankedKey {
  char Key = ' ';
  float Value = 0;
};
std::array<RankedKey, 8> RankedDifficultKeys(TDifficultKeys& keys);

}  // namespace tq
