// The exercise list's rows as painted: the current row keeps the tick of a
// done exercise on its own picture.

#include "gui/widgets/exercise_list.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "core/course/chapter.h"
#include "gui/render_probe.h"

namespace tq {
namespace {

constexpr int kRowHeight = 24;
constexpr unsigned kTick = 0x4F8A5E;

QPixmap Plain(unsigned rgb) {
  QPixmap picture(300, kRowHeight - 3);
  picture.fill(QColor::fromRgb(rgb));
  return picture;
}

// Pixels of the tick's colour in the row's tick area (left of the number).
int TickPixels(const QImage& image, int row) {
  int n = 0;
  const int top = (row - 1) * kRowHeight;
  for (int y = top; y < top + kRowHeight - 3; ++y)
    for (int x = 0; x < 28; ++x)
      if (test::Near(image.pixel(x, y), kTick, 30)) ++n;
  return n;
}

TEST(ExerciseListTest, CurrentRowShowsItsTickOnlyWhenDone) {
  TChapter lesson;
  for (const char* id : {"3.1", "3.2", "3.3"}) {
    TExercise e;
    e.Id = id;
    e.TypeText = "Drill";
    lesson.Exercises.push_back(e);
  }
  struct Case {
    int current;
    bool done;
    bool tick;
  };
  const Case cases[] = {{2, true, true}, {2, false, false}, {1, false, false}, {3, true, true}};
  for (const Case& c : cases) {
    TExerciseList list(nullptr);
    list.resize(300, 10);
    list.SetRowHeight(kRowHeight);
    list.SetColumns(30, 80, 240);
    // Current white, completed grey, plain light blue: none of them the tick.
    list.SetPictures(Plain(0xC0C0C0), Plain(0xFFFFFF), Plain(0xE0E8FF));
    list.SetChapter(&lesson);
    list.SetCompleted(c.current, c.done);
    list.SetCurrent(c.current);
    const QImage image = test::RenderOnWhite(list);
    EXPECT_EQ(TickPixels(image, c.current) > 10, c.tick)
        << "row " << c.current << (c.done ? " done" : " not done");
    // The current row is drawn on its own picture, not the completed one.
    EXPECT_PIXEL(image, 150, (c.current - 1) * kRowHeight + 2, 0xFFFFFF);
    // A row that is neither has no tick.
    const int other = c.current == 1 ? 2 : 1;
    EXPECT_EQ(TickPixels(image, other), 0) << "row " << other;
  }
}

}  // namespace
}  // namespace tq
