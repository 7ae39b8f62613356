// Word layout of the exercise displays, measured with fixed widths: every
// character 10 pixels wide, lines 16 pixels high (18 with the gap), so
// LineTop(n) = 18 * (n - 1) + 2.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exercises/font_metrics.h"
#include "core/exercises/typing_canvas.h"
#include "core/exercises/view_canvas.h"
#include "core/exercises/word_view_canvas.h"

namespace tq {
namespace {

struct Placed {
  std::string text;
  int line;
  int x;
  bool lineEnd;
  bool operator==(const Placed&) const = default;
};

std::vector<Placed> Layout(const TExerciseCanvas& c) {
  std::vector<Placed> out;
  for (const TWordInfo& w : c.Words) out.push_back({w.Text, w.Line, w.X, w.LineEnd});
  return out;
}

void PrintTo(const Placed& p, std::ostream* os) {
  *os << "{" << p.text << " line " << p.line << " x " << p.x << (p.lineEnd ? " end}" : "}");
}

TEST(TokenizerTest, SplitsWordsAndLineBreaks) {
  const std::string text = "\t one\r\ntwo\xFFthree\r\r  \n";
  std::size_t pos = 0;
  std::vector<std::string> seen;
  for (;;) {
    TextToken t = NextToken(text, pos);
    if (t.kind == TokenKind::End) break;
    seen.push_back(t.kind == TokenKind::LineBreak ? "<CR>" : std::string(t.text));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"one", "<CR>", "two", "three", "<CR>", "<CR>"}));

  // A zero byte ends the text; a run of 300 letters gives 255 and then 45.
  const std::string zero("ab\0cd", 5);
  pos = 0;
  EXPECT_EQ(NextToken(zero, pos).text, "ab");
  EXPECT_EQ(NextToken(zero, pos).kind, TokenKind::End);
  const std::string longWord(300, 'x');
  pos = 0;
  EXPECT_EQ(NextToken(longWord, pos).text.size(), 255u);
  TextToken rest = NextToken(longWord, pos);
  EXPECT_EQ(rest.text.size(), 45u);
  EXPECT_EQ(rest.start, 255u);
}

TEST(ViewCanvasTest, LineBreaksAndEmptyLines) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.SetText("one two\r\n\r\nthree", 0);
  EXPECT_EQ(Layout(v), (std::vector<Placed>{
                           {"one", 1, 3, false}, {"two", 1, 43, true}, {"three", 3, 3, true}}));
  EXPECT_EQ(v.Words[2].TextPos, 11);

  // A carriage return at the very start of a page adds no line.
  v.SetText("\r\n\r\nabc", 0);
  EXPECT_EQ(Layout(v), (std::vector<Placed>{{"abc", 1, 3, true}}));
}

TEST(ViewCanvasTest, WrapsBeforeAWordThatLeavesNoRoomForWW) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.SetClientSize(100, 200);  // the right limit is x 97
  // bb: 33 + 20 + width("WW") 20 = 73 fits; cc: 63 + 40 = 103 does not.
  v.SetText("aa bb cc", 0);
  EXPECT_EQ(Layout(v),
            (std::vector<Placed>{{"aa", 1, 3, false}, {"bb", 1, 33, false}, {"cc", 2, 3, true}}));
  // A word wider than the whole line stays on its own line, never leaving
  // an empty one before it.
  v.SetText("abcdefghijklmn op", 0);
  EXPECT_EQ(Layout(v), (std::vector<Placed>{{"abcdefghijklmn", 1, 3, false}, {"op", 2, 3, true}}));
}

TEST(ViewCanvasTest, PagesEndWhenTheNextLineDoesNotFitAndAdvanceTurnsThem) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.SetClientSize(100, 40);  // two lines: LineTop(3) = 38 fits 40 - 2, LineTop(4) does not
  v.SetText("aa bb cc dd ee ff", 0);
  ASSERT_EQ(
      Layout(v),
      (std::vector<Placed>{
          {"aa", 1, 3, false}, {"bb", 1, 33, false}, {"cc", 2, 3, false}, {"dd", 2, 33, false}}));
  EXPECT_EQ(v.NextPageStart(), 12);
  for (int i = 0; i < 3; ++i) v.Advance();
  EXPECT_EQ(v.GetWord(0), "dd");
  EXPECT_EQ(v.GetWord(1), "");  // the next page is not visible yet
  v.Advance();
  EXPECT_EQ(v.PageStart(), 12);
  EXPECT_EQ(Layout(v), (std::vector<Placed>{{"ee", 1, 3, false}, {"ff", 1, 33, true}}));
  EXPECT_EQ(v.Position(), 12);
  EXPECT_EQ(v.GetWord(0), "ee");
  EXPECT_EQ(v.GetWord(-1), "");

  // A page full at a line break continues after it.
  v.SetText("aa\r\nbb\r\ncc", 0);
  EXPECT_EQ(Layout(v), (std::vector<Placed>{{"aa", 1, 3, true}, {"bb", 2, 3, true}}));
  v.Advance();
  v.Advance();
  EXPECT_EQ(Layout(v), (std::vector<Placed>{{"cc", 1, 3, true}}));
}

TEST(ViewCanvasTest, CharacterModeExpectsBlanksAndEnterAtEveryLineEnd) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.SetClientSize(100, 200);
  v.SetText("aa bb cc", 0);
  v.SetCursorMode(TViewCanvas::kCharacterMode);
  EXPECT_EQ(v.LeftMargin, 19);  // room for the arrow
  // bb is the last word of its display line, so it ends with Enter.
  EXPECT_EQ(Layout(v),
            (std::vector<Placed>{{"aa", 1, 19, false}, {"bb", 1, 49, true}, {"cc", 2, 19, true}}));
  std::string expected;
  while (!v.GetCurrentChar().empty()) {
    expected += v.GetCurrentChar();
    v.Advance();
  }
  EXPECT_EQ(expected, "aa bb\rcc\r");
}

TEST(ViewCanvasTest, CharacterModeShowsTheEndMarkAndHidesTypedText) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.SetText("ab cd", 0);
  v.SetCursorMode(TViewCanvas::kCharacterMode);
  v.Advance();
  v.Advance();  // past "ab": a blank is expected, shown as "_" 2 pixels left
  WordPaint p = v.PlanWord(0);
  ASSERT_TRUE(p.arrow);
  ASSERT_EQ(p.texts.size(), 1u);
  EXPECT_EQ(p.texts[0].text, "_");
  EXPECT_EQ(p.texts[0].x, 19 + 20 - 2);
  v.Advance();  // the blank typed: "ab" disappears
  EXPECT_EQ(v.Words[0].Color, kColorWhite);
  EXPECT_TRUE(v.PlanWord(0).texts.empty());
  // On "cd": the current character underlined, the rest plain, the arrow's tip before it.
  p = v.PlanWord(1);
  ASSERT_EQ(p.texts.size(), 2u);
  EXPECT_EQ(p.texts[0].text, "c");
  EXPECT_TRUE(p.texts[0].underline);
  EXPECT_EQ(p.texts[1].text, "d");
  EXPECT_EQ(p.texts[1].color, v.RestColor);
  EXPECT_EQ(p.arrowTip.x, v.Words[1].X - 2);
  v.Advance();
  v.Advance();  // past the last word of the text: the end mark 171
  p = v.PlanWord(1);
  ASSERT_EQ(p.texts.size(), 1u);
  EXPECT_EQ(p.texts[0].text, "\xAB");
  EXPECT_EQ(v.GetCurrentChar(), "\r");
}

TEST(ViewCanvasTest, WordModesGreyOrKeepTypedWords) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.FontColor = 0x123456;
  v.SetText("one two\r\nthree", 0);
  v.SetCursorMode(TViewCanvas::kWordMode);
  v.Advance();
  EXPECT_EQ(v.Words[0].Color, v.PassedColor);
  EXPECT_TRUE(v.PlanWord(1).highlight);
  v.Advance();  // past a line end: the line position moves
  EXPECT_EQ(v.LinePosition(), 9);
  EXPECT_EQ(v.Position(), 9);

  v.SetCursorMode(TViewCanvas::kWordModeOnce);
  EXPECT_TRUE(v.ShowCursor);
  v.Advance();
  EXPECT_EQ(v.Words[0].Color, 0x123456u);
  EXPECT_FALSE(v.ShowCursor);
  EXPECT_FALSE(v.PlanWord(1).highlight);
  v.ShowCursorOnce();
  EXPECT_TRUE(v.PlanWord(1).highlight);

  v.SetCursorMode(TViewCanvas::kNoCursor);
  EXPECT_FALSE(v.PlanWord(0).highlight);
  EXPECT_EQ(v.GetCurrentChar(), "one");
}

TEST(ViewCanvasTest, ProgressFollowsThePositionAndNeverPassesAHundred) {
  FixedFontMetrics m;
  TViewCanvas v(m);
  v.SetText("ab cd ef gh", 0);  // 11 characters
  std::vector<int> progress;
  while (!v.GetWord(0).empty()) {
    progress.push_back(v.GetProgress());
    v.Advance();
  }
  EXPECT_EQ(progress, (std::vector<int>{0, 27, 55, 82}));
  // A stored start beyond the text (a shorter story file) starts over.
  v.SetText("ab cd", 40);
  EXPECT_EQ(v.Position(), 0);
  EXPECT_EQ(v.LinePosition(), 0);
  EXPECT_EQ(v.GetWord(0), "ab");
  v.SetText("ab cd", 3);
  EXPECT_EQ(v.GetWord(0), "cd");
  EXPECT_EQ(v.GetProgress(), 60);
  v.SetText("", 0);
  EXPECT_EQ(v.GetProgress(), 0);
  EXPECT_TRUE(v.Words.empty());
}

// Typing display 206 pixels wide: usable width 200, so 0.7 of it is 140
// pixels (14 characters); the right limit is x 203.
class TypingCanvasTest : public ::testing::Test {
 protected:
  TypingCanvasTest() : t(m) { t.SetClientSize(206, 200); }
  void Type(const std::string& s) {
    for (char c : s) t.TypeChar(c);
  }
  FixedFontMetrics m;
  TTypingCanvas t;
};

TEST_F(TypingCanvasTest, WordsFollowEachOtherWithTheirSeparators) {
  Type("ab");
  t.FinishWord(TTypingCanvas::kBlank, 2);
  Type("cd");
  t.FinishWord(TTypingCanvas::kGap, 0);
  Type("ef");
  t.FinishWord(TTypingCanvas::kEnter, 1);
  Type("g");
  EXPECT_EQ(
      Layout(t),
      (std::vector<Placed>{
          {"ab", 1, 3, false}, {"cd", 1, 33, false}, {"ef", 1, 103, false}, {"g", 2, 3, false}}));
  EXPECT_EQ(t.Words[0].Mark, 2);
  EXPECT_EQ(t.Words[2].Mark, 1);
  EXPECT_EQ(t.CurrentWord, 3);
  EXPECT_EQ(t.GetCurrentChar(), "g");
  EXPECT_EQ(t.CaretX(), 14);
  EXPECT_EQ(t.CaretY(), 20);
  // Blanks and control characters are not typed into a word.
  Type(" \t\b");
  EXPECT_EQ(t.TypedText(), "g");
}

TEST_F(TypingCanvasTest, DeleteNeverReachesIntoAFinishedWord) {
  Type("ab");
  t.FinishWord(TTypingCanvas::kBlank, 0);
  t.DeleteChar();
  Type("c");
  t.DeleteChar();
  t.DeleteChar();
  EXPECT_EQ(t.Words[0].Text, "ab");
  EXPECT_EQ(t.TypedText(), "");
  EXPECT_EQ(t.TypedEndX(), 33);
}

TEST_F(TypingCanvasTest, LongWordsBreakAndShortOnesMoveWhole) {
  struct Case {
    std::string before;  // a finished word placing the typed one
    int typed;           // characters typed after it
    std::vector<Placed> layout;
  };
  const std::vector<Case> cases = {
      // From x 63, the 15th character overflows with 14 (140 px, exactly 0.7) typed: moves.
      {"aaaaa", 15, {{"aaaaa", 1, 3, false}, {std::string(15, 'x'), 2, 3, false}}},
      // From x 53, the 16th overflows with 15 (150 px) typed: broken at the edge.
      {"aaaa",
       16,
       {{"aaaa", 1, 3, false}, {std::string(15, 'x'), 1, 53, false}, {"x", 2, 3, false}}},
  };
  for (const Case& c : cases) {
    TTypingCanvas canvas(m);
    canvas.SetClientSize(206, 200);
    for (char ch : c.before) canvas.TypeChar(ch);
    canvas.FinishWord(TTypingCanvas::kBlank, 0);
    for (int i = 0; i < c.typed; ++i) canvas.TypeChar('x');
    EXPECT_EQ(Layout(canvas), c.layout) << c.before;
  }
}

TEST_F(TypingCanvasTest, EnterOnALineWithNothingOnItAddsNoLine) {
  struct Case {
    std::string keys;  // letters typed; '\n' Enter, ' ' a blank
    int caretLine;
  };
  const Case cases[] = {
      {"\n", 1}, {"\n\nab", 1}, {"ab\n", 2}, {"ab\n\n\n", 2}, {"ab \n", 2}, {" \n", 2},
  };
  for (const Case& c : cases) {
    TTypingCanvas canvas(m);
    canvas.SetClientSize(206, 200);
    for (char ch : c.keys) {
      if (ch == '\n')
        canvas.FinishWord(TTypingCanvas::kEnter, 0);
      else if (ch == ' ')
        canvas.FinishWord(TTypingCanvas::kBlank, 0);
      else
        canvas.TypeChar(ch);
    }
    EXPECT_EQ(canvas.CaretY(), canvas.LineTop(c.caretLine)) << "keys \"" << c.keys << '"';
  }
}

TEST_F(TypingCanvasTest, AFullDisplayScrollsByOneLine) {
  t.SetClientSize(206, 58);  // three lines
  for (std::string w : {"l1", "l2", "l3"}) {
    Type(w);
    t.FinishWord(TTypingCanvas::kEnter, 0);
  }
  Type("l4");
  EXPECT_EQ(
      Layout(t),
      (std::vector<Placed>{
          {"l1", 0, 3, false}, {"l2", 1, 3, false}, {"l3", 2, 3, false}, {"l4", 3, 3, false}}));
  t.FinishWord(TTypingCanvas::kEnter, 0);
  // l1, scrolled out before, is gone; the new word is current.
  EXPECT_EQ(Layout(t),
            (std::vector<Placed>{
                {"l2", 0, 3, false}, {"l3", 1, 3, false}, {"l4", 2, 3, false}, {"", 3, 3, false}}));
  EXPECT_EQ(t.CurrentWord, 3);
  EXPECT_EQ(t.CaretY(), 38);
}

TEST(WordViewCanvasTest, TheCursorWalksTheWordAndItsTerminator) {
  FixedFontMetrics m(10, 40);
  struct Case {
    uint8_t terminator;
    std::string expected;  // the characters asked for, in order
  };
  for (const Case& c : {Case{0, "abc"}, Case{13, "abc\r"}, Case{32, "abc "}}) {
    TWordViewCanvas w(m);
    EXPECT_EQ(w.LeftMargin, 23);
    w.Terminator = c.terminator;
    w.SetWord("abc");
    EXPECT_EQ(w.IsLineEnd(), c.terminator == 13);
    std::string asked;
    for (int i = 0; i < 10 && !w.Complete(); ++i) {
      asked += w.GetCurrentChar();
      w.NextChar();
    }
    EXPECT_EQ(asked, c.expected) << int(c.terminator);
    EXPECT_EQ(w.GetCurrentChar(), "");
    EXPECT_EQ(w.Words[0].Color, w.RestColor);
    w.SetWord("de");
    EXPECT_EQ(w.GetCurrentChar(), "d");
    EXPECT_EQ(w.Words[0].Color, TColor{0x008000});
  }
}

TEST(WordViewCanvasTest, ALargerFontMovesTheWordClearOfTheArrow) {
  FixedFontMetrics small(10, 16), large(20, 54);
  TWordViewCanvas w(small);
  w.SetWord("fj");
  EXPECT_EQ(w.LeftMargin, 11);
  w.SetMetrics(large);
  EXPECT_EQ(w.LeftMargin, 30);  // half the font height plus 3
  EXPECT_EQ(w.Words[0].X, 30);
  WordPaint paint = w.PlanWord(0);
  ASSERT_TRUE(paint.arrow);
  EXPECT_GE(paint.arrowBox.left, 0);  // the whole arrow stays inside
}

TEST(FontMetricsTest, DisplayFontsKeepTheirPixelSize) {
  EXPECT_EQ(ScaledPointSize(13, 120), 10);
  EXPECT_EQ(ScaledPointSize(13, 96), 13);
  EXPECT_EQ(ScaledPointSize(36, 144), 24);
}

}  // namespace
}  // namespace tq
