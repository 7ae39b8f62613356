#pragma once
// The word layout shared by the exercise text displays: a list of positioned
// words, a pen that lays them out in lines, and the plan of how one word is
// drawn (plain, marked, or as the current word with its cursor). The GUI
// widgets paint what this computes; they ask PlanWord for each word and show
// the caret where the typing display puts it.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/exercises/font_metrics.h"

namespace tq {

// Colours are $00BBGGRR values.
using TColor = uint32_t;
constexpr TColor kColorWhite = 0xFFFFFF;
constexpr TColor kColorBlack = 0x000000;

// One laid-out word.
struct TWordInfo {
  static constexpr std::size_t kMaxText = 70;
  std::string Text;            // at most 70 characters
  bool LineEnd = false;        // a line of the text ends here (Enter follows)
  int32_t X = 0;               // left edge in pixels
  int32_t Line = 1;            // display line, from 1
  TColor Color = kColorBlack;  // white: the word is not drawn
  uint8_t Mark = 0;            // 0 none, 1 solid, 2 dotted double underline
  int32_t TextPos = 0;         // offset of the word in the source text
  // Characters typed with the wrong Shift hand, by their place in Text.
  std::bitset<kMaxText> Slips;
};

// The tokenizer of the displays and drills. From pos it skips tab, blank,
// line feed and character 255, then collects up to 255 characters until the
// next of those, a carriage return or the end (a zero byte also ends the
// text). A carriage return met before any character is a line break token.
enum class TokenKind { Word, LineBreak, End };
struct TextToken {
  TokenKind kind = TokenKind::End;
  std::size_t start = 0;  // offset of the token in the text
  std::string_view text;  // the word (empty for line breaks and the end)
};
TextToken NextToken(std::string_view text, std::size_t& pos);

// Each character followed by a blank ("abc" -> "a b c "), cut to maxLength.
std::string SpaceOut(std::string_view text, std::size_t maxLength);

// What DrawWordInfo paints for one word, in the order it paints it.
struct PaintRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};
struct PaintPoint {
  int x = 0, y = 0;
};
struct PaintText {
  int x = 0, y = 0;
  std::string text;
  TColor color = kColorBlack;
  bool underline = false;
};
struct WordPaint {
  bool erase = false;  // fill eraseBox with the background colour first
  PaintRect eraseBox;
  bool arrow = false;  // clear arrowBox, then the filled triangle in ArrowColor
  PaintRect arrowBox;
  PaintPoint arrowTip, arrowTop, arrowBottom;
  bool highlight = false;  // the current word's box in HighlightColor
  PaintRect highlightBox;
  std::vector<PaintText> texts;  // transparent text
  uint8_t mark = 0;              // two 1-pixel lines at markY and markY + 1
  int markLeft = 0, markRight = 0, markY = 0;
  // Shift-hand slips: under each such character, two lines in SlipColor at
  // markY and markY + 1, over the word's own mark.
  std::vector<std::pair<int, int>> slips;  // left, right
};

// Told when words or the caret change, so that a widget can repaint.
class CanvasObserver {
 public:
  virtual ~CanvasObserver() = default;
  // Word index changed; eraseMode as in DrawWord. Index may be past the words.
  virtual void WordChanged(int index, int eraseMode) = 0;
  // Everything changed.
  virtual void Repaint() = 0;
  // The typing display's caret moved (top-left corner in pixels).
  virtual void CaretMoved(int x, int y) = 0;
};

class TExerciseCanvas {
 public:
  explicit TExerciseCanvas(const FontMetrics& metrics);
  virtual ~TExerciseCanvas() = default;
  TExerciseCanvas(const TExerciseCanvas&) = delete;
  TExerciseCanvas& operator=(const TExerciseCanvas&) = delete;

  int TopMargin = 2, BottomMargin = 2, RightMargin = 3, LeftMargin = 3;
  std::vector<TWordInfo> Words;
  int32_t CurrentWord = 0;
  bool ShowCursor = false;
  int32_t CharIndex = 0;  // -1: the whole word is the cursor
  int32_t PenX = 3;
  int32_t PenLine = 1;
  bool Spaced = false;
  TColor TypedColor = 0x000080;
  TColor RestColor = 0x000000;
  TColor HighlightColor = 0x0080FFFF;
  TColor ArrowColor = 0x00C0DCC0;
  TColor PassedColor = 0x808080;
  TColor MarkColor = 0x000080;
  TColor SlipColor = 0x0080FF;  // orange
  TColor FontColor = kColorBlack;
  TColor BackgroundColor = kColorWhite;

  // Size of the client area; the widget keeps it in step with its own.
  void SetClientSize(int width, int height);
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // A new font: the canvas measures with these metrics from now on.
  void SetMetrics(const FontMetrics& metrics);
  const FontMetrics& Metrics() const { return *metrics_; }
  void SetObserver(CanvasObserver* observer) { observer_ = observer; }

  virtual void FormatText() {}
  // The current word takes the font colour; the text is laid out again.
  virtual void FontChanged();
  // Starts a new line; true when there was no room (nothing changes then).
  virtual bool NewLine();
  // Appends a word at the pen. The reference lives until the next change of Words.
  virtual TWordInfo& AddWord(std::string_view text);

  void ClearWords();
  int LineTop(int line) const;
  bool Overflows(int x) const;
  std::string GetWord(int offset) const;
  std::string GetCurrentChar() const;
  bool IsLineEnd() const;
  void DrawWord(int index, int eraseMode);
  // How word index is painted now (with its cursor when it is current).
  WordPaint PlanWord(int index, int eraseMode = 0) const;
  WordPaint PlanWordInfo(const TWordInfo& word, int eraseMode, int charIndex, bool isCurrent) const;

 protected:
  int Width(std::string_view text) const { return metrics_->TextWidth(text); }
  int FontHeight() const;
  bool HasCurrentWord() const {
    return CurrentWord >= 0 && static_cast<std::size_t>(CurrentWord) < Words.size();
  }
  void NotifyRepaint();
  void NotifyCaret(int x, int y);

 private:
  const FontMetrics* metrics_;
  CanvasObserver* observer_ = nullptr;
  int clientWidth_ = 200;
  int clientHeight_ = 200;
};

}  // namespace tq
