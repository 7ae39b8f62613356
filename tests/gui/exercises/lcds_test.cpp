#include "gui/exercises/lcds.h"

#include <gtest/gtest.h>

#include <QTest>

#include "core/exercises/deviation.h"
#include "gui/exercises/exercise_art.h"
#include "gui/render_probe.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::RenderOnWhite;

// Lamp centres: red at y 5, yellow at y 40, green at y 75, each 30 high.
constexpr int kLampX = 20;
constexpr int kGreenY = 90, kYellowY = 55, kRedY = 20;

TEST(TrafficLightTest, OneLampLitPerState) {
  TTrafficLightLcd light(nullptr);
  EXPECT_EQ(light.size(), QSize(50, 110));
  struct Case {
    int state;
    unsigned green, yellow, red;  // the colour at each lamp's centre
  };
  const Case cases[] = {
      {0, 0x000000, 0x000000, 0x000000},
      {1, kGreenLampColor, 0x000000, 0x000000},
      {2, 0x000000, kYellowLampColor, 0x000000},
      {3, 0x000000, 0x000000, kRedLampColor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    light.SetLight(c.state);
    const QImage image = RenderOnWhite(light);
    EXPECT_PIXEL(image, kLampX, kGreenY, c.green);
    EXPECT_PIXEL(image, kLampX, kYellowY, c.yellow);
    EXPECT_PIXEL(image, kLampX, kRedY, c.red);
    // Unlit lamps are grey rings: the left edge of each circle.
    for (int lamp = 1; lamp <= 3; ++lamp) {
      const QRect r = TTrafficLightLcd::LampRect(lamp);
      if (lamp != c.state) {
        EXPECT_PIXEL(image, r.left(), r.center().y(), kLampOutlineColor);
      }
    }
    EXPECT_PIXEL(image, 45, 2, 0x000000);  // black around the lamps
  }
}

TEST(TrafficLightTest, FollowsTheRhythmMeter) {
  TTrafficLightLcd light(nullptr);
  TDeviationMeter meter;
  light.ShowRhythm(meter);
  EXPECT_EQ(light.Light(), 0);  // nothing measured yet
  for (int i = 0; i < 30; ++i) meter.AddSample(10);
  light.ShowRhythm(meter);
  EXPECT_EQ(light.Light(), 1);
  EXPECT_PIXEL(RenderOnWhite(light), kLampX, kGreenY, kGreenLampColor);
  // Wildly uneven keys make it yellow, then red.
  for (int level : {2, 3}) {
    for (int i = 0; i < 100 && meter.Level() < level; ++i) meter.AddSample(i % 2 ? 2 : 30);
    ASSERT_EQ(meter.Level(), level);
    light.ShowRhythm(meter);
    EXPECT_EQ(light.Light(), level);
  }
  EXPECT_PIXEL(RenderOnWhite(light), kLampX, kRedY, kRedLampColor);
}

TEST(TrafficLightTest, RepaintsOnlyOnAChange) {
  QWidget page;
  TTrafficLightLcd* light = new TTrafficLightLcd(&page);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  test::Flush();
  const int before = light->PaintCount();
  light->SetLight(2);
  test::Flush();
  light->SetLight(2);
  test::Flush();
  EXPECT_EQ(light->PaintCount(), before + 1);
  light->SetLight(0);
  test::Flush();
  EXPECT_EQ(light->PaintCount(), before + 2);
}

TEST(TrafficLightTest, CaptionOfTheLitLampInItsColour) {
  TTrafficLightLcd light(nullptr);
  light.resize(115, 110);
  light.SetCaptions("Steady", "Unsteady", "Watch out");
  light.SetLight(3);
  const QImage image = RenderOnWhite(light);
  int red = 0;
  int grey = 0;
  for (int y = 0; y < 110; ++y)
    for (int x = 42; x < 115; ++x) {
      const QRgb c = image.pixel(x, y);
      if (qRed(c) > 150 && qGreen(c) < 60) ++red;
      if (qRed(c) > 60 && std::abs(qRed(c) - qGreen(c)) < 8 && std::abs(qRed(c) - qBlue(c)) < 8)
        ++grey;
    }
  EXPECT_GT(red, 20);
  EXPECT_GT(grey, 40);
}

// A long caption is drawn smaller, not cut at the control's right edge:
// the last columns stay black.
TEST(TrafficLightTest, LongCaptionKeepsClearOfTheRightEdge) {
  TTrafficLightLcd light(nullptr);
  light.resize(115, 110);
  light.SetCaptions("Steady", "Unsteady", "Watch out, watch out");
  light.SetLight(3);
  const QImage image = RenderOnWhite(light);
  int inked = 0;
  int edge = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 42; x < 115; ++x) {
      const bool ink = qRed(image.pixel(x, y)) > 60;
      inked += ink;
      if (x >= 111) edge += ink;
    }
  EXPECT_GT(inked, 20);
  EXPECT_EQ(edge, 0);
}

// Lamps of two colours, off blue and on green.
QPixmap Lamp(unsigned rgb, QSize size) {
  QPixmap p(size);
  p.fill(QColor::fromRgb(rgb));
  return p;
}

TEST(MissedLcdTest, LitLampsFromTheLeft) {
  TMissedLcd lamps(nullptr);
  lamps.SetPictures(Lamp(0x0000FF, {10, 8}), Lamp(0x00FF00, {10, 8}));
  struct Case {
    int count, value;
    QSize size;
    const char* pattern;  // one letter per lamp: g lit, b unlit
  };
  const Case cases[] = {
      {3, 5, {30, 8}, "ggg"},  {3, 0, {30, 8}, "bbb"},  {3, 2, {30, 8}, "ggb"},
      {4, 1, {40, 8}, "gbbb"}, {3, -1, {30, 8}, "bbb"}, {0, 2, {0, 0}, ""},
      {-2, 0, {0, 0}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " " << c.value);
    lamps.SetCount(c.count);
    lamps.SetValue(c.value);
    EXPECT_EQ(lamps.size(), c.size);
    if (c.size.isEmpty()) continue;
    const QImage image = RenderOnWhite(lamps);
    for (int i = 0; c.pattern[i]; ++i)
      EXPECT_PIXEL(image, i * 10 + 5, 4, c.pattern[i] == 'g' ? 0x00FF00u : 0x0000FFu);
  }
}

TEST(MissedLcdTest, SizeFollowsThePictures) {
  TMissedLcd lamps(nullptr);
  lamps.SetCount(3);
  lamps.SetValue(1);
  lamps.SetPictures(Lamp(0x0000FF, {10, 8}), Lamp(0x00FF00, {12, 6}));
  EXPECT_EQ(lamps.size(), QSize(32, 8));
  QImage image = RenderOnWhite(lamps);
  EXPECT_PIXEL(image, 11, 3, 0x00FF00);
  EXPECT_PIXEL(image, 12, 3, 0x0000FF);
  EXPECT_PIXEL(image, 5, 7, 0x000000);  // under the lower lit lamp: the black ground
  // A missing picture is left out.
  lamps.SetPictures(Lamp(0x0000FF, {10, 8}), QPixmap());
  EXPECT_EQ(lamps.size(), QSize(20, 8));
  image = RenderOnWhite(lamps);
  EXPECT_PIXEL(image, 5, 3, 0x0000FF);
  // An absurd count still makes a row of reasonable length.
  lamps.SetCount(1 << 30);
  EXPECT_LE(lamps.width(), 10 * 100);
}

TEST(ExerciseArtTest, DrawnStandInsWhenNoFiles) {
  test::TempDir dir;
  SetArtworkDirectory(QString::fromStdString(dir.path()));
  EXPECT_TRUE(KeyFacePicture().isNull());
  const QImage on = LampPicture(true).toImage();
  const QImage off = LampPicture(false).toImage();
  ASSERT_FALSE(on.isNull());
  ASSERT_EQ(on.size(), off.size());
  const QPoint centre(on.width() / 2, on.height() / 2);
  EXPECT_GT(qGreen(on.pixel(centre)), 150);
  EXPECT_LT(qGreen(off.pixel(centre)), 120);
  const QImage ok = FeedbackPicture(true).toImage();
  const QImage error = FeedbackPicture(false).toImage();
  EXPECT_GT(qGreen(ok.pixel(8, 24)), qRed(ok.pixel(8, 24)));
  EXPECT_GT(qRed(error.pixel(8, 24)), qGreen(error.pixel(8, 24)));

  // A file, whatever its picture format, takes the place of the drawing.
  QImage file(7, 5, QImage::Format_RGB32);
  file.fill(Qt::red);
  ASSERT_TRUE(file.save(QString::fromStdString(dir / "OkOn.pic"), "BMP"));
  EXPECT_EQ(LampPicture(true).size(), QSize(7, 5));
  // An unreadable file is as good as none.
  test::WriteFile(dir / "OkOff.pic", "not a picture");
  EXPECT_EQ(LampPicture(false).size(), off.size());
  SetArtworkDirectory({});
}

}  // namespace
}  // namespace tq
