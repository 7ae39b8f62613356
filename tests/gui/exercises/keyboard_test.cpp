#include "gui/exercises/keyboard.h"

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "core/shell/errors.h"
#include "gui/exercises/exercise_art.h"
#include "gui/render_probe.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::DarkPixels;
using test::Flush;
using test::RenderOnWhite;

// A small layout: a home row a f j 1, both Shift keys below it, and a tall
// hidden key "7" over the j key that reaches into the empty space below.
constexpr const char* kLayout =
    "$version=5\r\n"
    "defaultsize;30;30\r\n"
    // First in the file, yet drawn over the keys that follow it.
    "key;5;74;10;24;62;h;7\r\n"                 // hidden, x 74..97, y 10..71
    "key;1;10;10;30;30;-;a;A\r\n"               // x 10
    "key;4;+2;0;0;0;n;f;F\r\n"                  // x 42, ridge
    "key;5;+2;0;0;0;-;j;J\r\n"                  // x 74
    "key;8;+2;0;0;0;-;1;!\r\n"                  // x 106
    "shiftcontrolkey;1;10;42;50;0;d;1;x\r\n"    // left Shift, x 10..59, y 42
    "shiftcontrolkey;8;100;42;50;0;d;1;x\r\n";  // right Shift, x 100..149

struct KeyPlace {
  int x, y, w, h;
  // A face pixel clear of the label, the bevel and the shadow.
  QPoint Face() const { return {x + w - 9, y + h / 2}; }
  QPoint Bevel() const { return {x + 3, y + h / 2}; }
  QPoint Shadow() const { return {x + w - 4, y + h / 2}; }
  QPoint Outline() const { return {x, y + h / 2}; }
};
constexpr KeyPlace kA{10, 10, 30, 30}, kF{42, 10, 30, 30}, kJ{74, 10, 30, 30},
    kOne{106, 10, 30, 30}, kLeftShift{10, 42, 50, 30}, kRightShift{100, 42, 50, 30},
    kSeven{74, 10, 24, 62};

class KeyboardWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    SetErrorLogPath(dir / "Errors.log");
    SetArtworkDirectory(QString::fromStdString(dir.path()));  // no KeyFace picture
    test::WriteFile(dir / "small.kbd", kLayout);
    ASSERT_EQ(layout.LoadFromFile(dir / "small.kbd"), 1);
    keyboard = std::make_unique<TKeyboard>(nullptr, &layout);
  }
  void TearDown() override {
    SetErrorLogPath("Errors.log");
    SetArtworkDirectory({});
  }

  QImage Render() { return RenderOnWhite(*keyboard); }

  test::FakeHost host;
  test::TempDir dir;
  TKeyDataExt layout;
  std::unique_ptr<TKeyboard> keyboard;
};

TEST_F(KeyboardWidgetTest, TakesTheSizeOfItsKeys) {
  // The hidden key reaches furthest down; one more pixel for a pressed key.
  EXPECT_EQ(keyboard->size(), QSize(151, 73));
}

// Which keys are green after lighting a text, and which are plain.
TEST_F(KeyboardWidgetTest, LightsTheKeyAndTheShiftOfTheOtherHand) {
  struct Case {
    const char* next;
    std::vector<KeyPlace> lit;
    std::vector<KeyPlace> plain;
  };
  const Case cases[] = {
      {"j", {kJ}, {kA, kF, kLeftShift, kRightShift}},
      // A capital of a right-hand key takes the left Shift, and the other way round.
      {"J", {kJ, kLeftShift}, {kA, kRightShift}},
      {"A", {kA, kRightShift}, {kJ, kLeftShift}},
      {"!", {kOne, kLeftShift}, {kRightShift}},
      {"", {}, {kA, kF, kJ, kOne}},
      {"\xa7", {}, {kA, kF, kJ, kOne}},  // no key types it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.next);
    keyboard->ShowKeys(c.next, "");
    const QImage image = Render();
    for (const KeyPlace& k : c.lit) {
      EXPECT_PIXEL(image, k.Face().x(), k.Face().y(), kLitFaceColor);
      EXPECT_PIXEL(image, k.Bevel().x(), k.Bevel().y(), kLitBevelColor);
      EXPECT_PIXEL(image, k.Shadow().x(), k.Shadow().y(), kLitShadowColor);
      EXPECT_PIXEL(image, k.Outline().x(), k.Outline().y(), 0x000000);
    }
    for (const KeyPlace& k : c.plain) {
      const bool dark = k.y == 42;
      EXPECT_PIXEL(image, k.Face().x(), k.Face().y(), dark ? kDarkFaceColor : kPlainFaceColor);
      EXPECT_PIXEL(image, k.Shadow().x(), k.Shadow().y(),
                   dark ? kShadowOutlineColor : kLightShadowColor);
      if (!dark) {
        EXPECT_PIXEL(image, k.Bevel().x(), k.Bevel().y(), 0xFFFFFF);
      }
    }
  }
}

TEST_F(KeyboardWidgetTest, CrossesOutWrongKeysUnlessLit) {
  // The stroke runs from (5, h-7) to (w-5, 3) of the key: on a 30 x 30 key
  // it passes (20, 8).
  const QPoint onStroke(kF.x + 20, kF.y + 8);
  keyboard->ShowKeys("j", "f");
  QImage image = Render();
  EXPECT_PIXEL(image, onStroke.x(), onStroke.y(), kWrongStrokeColor);
  EXPECT_PIXEL(image, kJ.x + 20, kJ.y + 8, kLitFaceColor);  // no stroke on the lit key

  // A wrong capital crosses out its Shift too.
  keyboard->ShowKeys("", "F");
  image = Render();
  EXPECT_PIXEL(image, onStroke.x(), onStroke.y(), kWrongStrokeColor);
  EXPECT_PIXEL(image, kRightShift.x + 40 - 5, kRightShift.y + 8, kWrongStrokeColor);

  // Lit wins over wrong on the same key.
  keyboard->ShowKeys("f", "f");
  image = Render();
  EXPECT_PIXEL(image, onStroke.x(), onStroke.y(), kLitFaceColor);

  keyboard->ClearMarks();
  image = Render();
  EXPECT_PIXEL(image, onStroke.x(), onStroke.y(), kPlainFaceColor);
}

TEST_F(KeyboardWidgetTest, HiddenKeyShowsOnlyWhileLit) {
  // Below the j key, where only the hidden key can be.
  const QPoint below(kSeven.x + 12, 56);
  QImage image = Render();
  EXPECT_PIXEL(image, below.x(), below.y(), 0xFFFFFF);
  EXPECT_PIXEL(image, kJ.Face().x(), kJ.Face().y(), kPlainFaceColor);

  keyboard->ShowKeys("7", "");
  image = Render();
  EXPECT_PIXEL(image, below.x(), below.y(), kLitFaceColor);
  // It lies over the j key: the j key's face is covered.
  EXPECT_PIXEL(image, kSeven.x + 16, kJ.y + 20, kLitFaceColor);

  keyboard->ShowKeys("j", "");
  image = Render();
  EXPECT_PIXEL(image, below.x(), below.y(), 0xFFFFFF);
  EXPECT_PIXEL(image, kJ.Face().x(), kJ.Face().y(), kLitFaceColor);

  keyboard->ShowKeys("7", "");
  keyboard->ClearMarks();
  image = Render();
  EXPECT_PIXEL(image, below.x(), below.y(), 0xFFFFFF);
  EXPECT_PIXEL(image, kJ.Face().x(), kJ.Face().y(), kPlainFaceColor);
}

TEST_F(KeyboardWidgetTest, PressedKeyMovesOnePixel) {
  const int y = kA.y + 15;
  keyboard->PressKey('a');
  EXPECT_EQ(keyboard->PressedChar(), "a");
  QImage image = Render();
  EXPECT_PIXEL(image, kA.x, y, 0xFFFFFF);
  EXPECT_PIXEL(image, kA.x + 1, y, 0x000000);
  EXPECT_PIXEL(image, kF.x, y, 0x000000);

  keyboard->PressKey('f');
  image = Render();
  EXPECT_PIXEL(image, kA.x, y, 0x000000);
  EXPECT_PIXEL(image, kF.x, y, 0xFFFFFF);
  EXPECT_PIXEL(image, kF.x + 1, y, 0x000000);
}

TEST_F(KeyboardWidgetTest, RidgeOfTheHomeKey) {
  // Width 30: a line of round(4.5) = 4 pixels from x 13, at y round(19.5) = 20.
  const QImage image = Render();
  for (int x = 13; x <= 16; ++x) {
    EXPECT_PIXEL(image, kF.x + x, kF.y + 20, 0xFFFFFF);
    EXPECT_PIXEL(image, kF.x + x + 1, kF.y + 21, kLightShadowColor);
  }
  EXPECT_PIXEL(image, kF.x + 12, kF.y + 20, kPlainFaceColor);
  EXPECT_PIXEL(image, kJ.x + 14, kJ.y + 20, kPlainFaceColor);  // no ridge on j
}

TEST_F(KeyboardWidgetTest, LabelsBlackOnlyWhenLearnedAndInTwoCornersForTwoCharacters) {
  const QRect labelOfA(kA.x + 5, kA.y + 3, 14, 14);
  const QRect labelOfF(kF.x + 5, kF.y + 3, 14, 14);
  keyboard->SetLearnedKeys("a");
  QImage image = Render();
  EXPECT_GT(DarkPixels(image, labelOfA), 5);
  EXPECT_EQ(DarkPixels(image, labelOfF), 0);  // grey until learned

  keyboard->SetAllLearned();
  image = Render();
  EXPECT_GT(DarkPixels(image, labelOfF), 5);
  // One capital at the top of a letter key; the digit key has "!" at the
  // top and "1" below it.
  const auto lowerBand = [](const KeyPlace& k) { return QRect(k.x + 6, k.y + 15, 14, 7); };
  const auto upperBand = [](const KeyPlace& k) { return QRect(k.x + 6, k.y + 3, 14, 9); };
  EXPECT_EQ(DarkPixels(image, lowerBand(kA)), 0);
  EXPECT_GT(DarkPixels(image, upperBand(kOne)), 3);
  EXPECT_GT(DarkPixels(image, lowerBand(kOne)), 3);
}

TEST_F(KeyboardWidgetTest, KeyImageStates) {
  struct Case {
    int state;
    unsigned face;
    unsigned onStroke;
  };
  // A 40 x 34 key: the stroke from (5, 27) to (35, 3) passes (25, 11).
  const Case cases[] = {{0, kPlainFaceColor, kPlainFaceColor},
                        {1, kLitFaceColor, kLitFaceColor},
                        {2, kPlainFaceColor, kWrongStrokeColor}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    const QImage image = keyboard->KeyImage("q", 34, c.state, 40).toImage();
    ASSERT_EQ(image.size(), QSize(40, 34));
    EXPECT_PIXEL(image, 31, 20, c.face);
    EXPECT_PIXEL(image, 25, 11, c.onStroke);
    EXPECT_GT(DarkPixels(image, QRect(5, 3, 14, 14)), 5);  // learned: a black "q"
  }
  EXPECT_TRUE(keyboard->KeyImage("q", 0, 1, 40).isNull());
}

TEST_F(KeyboardWidgetTest, FaceTextureFillsOrdinaryKeysOnly) {
  QPixmap texture(8, 8);
  texture.fill(QColor(0x20, 0x40, 0xA0));
  keyboard->SetFaceTexture(texture);
  const QImage image = Render();
  EXPECT_PIXEL(image, kA.Face().x(), kA.Face().y(), 0x2040A0);
  EXPECT_PIXEL(image, kLeftShift.Face().x(), kLeftShift.Face().y(), kDarkFaceColor);
  // Dark keys take the texture for their bevel.
  EXPECT_PIXEL(image, kLeftShift.Bevel().x(), kLeftShift.Bevel().y(), 0x2040A0);
}

// Lighting the next key repaints the keys that changed and nothing else:
// waiting for a key must cost nothing and a key must cost little.
TEST_F(KeyboardWidgetTest, RepaintsOnlyTheChangedKeys) {
  QWidget page;
  page.resize(300, 200);
  TKeyboard* shown = new TKeyboard(&page, &layout);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  Flush();
  test::PaintRecorder recorder(shown);

  const auto area = [](const KeyPlace& k) { return QRect(k.x, k.y, k.w + 1, k.h + 1); };
  struct Step {
    const char* next;
    const char* wrong;
    std::vector<KeyPlace> changed;
  };
  const Step steps[] = {
      {"f", "", {kF}},
      {"j", "", {kF, kJ}},
      {"J", "", {kLeftShift}},  // j stays lit: only the Shift changes
      {"a", "f", {kJ, kLeftShift, kA, kF}},
      {"a", "f", {}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.next);
    recorder.Clear();
    shown->ShowKeys(s.next, s.wrong);
    Flush();
    QRegion expected;
    for (const KeyPlace& k : s.changed) expected += area(k);
    EXPECT_TRUE(recorder.painted.subtracted(expected).isEmpty())
        << "painted outside the changed keys: " << recorder.painted.boundingRect().width() << "x"
        << recorder.painted.boundingRect().height();
    for (const KeyPlace& k : s.changed) EXPECT_TRUE(recorder.painted.intersects(area(k)));
    if (s.changed.empty()) {
      EXPECT_EQ(recorder.paints, 0);
    }
  }

  recorder.Clear();
  shown->PressKey('j');
  Flush();
  EXPECT_TRUE(recorder.painted.subtracted(area(kJ)).isEmpty());
  EXPECT_FALSE(recorder.painted.isEmpty());
}

// Drawn smaller to fit a narrow place: the whole picture shrinks, a lit key
// is green where its scaled face lies, and lighting it repaints that place.
TEST_F(KeyboardWidgetTest, ScaledKeyboardFitsItsPlace) {
  QWidget page;
  page.resize(300, 200);
  TKeyboard* shown = new TKeyboard(&page, &layout);
  EXPECT_DOUBLE_EQ(shown->ScaleToFit(QSize(302, 400)), 1.0);
  const double scale = shown->ScaleToFit(QSize(75, 400));  // half the 151 pixels, rounded down
  EXPECT_NEAR(scale, 75.0 / 151, 1e-9);
  shown->SetScale(scale);
  EXPECT_LE(shown->width(), 75);
  EXPECT_LE(shown->height(), 37);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  Flush();
  test::PaintRecorder recorder(shown);
  shown->ShowKeys("j", "");
  Flush();
  const QRect scaledJ(kJ.x / 2 - 1, kJ.y / 2 - 1, kJ.w / 2 + 3, kJ.h / 2 + 3);
  EXPECT_TRUE(recorder.painted.intersects(scaledJ));
  EXPECT_TRUE(recorder.painted.subtracted(scaledJ.adjusted(-1, -1, 1, 1)).isEmpty());
  const QImage image = RenderOnWhite(*shown);
  const QPoint face(static_cast<int>(kJ.Face().x() * scale),
                    static_cast<int>(kJ.Face().y() * scale));
  EXPECT_PIXEL(image, face.x(), face.y(), kLitFaceColor);
  // Back at full size it takes the size of its keys again.
  shown->SetScale(1.0);
  EXPECT_EQ(shown->size(), QSize(151, 73));
}

}  // namespace
}  // namespace tq
