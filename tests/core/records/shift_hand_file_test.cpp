#include "core/records/shift_hand_file.h"

#include <gtest/gtest.h>

#include "core/shell/ini_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

TEST(ShiftHandFile, LessonsAddUpAndOtherSectionsStay) {
  test::TempDir dir;
  const std::string file = dir / "ann.coach";
  TIniFile(file).WriteString("LetterPairs", "th", "120,3");
  EXPECT_TRUE(AddShiftHandLesson(file, 3, 10, 7));
  EXPECT_TRUE(AddShiftHandLesson(file, 3, 10, 10));
  EXPECT_TRUE(AddShiftHandLesson(file, 1, 4, 1));
  EXPECT_FALSE(AddShiftHandLesson(file, 2, 0, 0));  // no capitals, nothing written
  EXPECT_FALSE(AddShiftHandLesson("", 2, 5, 5));    // a visitor
  const ShiftHandLessons lessons = ReadShiftHandLessons(file);
  ASSERT_EQ(lessons.size(), 2u);
  EXPECT_EQ(lessons.at(3).Capitals, 20);
  EXPECT_EQ(lessons.at(3).RightHand, 17);
  EXPECT_EQ(lessons.at(3).Percent(), 85);
  EXPECT_EQ(lessons.at(1).Percent(), 25);
  EXPECT_EQ(TIniFile(file).ReadString("LetterPairs", "th"), "120,3");
}

TEST(ShiftHandFile, ValuesThatDoNotReadAreDropped) {
  test::TempDir dir;
  const std::string file = dir / "bob.coach";
  test::WriteFile(file,
                  "[ShiftHand]\r\nLesson1=5,4\r\nLesson2=4,5\r\nLesson3=x,1\r\nLesson4=7\r\n"
                  "Lesson5=-2,0\r\nLessonX=3,3\r\nOther=2,2\r\nlesson6=8,2\r\n");
  const ShiftHandLessons lessons = ReadShiftHandLessons(file);
  ASSERT_EQ(lessons.size(), 2u);
  EXPECT_EQ(lessons.at(1).RightHand, 4);
  EXPECT_EQ(lessons.at(6).Capitals, 8);
  EXPECT_TRUE(ReadShiftHandLessons(dir / "missing.coach").empty());
}

}  // namespace
}  // namespace tq
