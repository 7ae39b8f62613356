#pragma once
// TTypingCanvas: what the student types, word by word, with a caret after the
// word being typed, word wrapping, a scroll by one line when the display is
// full, and an underline on words the typing session judged poor. The GUI's
// typing widget paints it and places the system caret where it says.

#include <string>
#include <string_view>

#include "core/exercises/exercise_canvas.h"

namespace tq {

class TTypingCanvas : public TExerciseCanvas {
 public:
  // What follows a finished word.
  static constexpr int kBlank = 0;
  static constexpr int kEnter = 1;
  static constexpr int kGap = 2;  // five blanks wide

  explicit TTypingCanvas(const FontMetrics& metrics);

  // Nothing typed yet: one empty word at the start of the first line.
  void Clear();
  // slip: typed with the wrong Shift hand; marked under the character.
  void TypeChar(char ch, bool slip = false);
  void DeleteChar();
  void FinishWord(int kind, int mark);
  bool NewLine() override;
  TWordInfo& AddWord(std::string_view text) override;

  // The word being typed (the last of Words).
  const std::string& TypedText() const { return Words.back().Text; }
  const TWordInfo& Drawn() const { return drawn_; }
  int TypedEndX() const { return typedEndX_; }
  // The caret: 2 pixels wide and one font height high, at this corner.
  int CaretX() const { return typedEndX_ + 1; }
  int CaretY() const { return LineTop(PenLine); }

 private:
  TWordInfo& Typed() { return Words.back(); }
  void RedrawTyped(int eraseMode);

  TWordInfo drawn_;  // the typed word as it was last drawn
  int typedEndX_ = 0;
};

}  // namespace tq
