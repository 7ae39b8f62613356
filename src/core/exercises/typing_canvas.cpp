#include "core/exercises/typing_canvas.h"

namespace tq {

TTypingCanvas::TTypingCanvas(const FontMetrics& metrics) : TExerciseCanvas(metrics) {
  Clear();
}

void TTypingCanvas::Clear() {
  ClearWords();
  CurrentWord = 0;
  CharIndex = -1;
  AddWord("");
  typedEndX_ = PenX;
  NotifyCaret(CaretX(), CaretY());
}

TWordInfo& TTypingCanvas::AddWord(std::string_view text) {
  TWordInfo& word = TExerciseCanvas::AddWord(text);
  // The new word is the one being typed; the finished one stays on screen.
  drawn_ = word;
  return word;
}

void TTypingCanvas::RedrawTyped(int eraseMode) {
  const int oldIndex = static_cast<int>(Words.size()) - 1;
  DrawWord(oldIndex, eraseMode);  // wipes the word where it was drawn
  TWordInfo& typed = Typed();
  typed.X = PenX;
  typed.Line = PenLine;
  typedEndX_ = PenX + Width(typed.Text);
  DrawWord(oldIndex, 2);
  drawn_ = typed;
  NotifyCaret(CaretX(), CaretY());
}

void TTypingCanvas::TypeChar(char ch, bool slip) {
  if (static_cast<unsigned char>(ch) < 33) return;
  const char text[1] = {ch};
  if (Overflows(typedEndX_ + Width(std::string_view(text, 1)))) {
    const int usable = ClientWidth() - LeftMargin - RightMargin;
    // A word of up to 0.7 of the line moves whole to the next line; a longer
    // one is broken at the right edge.
    if (Width(TypedText()) <= 0.7 * usable) {
      NewLine();
    } else {
      FinishWord(kEnter, 0);
    }
  }
  if (TypedText().size() < TWordInfo::kMaxText) {
    Typed().Slips[TypedText().size()] = slip;
    Typed().Text += ch;
  }
  RedrawTyped(0);
}

void TTypingCanvas::DeleteChar() {
  if (TypedText().empty()) return;
  Typed().Text.pop_back();
  Typed().Slips[TypedText().size()] = false;
  RedrawTyped(2);
}

void TTypingCanvas::FinishWord(int kind, int mark) {
  // Enter on a line that holds nothing yet (the first key of an exercise,
  // or Enter pressed twice) leaves no empty line behind.
  if (kind == kEnter && TypedText().empty() && typedEndX_ <= LeftMargin) return;
  Typed().Mark = static_cast<uint8_t>(mark);
  RedrawTyped(2);
  AddWord("");
  if (kind == kBlank) typedEndX_ += Width(" ");
  if (kind == kGap) typedEndX_ += Width("     ");
  if (kind == kEnter || Overflows(typedEndX_)) NewLine();
  PenX = typedEndX_;
  CurrentWord = static_cast<int32_t>(Words.size()) - 1;
  NotifyCaret(CaretX(), CaretY());
}

bool TTypingCanvas::NewLine() {
  if (!TExerciseCanvas::NewLine()) {
    RedrawTyped(2);  // the typed word moves to the start of the new line
    return false;
  }
  // Full: everything moves up one line; words scrolled out before (line 0)
  // are dropped.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < Words.size(); ++i) {
    if (Words[i].Line <= 0) {
      if (CurrentWord > 0) --CurrentWord;
      continue;
    }
    Words[i].Line -= 1;
    if (kept != i) Words[kept] = std::move(Words[i]);
    ++kept;
  }
  Words.resize(kept);
  PenX = LeftMargin;
  RedrawTyped(2);
  NotifyRepaint();
  return true;
}

}  // namespace tq
