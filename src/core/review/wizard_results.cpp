#include "core/review/wizard_results.h"

#include "core/records/difficult_keys.h"

namespace tq {

void WizardComparison::SetKeys(std::string_view keyText, const TDifficultKeys& keys) {
  for (int i = 0; i < kPlaces; ++i) {
    const auto at = static_cast<std::size_t>(i);
    Keys[at] = at < keyText.size() ? keyText[at] : ' ';
    Before[at] = keys.KeyDifficulty(static_cast<unsigned char>(Keys[at]));
    After[at] = Before[at];
  }
}

void WizardComparison::RecordAfter(const TDifficultKeys& keys) {
  for (std::size_t i = 0; i < Keys.size(); ++i)
    After[i] = keys.KeyDifficulty(static_cast<unsigned char>(Keys[i]));
}

std::array<RankedKey, 8> RankedDifficultKeys(TDifficultKeys& keys) {
  std::array<RankedKey, 8> ranked{};
  for (int rank = 1; rank <= 8; ++rank) {
    const float value = keys.DifficultyAt(rank);
    if (value > 0)
      ranked[static_cast<std::size_t>(rank - 1)] = {static_cast<char>(keys.DifficultKey(rank)),
                                                    value};
  }
  return ranked;
}

}  // namespace tq
