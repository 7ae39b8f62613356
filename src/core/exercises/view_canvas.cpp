#include "core/exercises/view_canvas.h"

#include "core/files/ansi.h"

namespace tq {

TViewCanvas::TViewCanvas(const FontMetrics& metrics) : TExerciseCanvas(metrics) {
  ShowCursor = true;
  CharIndex = -1;
}

void TViewCanvas::SetText(std::string_view text, int start) {
  // A zero byte ends the text, as in the files' zero-terminated copies.
  text_ = std::string(text.substr(0, text.find('\0')));
  // A stored position beyond this text (the story file changed) starts over.
  if (start < 0 || static_cast<std::size_t>(start) > text_.size()) start = 0;
  position_ = start;
  linePosition_ = start;
  pageStart_ = position_;
  FormatText();
}

void TViewCanvas::SetCursorMode(int mode) {
  cursorMode_ = mode;
  if (mode == kCharacterMode) {
    ShowCursor = true;
    CharIndex = 0;
    LeftMargin = FontHeight() + 3;  // room for the arrow
  } else {
    // Mode 2 shows its cursor again when the page is laid out.
    ShowCursor = mode == kWordMode;
    CharIndex = -1;
    LeftMargin = 3;
  }
  FormatText();
}

void TViewCanvas::FormatText() {
  ClearWords();
  if (text_.empty()) {
    nextPageStart_ = pageStart_;
    return;
  }
  CurrentWord = 0;
  CharIndex = cursorMode_ == kCharacterMode ? 0 : -1;
  const std::string_view text = text_;
  const int blankWidth = Width(Spaced ? "  " : " ");
  const int wwWidth = Width("WW");
  std::size_t pos = static_cast<std::size_t>(pageStart_);
  for (;;) {
    const TextToken token = NextToken(text, pos);
    if (token.kind == TokenKind::LineBreak) {
      // A line break at the very start of a page adds no line.
      if (!Words.empty()) {
        Words.back().LineEnd = true;
        if (NewLine()) break;
      }
      continue;
    }
    if (token.kind == TokenKind::End) {
      if (!Words.empty()) Words.back().LineEnd = true;
      break;
    }
    const std::string spaced = Spaced ? SpaceOut(token.text, 255) : std::string();
    const std::string_view display = Spaced ? std::string_view(spaced) : token.text;
    // A word too wide for what is left of the line starts the next one. The
    // first word of a line stays on it however wide it is: breaking before
    // it would leave an empty line, or an empty page that never turns.
    if (Overflows(PenX + Width(token.text) + wwWidth) && LineHasWords()) {
      // In character mode the student types Enter at the end of every line.
      if (cursorMode_ == kCharacterMode) Words.back().LineEnd = true;
      if (NewLine()) {
        pos = token.start;
        break;
      }
    }
    TWordInfo& word = AddWord(token.text);
    word.TextPos = static_cast<int32_t>(token.start);
    PenX += Width(display) + blankWidth;
  }
  nextPageStart_ = static_cast<int>(pos);
  if (cursorMode_ == kWordModeOnce) ShowCursorOnce();
  NotifyRepaint();
}

void TViewCanvas::Advance() {
  if (!HasCurrentWord()) return;
  if (cursorPending_) {
    ShowCursor = false;
    cursorPending_ = false;
  }
  bool passedLineEnd = false;
  if (cursorMode_ != kCharacterMode) {
    TWordInfo& word = Words[CurrentWord];
    if (cursorMode_ == kWordMode) word.Color = PassedColor;
    passedLineEnd = word.LineEnd;
    ++CurrentWord;
    if (HasCurrentWord()) {
      DrawWord(CurrentWord - 1, 2);
      DrawWord(CurrentWord, 2);
      DrawWord(CurrentWord + 1, 1);
    } else {
      NextPage();
    }
  } else {
    TWordInfo& word = Words[CurrentWord];
    if (CharIndex >= static_cast<int32_t>(word.Text.size())) {
      // The cursor stood past the last character: the word disappears.
      word.Color = kColorWhite;
      ++CurrentWord;
      CharIndex = 0;
      DrawWord(CurrentWord - 1, 2);
      if (!HasCurrentWord()) NextPage();
    } else {
      ++CharIndex;
    }
    DrawWord(CurrentWord, 2);
    DrawWord(CurrentWord + 1, 1);
  }
  position_ = HasCurrentWord() ? Words[CurrentWord].TextPos : 0;
  if (passedLineEnd) linePosition_ = position_;
}

void TViewCanvas::NextPage() {
  pageStart_ = nextPageStart_;
  FormatText();
}

bool TViewCanvas::HasNextPage() const {
  if (nextPageStart_ <= pageStart_) return false;
  const std::size_t rest =
      text_.find_first_not_of(" \t\r\n", static_cast<std::size_t>(nextPageStart_));
  return rest != std::string::npos;
}

void TViewCanvas::ShowCursorOnce() {
  if (cursorMode_ != kWordModeOnce) return;
  cursorPending_ = true;
  ShowCursor = true;
  DrawWord(CurrentWord, 2);
}

int TViewCanvas::GetProgress() const {
  if (text_.empty()) return 0;
  const int percent = static_cast<int>(RoundEven(100.0 * position_ / text_.size()));
  return percent > 100 ? 100 : percent;
}

}  // namespace tq
