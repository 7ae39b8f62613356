#pragma once
// TWordViewCanvas: one drill word in large letters with an arrow and a
// cursor under the character to type next (the word drill). The GUI's word
// widget paints it.

#include <cstdint>
#include <string_view>

#include "core/exercises/exercise_canvas.h"

namespace tq {

class TWordViewCanvas : public TExerciseCanvas {
 public:
  explicit TWordViewCanvas(const FontMetrics& metrics);

  // The character expected after the word: 13 for Enter, a blank, or 0 for none.
  uint8_t Terminator = 0;

  void SetWord(std::string_view text);
  void NextChar();
  // The margin leaves room for the arrow, whose size follows the font, so a
  // new font moves the word.
  void FontChanged() override;
  // The whole word has been typed (no current word, no cursor).
  bool Complete() const { return !HasCurrentWord(); }
};

}  // namespace tq
