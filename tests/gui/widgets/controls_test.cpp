// A label with a room: long captions are drawn smaller, then cut short,
// never wider than the room.

#include "gui/widgets/controls.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>

#include "gui/shell/qt_text.h"

namespace tq {
namespace {

TEST(LabelTest, ARoomShrinksThenCutsLongCaptions) {
  QWidget page;
  page.resize(600, 100);
  page.show();
  const QFont font = PixelFont("Arial", 30, true);
  const int fullWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("Medium title here"));
  const int room = fullWidth * 5 / 6;  // too narrow for the full size, wide enough for 5/6
  struct Case {
    const char* caption;
    bool smaller;
    bool cut;
  };
  const Case cases[] = {
      {"Short", false, false},
      {"Medium title here", true, false},
      {"A title far too long for any room this narrow at all", true, true},
  };
  for (const Case& c : cases) {
    TLabel* label = MakeLabel(&page, "Title", QPoint(0, 0), font, Qt::black);
    label->SetMaxWidth(room);
    label->show();
    label->SetCaption(QString::fromLatin1(c.caption));
    EXPECT_LE(label->width(), room) << c.caption;
    EXPECT_EQ(label->font().pixelSize() < 30, c.smaller) << c.caption;
    EXPECT_GE(label->font().pixelSize(), 20) << c.caption;
    // Only a caption too long at two thirds of the size is cut short.
    if (c.cut) {
      EXPECT_EQ(label->font().pixelSize(), 20) << c.caption;
    }
    // The caption itself is kept whole; only its drawing is cut short.
    EXPECT_EQ(label->Caption(), QString::fromLatin1(c.caption));
    QImage image(label->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    label->render(&image);
    int inkRight = -1;
    for (int x = 0; x < image.width(); ++x)
      for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(x, y)) < 128) inkRight = x;
    // The smaller text stays inside the label on the full size's baseline.
    EXPECT_GT(inkRight, label->width() / 2) << c.caption;
    delete label;
  }
  // Without a room the caption takes its full width.
  TLabel* free = MakeLabel(&page, "Free", QPoint(0, 0), font, Qt::black);
  free->show();
  free->SetCaption(QStringLiteral("Medium title here"));
  EXPECT_GE(free->width(), fullWidth);
  EXPECT_EQ(free->font().pixelSize(), 30);
}

}  // namespace
}  // namespace tq
