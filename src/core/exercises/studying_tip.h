#pragma once
// One sentence of advice after a text typing exercise, from the four scores
// of accuracy, backspace use, the most difficult key and speed: it names the
// weakest aspect, or praises a strong one.

#include <string>

namespace tq {

class TStudyingTip {
 public:
  // The tip for the figures of the shared analysis objects and the shared
  // difficult keys; empty when there is none.
  std::string GetTip() const;
  // The tip for the given scores (each 0..4).
  static std::string TipFor(float accuracyScore, float backspaceScore, float keysScore,
                            float speedScore);
};

}  // namespace tq
