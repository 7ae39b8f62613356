#include "core/exercises/exercise_canvas.h"

#include <cstdlib>

#include "core/files/ansi.h"

namespace tq {
namespace {

constexpr std::size_t kMaxToken = 255;
constexpr char kLeftGuillemet = static_cast<char>(171);

bool IsSeparator(char c) {
  return c == '\t' || c == ' ' || c == '\n' || static_cast<unsigned char>(c) == 255;
}

int Round(double x) {
  return static_cast<int>(RoundEven(x));
}

}  // namespace

TextToken NextToken(std::string_view text, std::size_t& pos) {
  const std::size_t n = text.size();
  while (pos < n && IsSeparator(text[pos])) ++pos;
  TextToken token;
  token.start = pos;
  if (pos >= n || text[pos] == '\0') {
    token.kind = TokenKind::End;
    return token;
  }
  if (text[pos] == '\r') {
    ++pos;
    token.kind = TokenKind::LineBreak;
    return token;
  }
  while (pos < n && pos - token.start < kMaxToken && !IsSeparator(text[pos]) && text[pos] != '\r' &&
         text[pos] != '\0') {
    ++pos;
  }
  token.kind = TokenKind::Word;
  token.text = text.substr(token.start, pos - token.start);
  return token;
}

std::string SpaceOut(std::string_view text, std::size_t maxLength) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    out += c;
    out += ' ';
  }
  if (out.size() > maxLength) out.resize(maxLength);
  return out;
}

TExerciseCanvas::TExerciseCanvas(const FontMetrics& metrics) : metrics_(&metrics) {
  PenX = LeftMargin;
}

void TExerciseCanvas::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
}

void TExerciseCanvas::SetMetrics(const FontMetrics& metrics) {
  metrics_ = &metrics;
  FontChanged();
}

int TExerciseCanvas::FontHeight() const {
  return std::abs(metrics_->FontHeight());
}

void TExerciseCanvas::FontChanged() {
  if (HasCurrentWord()) Words[CurrentWord].Color = FontColor;
  FormatText();
}

void TExerciseCanvas::ClearWords() {
  Words.clear();
  PenX = LeftMargin;
  PenLine = 1;
  NotifyRepaint();
}

int TExerciseCanvas::LineTop(int line) const {
  return (FontHeight() + 2) * (line - 1) + TopMargin;
}

bool TExerciseCanvas::Overflows(int x) const {
  return x > clientWidth_ - RightMargin;
}

bool TExerciseCanvas::NewLine() {
  if (clientHeight_ - BottomMargin < LineTop(PenLine + 2)) return true;
  PenX = LeftMargin;
  ++PenLine;
  return false;
}

TWordInfo& TExerciseCanvas::AddWord(std::string_view text) {
  TWordInfo& word = Words.emplace_back();
  word.Text = std::string(text.substr(0, TWordInfo::kMaxText));
  word.X = PenX;
  word.Line = PenLine;
  word.Color = FontColor;
  return word;
}

std::string TExerciseCanvas::GetWord(int offset) const {
  const int64_t index = static_cast<int64_t>(CurrentWord) + offset;
  if (index < 0 || index >= static_cast<int64_t>(Words.size())) return {};
  return Words[static_cast<std::size_t>(index)].Text;
}

std::string TExerciseCanvas::GetCurrentChar() const {
  if (!HasCurrentWord()) return {};
  const TWordInfo& word = Words[CurrentWord];
  if (CharIndex < 0 || word.Text.empty()) return word.Text;
  if (static_cast<std::size_t>(CharIndex) < word.Text.size())
    return std::string(1, word.Text[CharIndex]);
  return word.LineEnd ? std::string("\r") : std::string(" ");
}

bool TExerciseCanvas::IsLineEnd() const {
  return HasCurrentWord() && Words[CurrentWord].LineEnd;
}

void TExerciseCanvas::DrawWord(int index, int eraseMode) {
  if (observer_) observer_->WordChanged(index, eraseMode);
}

void TExerciseCanvas::NotifyRepaint() {
  if (observer_) observer_->Repaint();
}

void TExerciseCanvas::NotifyCaret(int x, int y) {
  if (observer_) observer_->CaretMoved(x, y);
}

WordPaint TExerciseCanvas::PlanWord(int index, int eraseMode) const {
  if (index < 0 || static_cast<std::size_t>(index) >= Words.size()) return {};
  const bool current = index == CurrentWord && ShowCursor;
  return PlanWordInfo(Words[index], eraseMode, CharIndex, current);
}

WordPaint TExerciseCanvas::PlanWordInfo(const TWordInfo& word, int eraseMode, int charIndex,
                                        bool isCurrent) const {
  WordPaint paint;
  if (word.Text.empty()) return paint;
  const int h = FontHeight();
  const int top = LineTop(word.Line);
  const std::string s = Spaced ? SpaceOut(word.Text, kMaxToken) : word.Text;
  const int textWidth = Width(s);

  if (eraseMode > 0) {
    paint.erase = true;
    const bool charCursor = isCurrent && charIndex >= 0;
    int right = word.X + (eraseMode == 2 ? Width(s + "  ") : textWidth);
    if (word.LineEnd) right += Width("  ");
    paint.eraseBox = {word.X - Width(charCursor ? "       " : " "), top, right,
                      top + Round(h * 1.2)};
  }

  if (isCurrent && charIndex >= 0) {
    // The arrow points at the current character; typed characters are not
    // drawn, so the text disappears as the student types it.
    const std::size_t ci = static_cast<std::size_t>(charIndex);
    const int xc = word.X + Width(std::string_view(s).substr(0, ci));
    paint.arrow = true;
    paint.arrowTip = {xc - 2, top + Round(h * 0.5)};
    const int baseX = paint.arrowTip.x - Round(h * 0.4);
    paint.arrowTop = {baseX, top + Round(h * 0.1)};
    paint.arrowBottom = {baseX, top + Round(h * 0.9)};
    paint.arrowBox = {baseX, paint.arrowTop.y, paint.arrowTip.x, paint.arrowBottom.y};
    if (ci < s.size()) {
      const std::string ch(1, s[ci]);
      paint.texts.push_back({xc, top, ch, TypedColor, true});
      if (ci + 1 < s.size())
        paint.texts.push_back({xc + Width(ch), top, s.substr(ci + 1), RestColor, false});
    } else if (word.LineEnd) {
      paint.texts.push_back({xc, top, std::string(1, kLeftGuillemet), TypedColor, true});
    } else {
      paint.texts.push_back({xc - 2, top, "_", TypedColor, false});
    }
  } else if (isCurrent) {
    const int boxWidth = Width(s + " ");
    const int left = word.X + (textWidth - boxWidth) / 2;
    const int boxTop = top + (Round(h * 1.2) - h) / 2;
    paint.highlight = true;
    paint.highlightBox = {left, boxTop, left + boxWidth, boxTop + h};
    paint.texts.push_back({word.X, top, s, TypedColor, false});
  }

  if (word.Mark == 1 || word.Mark == 2) {
    paint.markY = top + h;
    paint.mark = word.Mark;
    paint.markLeft = word.X;
    paint.markRight = word.X + textWidth;
  }
  if (word.Slips.any()) {
    paint.markY = top + h;
    const std::size_t step = Spaced ? 2 : 1;
    for (std::size_t i = 0; i < word.Text.size() && i < word.Slips.size(); ++i) {
      if (!word.Slips[i] || i * step >= s.size()) continue;
      const int left = word.X + Width(std::string_view(s).substr(0, i * step));
      paint.slips.emplace_back(left, left + Width(std::string_view(s).substr(i * step, 1)));
    }
  }
  if (!isCurrent && word.Color != kColorWhite) {
    paint.texts.push_back({word.X, top, s, word.Color, false});
  }
  return paint;
}

}  // namespace tq
