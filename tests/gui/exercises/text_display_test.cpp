// The exercise text displays rendered offscreen at 96 pixels per inch with
// the real fonts ("Arial" and "Times New Roman" resolve to their metric twins):
// pixels sampled where the word layout put its boxes, marks and cursors, and
// the partial repaints of a typing session compared with a full repaint.

#include <gtest/gtest.h>

#include "gui/render_probe.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gui/exercises/typing_canvas_widget.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/exercises/word_view_widget.h"

namespace tq {
namespace {

constexpr TColor kGreen = 0x008000;
constexpr TColor kLime = 0x00FF00;

// Anything the widget leaves unpainted shows magenta.
QImage Render(QWidget& w) {
  return test::RenderOn(w, Qt::magenta);
}

bool Near(QRgb pixel, TColor color, int tolerance = 40) {
  return test::Near(pixel, ToQColor(color).rgb() & 0xffffffu, tolerance);
}

std::string Hex(QRgb c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", c & 0xFFFFFFu);
  return text;
}

// The pixel of a rectangle that differs most from the background: the
// colour of the ink drawn there (letters are smoothed at their edges, their
// stems are not).
QRgb Ink(const QImage& image, QRect r, TColor background) {
  r &= image.rect();
  const QColor b = ToQColor(background);
  QRgb best = ToQColor(background).rgb();
  int bestDistance = -1;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int d = std::abs(qRed(p) - b.red()) + std::abs(qGreen(p) - b.green()) +
                    std::abs(qBlue(p) - b.blue());
      if (d > bestDistance) {
        bestDistance = d;
        best = p;
      }
    }
  return best;
}

// Pixels of a rectangle near the colour.
int CountNear(const QImage& image, QRect r, TColor color, int tolerance = 40) {
  r &= image.rect();
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (Near(image.pixel(x, y), color, tolerance)) ++n;
  return n;
}

#define EXPECT_COLOR(pixel, color)    \
  EXPECT_TRUE(Near((pixel), (color))) \
      << "found " << Hex(pixel) << ", expected " << Hex(ToQColor(color).rgb())

QFont Font(const char* family, int points, bool bold = false) {
  QFont f(QString::fromLatin1(family));
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

void SaveScreenshot(const QImage& image, const char* name) {
  test::SaveScreenshot(image, QString::fromLatin1(name));
}

// The model text display of a text exercise.
void SetUpExerciseView(ViewCanvasWidget& view, int mode, const std::string& text) {
  view.SetPixelsPerInch(96);
  view.setFont(Font("Times New Roman", 14));
  view.resize(500, 250);
  view.Canvas().TypedColor = kGreen;
  view.Canvas().SetCursorMode(mode);
  view.Canvas().SetText(text, 0);
}

// The green-on-black typing display.
void SetUpTypingView(TypingCanvasWidget& typing) {
  typing.SetPixelsPerInch(96);
  typing.setFont(Font("Arial", 13));
  typing.resize(490, 100);
  typing.SetBackgroundColor(kColorBlack);
  typing.SetFontColor(kLime);
  typing.Canvas().MarkColor = kLime;
}

void Type(TypingCanvasWidget& typing, const std::string& word) {
  for (char c : word) typing.Canvas().TypeChar(c);
}

// The text area of word i on its line: from its left edge, one cell high.
QRect TextArea(const ExerciseCanvasWidget& w, const TExerciseCanvas& c, int i) {
  const TWordInfo& word = c.Words[static_cast<std::size_t>(i)];
  return QRect(word.X, c.LineTop(word.Line), w.DisplayMetrics().TextWidth(word.Text),
               w.DisplayMetrics().CellHeight());
}

TEST(ViewCanvasWidgetTest, WordModesHighlightTheCurrentWordAndGreyOrKeepPassedWords) {
  struct Case {
    int mode;
    TColor passed;          // the colour of typed words
    bool cursorAfterFirst;  // the current word still highlighted after an advance
  };
  for (const Case& c : {Case{TViewCanvas::kWordMode, 0x808080, true},
                        Case{TViewCanvas::kWordModeOnce, kColorBlack, false}}) {
    SCOPED_TRACE(c.mode);
    ViewCanvasWidget view;
    SetUpExerciseView(view, c.mode, "alpha beta gamma delta");
    const TViewCanvas& canvas = view.Canvas();
    const int h = view.DisplayMetrics().FontHeight();
    const int mid = canvas.LineTop(1) + h / 2;

    // The box of the current word reaches past the word's left edge, behind no letter.
    QImage image = Render(view);
    EXPECT_COLOR(image.pixel(canvas.Words[0].X - 1, mid), canvas.HighlightColor);
    EXPECT_COLOR(Ink(image, TextArea(view, canvas, 0), kColorWhite), kGreen);
    EXPECT_COLOR(Ink(image, TextArea(view, canvas, 1), kColorWhite), kColorBlack);

    view.Canvas().Advance();
    view.Canvas().Advance();
    image = Render(view);
    for (int i : {0, 1}) {
      EXPECT_COLOR(Ink(image, TextArea(view, canvas, i), kColorWhite), c.passed);
      EXPECT_COLOR(image.pixel(canvas.Words[static_cast<std::size_t>(i)].X - 1, mid), kColorWhite);
    }
    EXPECT_COLOR(image.pixel(canvas.Words[2].X - 1, mid),
                 c.cursorAfterFirst ? canvas.HighlightColor : kColorWhite);
    EXPECT_COLOR(Ink(image, TextArea(view, canvas, 2), kColorWhite),
                 c.cursorAfterFirst ? kGreen : kColorBlack);
    EXPECT_COLOR(Ink(image, TextArea(view, canvas, 3), kColorWhite), kColorBlack);
  }
}

TEST(ViewCanvasWidgetTest, CharacterModeShowsTheArrowAndTheEndMarkAtALineEnd) {
  // "ab" is followed by "cd" on its line; "cd" ends the line and expects Enter.
  struct Case {
    int advances;
    int word;
    bool endMark;  // the 171 mark; otherwise "_" for the blank after the word
  };
  for (const Case& c : {Case{2, 0, false}, Case{5, 1, true}}) {
    SCOPED_TRACE(c.advances);
    ViewCanvasWidget view;
    SetUpExerciseView(view, TViewCanvas::kCharacterMode, "ab cd\r\nef");
    for (int i = 0; i < c.advances; ++i) view.Canvas().Advance();
    const TViewCanvas& canvas = view.Canvas();
    ASSERT_EQ(canvas.CurrentWord, c.word);
    ASSERT_EQ(canvas.CharIndex, 2);
    const TWordInfo& word = canvas.Words[static_cast<std::size_t>(c.word)];
    const QtFontMetrics& m = view.DisplayMetrics();
    const int h = m.FontHeight();
    const int top = canvas.LineTop(1);
    const int xc = word.X + m.TextWidth(word.Text);
    const QImage image = Render(view);

    // The arrow points at the place of the next character.
    EXPECT_COLOR(image.pixel(xc - 5, top + h / 2), canvas.ArrowColor);
    // The typed characters are gone.
    EXPECT_EQ(CountNear(image, QRect(word.X, top, xc - 8 - word.X, h), kColorBlack, 100), 0);
    // The end mark sits in the middle of the line; the blank's "_" only at its foot.
    // (Only as wide as a blank: the next word follows.)
    const int blank = m.TextWidth(" ");
    const QRect middle(xc, top + h / 3, blank, h / 3);
    const QRect foot(xc - 2, top + h * 2 / 3, blank, h / 2);
    if (c.endMark) {
      EXPECT_COLOR(Ink(image, middle, kColorWhite), kGreen);
    } else {
      EXPECT_EQ(CountNear(image, middle, kGreen, 60), 0);
      EXPECT_COLOR(Ink(image, foot, kColorWhite), kGreen);
    }
  }
}

TEST(TypingCanvasWidgetTest, MarksUnderPoorWordsAreSolidOrDotted) {
  struct Case {
    int mark;
    int expectedOn;  // marked pixels of each of the two rows, out of the word's width
  };
  TypingCanvasWidget probe;
  SetUpTypingView(probe);
  const int width = probe.DisplayMetrics().TextWidth("mistake");
  // Three pixels on, three off.
  const int dotted = (width / 6) * 3 + std::min(3, width % 6);
  for (const Case& c : {Case{0, 0}, Case{1, width}, Case{2, dotted}}) {
    SCOPED_TRACE(c.mark);
    TypingCanvasWidget typing;
    SetUpTypingView(typing);
    Type(typing, "mistake");  // no descender reaches the mark
    typing.Canvas().FinishWord(TTypingCanvas::kBlank, c.mark);
    Type(typing, "next");
    const TTypingCanvas& canvas = typing.Canvas();
    const TWordInfo& word = canvas.Words[0];
    const int markY = canvas.LineTop(1) + typing.DisplayMetrics().FontHeight();
    const QImage image = Render(typing);
    for (int y : {markY, markY + 1})
      EXPECT_EQ(CountNear(image, QRect(word.X, y, width, 1), kLime, 10), c.expectedOn) << y;
    if (c.mark == 2) {
      EXPECT_COLOR(image.pixel(word.X + 2, markY), kLime);
      EXPECT_COLOR(image.pixel(word.X + 3, markY), kColorBlack);
    }
    // Nothing is marked beyond the word, nor under the next one.
    EXPECT_EQ(CountNear(image, QRect(word.X + width, markY, 200, 2), kLime, 100), 0);
  }
}

TEST(TypingCanvasWidgetTest, GreenOnBlackWithACaretOnlyWhileFocused) {
  TypingCanvasWidget typing;
  SetUpTypingView(typing);
  Type(typing, "mill");
  const TTypingCanvas& canvas = typing.Canvas();
  const QRect word = TextArea(typing, canvas, 0);
  const QRect caret = typing.CaretRect();
  QImage image = Render(typing);
  EXPECT_COLOR(Ink(image, word, kColorBlack), kLime);
  EXPECT_COLOR(image.pixel(typing.width() - 5, typing.height() - 5), kColorBlack);
  EXPECT_FALSE(typing.HasCaret());
  EXPECT_FALSE(typing.CaretBlinking());
  EXPECT_EQ(CountNear(image, caret, kColorWhite), 0);

  QFocusEvent in(QEvent::FocusIn);
  QApplication::sendEvent(&typing, &in);
  image = Render(typing);
  ASSERT_TRUE(typing.CaretShown());
  // Two pixels wide, one font height high, just after the typed letters.
  EXPECT_EQ(caret.width(), 2);
  EXPECT_EQ(caret.height(), typing.DisplayMetrics().FontHeight());
  EXPECT_EQ(CountNear(image, caret, kColorWhite), caret.width() * caret.height());
  EXPECT_EQ(CountNear(image, QRect(caret.right() + 1, 0, 50, typing.height()), kLime, 100), 0);
  if (TypingCanvasWidget::CaretBlinkInterval() > 0) {
    EXPECT_TRUE(typing.CaretBlinking());
    EXPECT_GE(TypingCanvasWidget::CaretBlinkInterval(), 500);
  }

  // The caret follows the typing.
  Type(typing, "s");
  EXPECT_GT(typing.CaretRect().x(), caret.x());
  if (TypingCanvasWidget::CaretBlinkInterval() > 0) {
    // Left alone, it stops blinking, shown; the next key starts it again.
    typing.SetCaretBlinkTimeout(1);
    QTRY_VERIFY_WITH_TIMEOUT(!typing.CaretBlinking(), 5000);
    EXPECT_TRUE(typing.CaretShown());
    Type(typing, "t");
    EXPECT_TRUE(typing.CaretBlinking());
  }

  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(&typing, &out);
  EXPECT_FALSE(typing.CaretBlinking());
  image = Render(typing);
  EXPECT_EQ(CountNear(image, typing.CaretRect(), kColorWhite), 0);
}

TEST(WordViewWidgetTest, DrillWordShowsItsNextCharacterUntilComplete) {
  WordViewWidget word;
  word.SetPixelsPerInch(96);
  word.setFont(Font("Times New Roman", 36, true));
  word.resize(360, 70);
  word.SetBackgroundColor(0xC0DCC0);
  word.Canvas().SetWord("fjdk");
  word.Canvas().NextChar();
  word.Canvas().NextChar();
  const TWordViewCanvas& canvas = word.Canvas();
  const QtFontMetrics& m = word.DisplayMetrics();
  const int x = canvas.Words[0].X;
  const int top = canvas.LineTop(1);
  const int h = m.FontHeight();
  const QRect typed(x, top, m.TextWidth("fj") - 6, h);
  const QRect next(x + m.TextWidth("fj"), top, m.TextWidth("d"), m.CellHeight());
  const QRect rest(x + m.TextWidth("fjd"), top, m.TextWidth("k"), m.CellHeight());

  QImage image = Render(word);
  EXPECT_COLOR(image.pixel(next.x() - 6, top + h / 2), canvas.ArrowColor);
  EXPECT_COLOR(Ink(image, next, 0xC0DCC0), canvas.TypedColor);
  EXPECT_COLOR(Ink(image, rest, 0xC0DCC0), canvas.RestColor);
  // The arrow before the next character is as green as the typed colour:
  // look for green only left of it.
  const QRect beforeArrow(x, top, std::max(1, typed.width() - canvas.LeftMargin), h);
  EXPECT_EQ(CountNear(image, typed, kColorBlack, 100) +
                CountNear(image, beforeArrow, canvas.TypedColor, 60),
            0);

  word.Canvas().NextChar();
  word.Canvas().NextChar();
  ASSERT_TRUE(word.Canvas().Complete());
  image = Render(word);
  // The whole word in the rest colour, and no arrow.
  EXPECT_COLOR(Ink(image, typed, 0xC0DCC0), canvas.RestColor);
  EXPECT_EQ(CountNear(image, QRect(0, 0, word.width(), word.height()), canvas.ArrowColor, 30), 0);
}

TEST(ExerciseCanvasWidgetTest, FontsKeepTheirPixelSizeOnDenserScreens) {
  struct Case {
    int pixelsPerInch, points, pixels;
  };
  // 13 points at 120 pixels per inch are drawn at 10 points: 17 pixels, as at 96.
  for (const Case& c : {Case{96, 13, 17}, Case{120, 13, 17}, Case{96, 14, 19}, Case{144, 14, 18},
                        Case{192, 36, 48}}) {
    SCOPED_TRACE(c.pixelsPerInch);
    ViewCanvasWidget view;
    view.SetPixelsPerInch(c.pixelsPerInch);
    view.setFont(Font("Times New Roman", c.points));
    EXPECT_EQ(view.DisplayMetrics().FontHeight(), c.pixels);
    // The layout measures with it: lines are a font height and 2 pixels apart.
    EXPECT_EQ(view.Canvas().LineTop(2) - view.Canvas().LineTop(1), c.pixels + 2);
  }
}

// A text exercise in progress as the student sees it: the model text with
// the words typed so far grey and the current one highlighted, the typing
// display below it in the middle of a word, with a poor word underlined and a
// misspelt one dotted. With TAPQUILL_SCREENSHOT_DIR set it is saved there.
TEST(ExerciseCanvasWidgetTest, TextExerciseInProgress) {
  const std::string text =
      "The quiet river ran past the old mill, and the miller's daughter sat on the bank "
      "with her feet in the cold water.\r\nShe counted the boats that went by: seven in "
      "the morning, three after lunch, and none at all when the rain came.\r\n\r\nAt dusk "
      "the lamps of the village were lit one by one.";
  ViewCanvasWidget view;
  SetUpExerciseView(view, TViewCanvas::kWordMode, text);
  view.resize(500, 200);
  view.Canvas().SetText(text, 0);
  TypingCanvasWidget typing;
  SetUpTypingView(typing);
  QFocusEvent in(QEvent::FocusIn);
  QApplication::sendEvent(&typing, &in);
  const std::vector<std::pair<std::string, int>> typed = {{"The", 0}, {"quite", 1}, {"river", 0},
                                                          {"ran", 0}, {"past", 0},  {"teh", 2},
                                                          {"old", 0}, {"mill,", 0}, {"and", 0}};
  for (const auto& [word, mark] : typed) {
    Type(typing, word);
    typing.Canvas().FinishWord(TTypingCanvas::kBlank, mark);
    view.Canvas().Advance();
  }
  Type(typing, "th");

  const QImage model = Render(view);
  const QImage screen = Render(typing);
  EXPECT_COLOR(Ink(model, TextArea(view, view.Canvas(), 8), kColorWhite), 0x808080);
  EXPECT_COLOR(Ink(model, TextArea(view, view.Canvas(), 9), kColorWhite), kGreen);
  EXPECT_COLOR(Ink(screen, TextArea(typing, typing.Canvas(), 9), kColorBlack), kLime);
  EXPECT_EQ(CountNear(screen, typing.CaretRect(), kColorWhite), 2 * typing.CaretRect().height());

  QImage page(600, 360, QImage::Format_RGB32);
  page.fill(QColor(192, 220, 192));
  {
    QPainter p(&page);
    p.drawImage(50, 20, model);
    p.fillRect(45, 235, 510, 110, Qt::black);
    p.drawImage(50, 240, screen);
  }
  SaveScreenshot(page, "text_display_exercise.png");
}

// A keyboard drill's text in character mode with the arrow, the end mark of
// a line, and the drill word.
TEST(ExerciseCanvasWidgetTest, DrillDisplaysInProgress) {
  ViewCanvasWidget middle;
  SetUpExerciseView(middle, TViewCanvas::kCharacterMode, "asdf jkl; asdf\r\nfjfj dkdk");
  middle.resize(500, 70);
  middle.Canvas().SetText("asdf jkl; asdf\r\nfjfj dkdk", 0);
  for (int i = 0; i < 7; ++i) middle.Canvas().Advance();
  ViewCanvasWidget end;
  SetUpExerciseView(end, TViewCanvas::kCharacterMode, "asdf jkl; asdf\r\nfjfj dkdk");
  end.resize(500, 70);
  end.Canvas().SetText("asdf jkl; asdf\r\nfjfj dkdk", 0);
  for (int i = 0; i < 14; ++i) end.Canvas().Advance();
  ASSERT_TRUE(end.Canvas().IsLineEnd());
  ASSERT_EQ(end.Canvas().GetCurrentChar(), "\r");
  WordViewWidget word;
  word.SetPixelsPerInch(96);
  word.setFont(Font("Times New Roman", 36, true));
  word.resize(360, 70);
  word.SetBackgroundColor(0xC0DCC0);
  word.Canvas().Terminator = 13;
  word.Canvas().SetWord("fjdk");
  word.Canvas().NextChar();

  QImage page(520, 250, QImage::Format_RGB32);
  page.fill(QColor(192, 220, 192));
  {
    QPainter p(&page);
    p.drawImage(10, 10, Render(middle));
    p.drawImage(10, 90, Render(end));
    p.drawImage(10, 170, Render(word));
  }
  // The arrow of each display is where its cursor is.
  const TWordInfo& second = middle.Canvas().Words[1];
  const int xc = second.X + middle.DisplayMetrics().TextWidth("jk");
  const int h = middle.DisplayMetrics().FontHeight();
  EXPECT_COLOR(page.pixel(10 + xc - 5, 10 + middle.Canvas().LineTop(1) + h / 2), 0xC0DCC0);
  SaveScreenshot(page, "text_display_drills.png");
}

// Renders the areas a widget repainted onto what it showed before, the way a
// screen keeps what is not repainted.
class ScreenCopy : public QObject {
 public:
  explicit ScreenCopy(QWidget& w) : widget_(w), screen_(Render(w)) { w.installEventFilter(this); }
  ~ScreenCopy() override { widget_.removeEventFilter(this); }
  const QImage& Screen() const { return screen_; }
  QImage FullRender() {
    rendering_ = true;
    QImage image = Render(widget_);
    rendering_ = false;
    return image;
  }
  // Share of the widget's area repainted since the last call.
  double TakeRepaintedShare() {
    double area = 0;
    for (const QRect& r : repainted_) area += static_cast<double>(r.width()) * r.height();
    repainted_ = QRegion();
    return area / (widget_.width() * widget_.height());
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &widget_ && event->type() == QEvent::Paint && !rendering_) {
      const QRegion region = static_cast<QPaintEvent*>(event)->region();
      repainted_ += region;
      pending_ += region;
    }
    return false;
  }

 public:
  void Update() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    rendering_ = true;
    for (const QRect& r : pending_) widget_.render(&screen_, r.topLeft(), QRegion(r));
    rendering_ = false;
    pending_ = QRegion();
  }

 private:
  QWidget& widget_;
  QImage screen_;
  QRegion repainted_;
  QRegion pending_;
  bool rendering_ = false;
};

void ExpectSameImage(const QImage& a, const QImage& b, const std::string& step) {
  ASSERT_EQ(a.size(), b.size());
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ADD_FAILURE() << step << ": pixel (" << x << ", " << y << ") left " << Hex(a.pixel(x, y))
                      << " on screen, a full repaint gives " << Hex(b.pixel(x, y));
        return;
      }
}

struct Step {
  std::string name;
  std::function<void()> act;
  double maxShare;  // most of the widget a step may repaint
};

void RunSteps(ExerciseCanvasWidget& w, const std::vector<Step>& steps) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  ScreenCopy screen(w);
  for (const Step& s : steps) {
    s.act();
    screen.Update();
    ExpectSameImage(screen.Screen(), screen.FullRender(), s.name);
    EXPECT_LE(screen.TakeRepaintedShare(), s.maxShare) << s.name;
  }
}

TEST(ExerciseCanvasWidgetTest, RepaintsOnlyWhatChangedAndLeavesNoTrace) {
  // Word mode: each advance repaints the words around the cursor; past the
  // page's last word the next page is painted whole.
  {
    SCOPED_TRACE("word mode");
    ViewCanvasWidget view;
    SetUpExerciseView(view, TViewCanvas::kWordMode,
                      "Rivers run past old mills\r\nand the miller's daughter counts boats.");
    view.resize(500, 60);  // two lines a page
    view.Canvas().SetText(
        "Rivers run past old mills\r\nand the miller's daughter counts boats.\r\n"
        "Seven in the morning, three after lunch.",
        0);
    std::vector<Step> steps;
    for (int i = 0; i < 11; ++i)
      steps.push_back(
          {"advance " + std::to_string(i), [&] { view.Canvas().Advance(); }, i == 10 ? 1.0 : 0.2});
    RunSteps(view, steps);
    EXPECT_GT(view.Canvas().PageStart(), 0);
  }
  {
    SCOPED_TRACE("character mode");
    ViewCanvasWidget view;
    SetUpExerciseView(view, TViewCanvas::kCharacterMode, "asdf jkl;\r\nfjfj dkdk");
    std::vector<Step> steps;
    for (int i = 0; i < 12; ++i)
      steps.push_back({"advance " + std::to_string(i), [&] { view.Canvas().Advance(); }, 0.1});
    RunSteps(view, steps);
  }
  {
    SCOPED_TRACE("typing");
    TypingCanvasWidget typing;
    SetUpTypingView(typing);
    typing.resize(200, 60);  // two lines: long words wrap, a third line scrolls
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&typing, &in);
    std::vector<Step> steps;
    const std::vector<std::pair<std::string, int>> words = {
        {"quite", 1}, {"river", 0}, {"teh", 2},  {"milling", 0}, {"wonderfully", 1},
        {"and", 0},   {"then", 0},  {"more", 2}, {"words", 0}};
    for (const auto& [text, mark] : words) {
      for (char ch : text)
        steps.push_back({text + " +" + ch, [&typing, ch] { typing.Canvas().TypeChar(ch); }, 1.0});
      steps.push_back({text + " back", [&] { typing.Canvas().DeleteChar(); }, 0.3});
      steps.push_back(
          {text + " again", [&typing, c = text.back()] { typing.Canvas().TypeChar(c); }, 1.0});
      steps.push_back(
          {text + " done", [&typing, m = mark] { typing.Canvas().FinishWord(0, m); }, 1.0});
    }
    RunSteps(typing, steps);
    EXPECT_EQ(typing.Canvas().Words.front().Line, 0);  // scrolled out
    // A display shown again starts afresh, its caret at the start.
    RunSteps(typing, {{"clear", [&] { typing.Canvas().Clear(); }, 1.0},
                      {"type", [&] { Type(typing, "ab"); }, 0.3}});
    EXPECT_EQ(typing.CaretRect().y(), typing.Canvas().LineTop(1));
  }
  {
    SCOPED_TRACE("drill word");
    WordViewWidget word;
    word.setFont(Font("Times New Roman", 36, true));
    word.resize(360, 70);
    word.Canvas().Terminator = 13;
    std::vector<Step> steps = {{"set", [&] { word.Canvas().SetWord("fjdk"); }, 1.0}};
    for (int i = 0; i < 5; ++i)
      steps.push_back({"next " + std::to_string(i), [&] { word.Canvas().NextChar(); }, 1.0});
    RunSteps(word, steps);
  }
}

// After the display scrolls, nothing of the line scrolled away shows: its
// descenders would hang into the top edge.
TEST(ExerciseCanvasWidgetTest, ScrolledLineLeavesNoDescenders) {
  TypingCanvasWidget typing;
  SetUpTypingView(typing);
  typing.resize(200, 60);
  for (const char* word : {"gypsy", "jumpy", "quippy", "gaggy", "pygmy", "yoyo", "dog", "map"}) {
    Type(typing, word);
    typing.Canvas().FinishWord(0, 0);
  }
  ASSERT_EQ(typing.Canvas().Words.front().Line, 0);  // scrolled out
  const QImage image = test::RenderOn(typing, Qt::black);
  int lit = 0;
  for (int y = 0; y < typing.Canvas().LineTop(1); ++y)
    for (int x = 0; x < image.width(); ++x) lit += QColor(image.pixel(x, y)).green() > 60;
  EXPECT_EQ(lit, 0);
  // The lines below are drawn.
  int below = 0;
  for (int y = typing.Canvas().LineTop(1); y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) below += QColor(image.pixel(x, y)).green() > 60;
  EXPECT_GT(below, 50);
}

TEST(ExerciseCanvasWidgetTest, TypingAKeyRepaintsLittle) {
  TypingCanvasWidget typing;
  SetUpTypingView(typing);
  Type(typing, "The quick");
  typing.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&typing));
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  ScreenCopy screen(typing);
  typing.Canvas().TypeChar('l');
  screen.Update();
  // The typed word and the caret, not the display.
  EXPECT_LT(screen.TakeRepaintedShare(), 0.1);
}

}  // namespace
}  // namespace tq
