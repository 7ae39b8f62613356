#include "gui/exercises/fingers.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QTest>

#include "gui/exercises/exercise_art.h"
#include "gui/render_probe.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::RenderOnWhite;

// Where each finger's picture goes on the hands.
struct Place {
  int finger;
  int x, y;
};
constexpr Place kPlaces[] = {{1, 4, 69},   {2, 31, 25},  {3, 53, 0},   {4, 90, 13},  {5, 275, 8},
                             {6, 307, -4}, {7, 335, 18}, {8, 360, 52}, {9, 221, 90}, {10, 136, 90}};

// Hands of one colour and ten small finger pictures of another.
void SetPlainPictures(TFingers& fingers, int handsWidth) {
  QPixmap hands(handsWidth, 146);
  hands.fill(QColor(0x30, 0x30, 0x30));
  std::array<QPixmap, 10> pictures;
  for (QPixmap& p : pictures) {
    p = QPixmap(8, 8);
    p.fill(QColor(0xFF, 0x00, 0xFF));
  }
  fingers.SetPictures(hands, pictures);
}

TEST(FingersTest, EachFingerPictureAtItsPlace) {
  TFingers fingers(nullptr);
  SetPlainPictures(fingers, 410);
  EXPECT_EQ(fingers.size(), QSize(410, 146));
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.finger);
    fingers.SetFinger(p.finger);
    const QImage image = RenderOnWhite(fingers);
    // The picture's bottom-right pixel, and the pixel just beyond it.
    EXPECT_PIXEL(image, p.x + 7, p.y + 7, 0xFF00FF);
    EXPECT_PIXEL(image, p.x + 8, p.y + 7, 0x303030);
    EXPECT_PIXEL(image, p.x + 7, p.y + 8, 0x303030);
  }
  fingers.SetFinger(0);
  const QImage image = RenderOnWhite(fingers);
  for (const Place& p : kPlaces) EXPECT_PIXEL(image, p.x + 7, p.y + 7, 0x303030);
}

// Without any picture files the hands are drawn, and each finger lights up
// over the finger it stands for: within its place, never on the white
// around the hands.
TEST(FingersTest, DrawnHandsHighlightOneFingerAtATime) {
  test::TempDir empty;
  SetArtworkDirectory(QString::fromStdString(empty.path()));
  TFingers fingers(nullptr);
  EXPECT_EQ(fingers.size(), QSize(kHandsWidth, kHandsHeight));
  const QImage none = RenderOnWhite(fingers);
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.finger);
    fingers.SetFinger(p.finger);
    const QImage lit = RenderOnWhite(fingers);
    const QRect area = fingers.FingerArea(p.finger);
    EXPECT_EQ(area.topLeft(), QPoint(p.x, p.y));
    int highlighted = 0;
    int outside = 0;
    int offTheHand = 0;
    for (int y = 0; y < lit.height(); ++y)
      for (int x = 0; x < lit.width(); ++x) {
        if (lit.pixel(x, y) == none.pixel(x, y)) continue;
        if (!area.contains(x, y)) ++outside;
        if (none.pixel(x, y) == qRgb(255, 255, 255)) ++offTheHand;
        if (test::Near(lit.pixel(x, y), kFingerHighlightColor, 8)) ++highlighted;
      }
    EXPECT_EQ(outside, 0);
    EXPECT_LE(offTheHand, 3);
    // A finger is more than a few specks; the thumbs are the smallest.
    EXPECT_GT(highlighted, 150);
  }
  SetArtworkDirectory({});
}

TEST(FingersTest, PictureFilesAreFoundByContentAndAnyCase) {
  test::TempDir dir;
  // A PNG under the ".pic" name, the finger's file in lower case.
  const auto save = [&](const QColor& color, QSize size, const std::string& name) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString(dir / name), "PNG"));
  };
  save(QColor(0, 0, 200), QSize(380, 146), "FingersPic.pic");
  save(QColor(200, 0, 0), QSize(10, 10), "finger3.PIC");
  SetArtworkDirectory(QString::fromStdString(dir.path()));
  TFingers fingers(nullptr);
  SetArtworkDirectory({});
  EXPECT_EQ(fingers.width(), 380);
  fingers.SetFinger(3);
  QImage image = RenderOnWhite(fingers);
  EXPECT_PIXEL(image, 53 + 5, 0 + 5, 0xC80000);
  // A finger without its file shows only the hands (no drawn finger on a
  // picture it was not made for).
  fingers.SetFinger(4);
  image = RenderOnWhite(fingers);
  EXPECT_PIXEL(image, 53 + 5, 0 + 5, 0x0000C8);
  EXPECT_TRUE(fingers.FingerArea(4).isEmpty());
}

TEST(FingersTest, ChangingTheFingerRepaintsOnlyTheTwoFingers) {
  QWidget page;
  page.resize(420, 160);
  TFingers* fingers = new TFingers(&page);
  SetPlainPictures(*fingers, 400);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  test::Flush();
  test::PaintRecorder recorder(fingers);
  fingers->SetFinger(2);
  test::Flush();
  EXPECT_EQ(recorder.painted, QRegion(fingers->FingerArea(2)));
  recorder.Clear();
  fingers->SetFinger(7);
  test::Flush();
  EXPECT_EQ(recorder.painted, QRegion(fingers->FingerArea(2)) + fingers->FingerArea(7));
  recorder.Clear();
  fingers->SetFinger(7);
  test::Flush();
  EXPECT_EQ(recorder.paints, 0);
}

}  // namespace
}  // namespace tq
