#include "core/exercises/word_view_canvas.h"

#include "core/files/ansi.h"

namespace tq {

namespace {

int ArrowMargin(int fontHeight) {
  return static_cast<int>(RoundEven(fontHeight * 0.5)) + 3;
}

}  // namespace

TWordViewCanvas::TWordViewCanvas(const FontMetrics& metrics) : TExerciseCanvas(metrics) {
  LeftMargin = ArrowMargin(FontHeight());
  TopMargin = 5;
  PenX = LeftMargin;
  ArrowColor = 0x008000;
  // The drill's current character is green, as the texts show what is typed.
  TypedColor = 0x008000;
  AddWord("");
  ShowCursor = true;
}

void TWordViewCanvas::SetWord(std::string_view text) {
  TWordInfo& word = Words.front();
  word.Text = std::string(text.substr(0, TWordInfo::kMaxText));
  word.Color = TypedColor;
  word.Mark = 0;
  CurrentWord = 0;
  CharIndex = 0;
  word.LineEnd = Terminator == 13;
  NotifyRepaint();
}

void TWordViewCanvas::FontChanged() {
  LeftMargin = ArrowMargin(FontHeight());
  PenX = LeftMargin;
  if (!Words.empty()) Words.front().X = LeftMargin;
  TExerciseCanvas::FontChanged();
  NotifyRepaint();
}

void TWordViewCanvas::NextChar() {
  if (!HasCurrentWord()) return;
  TWordInfo& word = Words[CurrentWord];
  // With a terminator the cursor also stops once past the last character.
  const int last = static_cast<int>(word.Text.size()) - (Terminator != 0 ? 0 : 1);
  if (CharIndex >= last) {
    CurrentWord = 1;
    word.Mark = 0;
    word.Color = RestColor;
  } else {
    ++CharIndex;
  }
  NotifyRepaint();
}

}  // namespace tq
