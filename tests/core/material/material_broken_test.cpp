// Each material check fails on a deliberately broken copy of the bundled
// program directory, and says where: a check that passes everything would
// let broken material ship.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/shell/errors.h"
#include "material_checks.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

class BrokenMaterialTest : public ::testing::Test {
 protected:
  BrokenMaterialTest() {
    host_.Install();
    SetErrorLogPath(logDir_ / "Errors.log");
    fs::copy(test::BundledDataDir(), copy_.path(), fs::copy_options::recursive);
  }
  ~BrokenMaterialTest() override { SetErrorLogPath("Errors.log"); }

  std::string Dir() const { return copy_.path(); }
  // Replaces the first `from` in a file of the copy (it must be there).
  void Replace(const std::string& file, const std::string& from, const std::string& to) {
    std::string bytes = test::ReadFile(copy_ / file);
    const std::size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from << " not in " << file;
    bytes.replace(at, from.size(), to);
    test::WriteFile(copy_ / file, bytes);
  }
  void Remove(const std::string& file) { ASSERT_TRUE(fs::remove(copy_ / file)) << file; }

  test::FakeHost host_;
  test::TempDir logDir_;
  test::TempDir copy_;
};

// The whole "begin exercise" block at the first occurrence of `marker`.
std::string ExerciseBlock(const std::string& course, const std::string& marker) {
  const std::size_t at = course.find(marker);
  const std::size_t begin = course.rfind("begin exercise", at);
  const std::size_t end = course.find("end exercise\r\n", at) + 14;
  return course.substr(begin, end - begin);
}

TEST_F(BrokenMaterialTest, TheCopyPassesBeforeItIsBroken) {
  EXPECT_TRUE(test::CheckCourseLoads(Dir(), "Beginner.cnt").empty());
  EXPECT_TRUE(test::CheckKnownKeys(Dir(), "Beginner.cnt").empty());
  EXPECT_TRUE(test::CheckNamedFiles(Dir(), "Beginner.cnt").empty());
}

TEST_F(BrokenMaterialTest, ACourseThatDoesNotLoad) {
  Replace("Beginner.cnt", "duration=4", "duration=four");
  const auto problems = test::CheckCourseLoads(Dir(), "Beginner.cnt");
  ASSERT_FALSE(problems.empty());
  EXPECT_EQ(problems.front().rfind("Beginner.cnt: load status -", 0), 0u) << problems.front();

  Remove("Speed.cnt");
  EXPECT_EQ(test::CheckCourseLoads(Dir(), "Speed.cnt"),
            std::vector<std::string>{"Speed.cnt: load status -1"});
}

TEST_F(BrokenMaterialTest, ATextWithAKeyNotLearnedYet) {
  // Lesson 3 teaches t and o; g comes in lesson 7.
  Replace("Beginner/L03Sent.kls", "the old shed", "the old dog");
  // An exercise placed before its lesson's "new keys" line learns nothing:
  // move lesson 2's line below its first exercise.
  Replace("Beginner.cnt", "new keys=eh\r\n", "");
  const std::string firstExercise = "FILE:Beginner\\L02New.kls\r\nend exercise\r\n";
  Replace("Beginner.cnt", firstExercise, firstExercise + "new keys=eh\r\n");
  EXPECT_EQ(
      test::CheckKnownKeys(Dir(), "Beginner.cnt"),
      (std::vector<std::string>{"Beginner.cnt: lesson 2, exercise 2.1: no keys learned before it",
                                "Beginner.cnt: lesson 3, exercise 3.4: 'g' is not learned yet "
                                "(FILE:Beginner\\L03Sent.kls)"}));
}

TEST_F(BrokenMaterialTest, AGameWordWithAKeyNotLearnedYet) {
  // Lesson 7 plays WordTris with words of the letters learned so far.
  std::string words = test::ReadFile(Dir() + "Beginner/L07Game.kls");
  test::WriteFile(Dir() + "Beginner/L07Game.kls", words + "zebra\r\n");
  EXPECT_EQ(test::CheckKnownKeys(Dir(), "Beginner.cnt"),
            std::vector<std::string>{"Beginner.cnt: lesson 7, exercise 7.6: 'z' is not learned "
                                     "yet (Beginner\\L07Game.kls)"});
}

TEST_F(BrokenMaterialTest, ACharacterWithoutAKey) {
  Replace("Speed/S02Text.kls", "People have", "People \xA4 have");
  EXPECT_EQ(test::CheckTypeable(Dir(), "Speed.cnt", "qwerty.kbd"),
            std::vector<std::string>{
                "Speed.cnt: lesson 2, exercise 2.2: code 164 cannot be typed on qwerty.kbd"});
}

TEST_F(BrokenMaterialTest, AMissingFile) {
  Remove("Ch5.pic");
  Remove("Beginner/L02Text.kls");
  Remove("Nature.vcb");
  EXPECT_EQ(test::CheckNamedFiles(Dir(), "Beginner.cnt"),
            (std::vector<std::string>{
                "Beginner.cnt: lesson 5: missing Ch5.pic",
                "Beginner.cnt: lesson 2, exercise 2.5: missing Beginner\\L02Text.kls",
                "Beginner.cnt: lesson 5, exercise 5.1: missing Ch5.pic",
                "Beginner.cnt: lesson 13, exercise 13.6: missing Nature.vcb"}));
  Remove("Effic.kls");
  EXPECT_EQ(test::CheckNamedFiles(Dir(), "introd.kls"),
            std::vector<std::string>{"introd.kls: lesson 1, exercise 1.7: missing Effic.kls"});
}

TEST_F(BrokenMaterialTest, TooManyExercisesOrLessons) {
  std::string course = test::ReadFile(Dir() + "Beginner.cnt");
  const std::string block = ExerciseBlock(course, "type=Word drill");
  Replace("Beginner.cnt", block, block + block + block);  // lesson 1: 6 + 2 exercises
  EXPECT_EQ(test::CheckLimits(Dir(), "Beginner.cnt"),
            std::vector<std::string>{"Beginner.cnt: lesson 1 has 8 exercises (at most 7)"});

  course = test::ReadFile(Dir() + "Numpad.cnt");
  const std::size_t first = course.find("begin chapter");
  const std::string lessons = course.substr(first);  // six lessons
  test::WriteFile(Dir() + "Numpad.cnt", course + lessons + lessons + lessons);
  EXPECT_EQ(test::CheckLimits(Dir(), "Numpad.cnt"),
            std::vector<std::string>{"Numpad.cnt: 24 lessons (at most 20)"});
}

TEST_F(BrokenMaterialTest, AnExamWithoutItsMinimums) {
  Replace("Beginner.cnt", ";FALSE;30;30;0\r\n", ";FALSE;30;30\r\n");
  EXPECT_EQ(test::CheckExamLines(Dir(), "Beginner.cnt"),
            std::vector<std::string>{
                "Beginner.cnt: lesson 1, exercise 1.6: an exam line needs three whole-number "
                "minimums"});
}

TEST_F(BrokenMaterialTest, AKeyboardFileMissingKeys) {
  struct Case {
    const char* from;
    const char* to;
    std::vector<std::string> problems;
  };
  const Case cases[] = {
      {"key;1;54;37;32;32;-;q;Q\r\n",
       "",
       {"qwerty.kbd: 'q' cannot be typed", "qwerty.kbd: 'Q' cannot be typed"}},
      {"shiftcontrolkey;8;408;103;90;32;da;1;Shift\r\n",
       "",
       {"qwerty.kbd: 'A' has no Shift key on the other hand",
        "qwerty.kbd: 'B' has no Shift key on the other hand",
        "qwerty.kbd: 'C' has no Shift key on the other hand",
        "qwerty.kbd: 'D' has no Shift key on the other hand",
        "qwerty.kbd: 'E' has no Shift key on the other hand",
        "qwerty.kbd: 'F' has no Shift key on the other hand",
        "qwerty.kbd: 'G' has no Shift key on the other hand",
        "qwerty.kbd: 'Q' has no Shift key on the other hand",
        "qwerty.kbd: 'R' has no Shift key on the other hand",
        "qwerty.kbd: 'S' has no Shift key on the other hand",
        "qwerty.kbd: 'T' has no Shift key on the other hand",
        "qwerty.kbd: 'V' has no Shift key on the other hand",
        "qwerty.kbd: 'W' has no Shift key on the other hand",
        "qwerty.kbd: 'X' has no Shift key on the other hand",
        "qwerty.kbd: 'Z' has no Shift key on the other hand"}},
      {"key;4;161;70;32;32;n;f;F",
       "key;4;161;70;32;32;-;f;F",
       {"qwerty.kbd: the index fingers' home keys carry no ridge"}},
      {"$version=5", "$version=4", {"qwerty.kbd: load status -89"}},
  };
  const std::string original = test::ReadFile(Dir() + "qwerty.kbd");
  for (const Case& c : cases) {
    test::WriteFile(Dir() + "qwerty.kbd", original);
    Replace("qwerty.kbd", c.from, c.to);
    EXPECT_EQ(test::CheckLayout(Dir(), "qwerty.kbd"), c.problems) << c.from;
  }
}

TEST_F(BrokenMaterialTest, AStoryWithoutAHeader) {
  Replace("River.exm", "$author=Isla Fennimore\r\n", "");
  EXPECT_EQ(test::CheckStoryHeaders(Dir(), "River.exm"),
            std::vector<std::string>{"River.exm: no $author"});
  Replace("Clockmaker.exm", "$author=Elias Brandt", "$author=Tapquill");
  EXPECT_EQ(test::CheckStoryHeaders(Dir(), "Clockmaker.exm"),
            std::vector<std::string>{
                "Clockmaker.exm: $author names the program, not the story's author"});
  Replace("Library.exm", "$copyright=", "$copyleft=");
  EXPECT_EQ(test::CheckStoryHeaders(Dir(), "Library.exm"),
            std::vector<std::string>{"Library.exm: no $copyright"});
}

TEST_F(BrokenMaterialTest, ACreditAfterItsSaying) {
  // Lesson 9's credit moved below the saying it belongs to, the last line.
  const std::string credit = "\"\xA4|w\"A walkers' rule\r\n";
  Replace("Speed/S09Para.kls", credit, "");
  const std::string text = test::ReadFile(Dir() + "Speed/S09Para.kls");
  test::WriteFile(Dir() + "Speed/S09Para.kls", text + credit);
  EXPECT_EQ(test::CheckCredits(Dir(), "Speed.cnt"),
            std::vector<std::string>{"Speed.cnt: lesson 9, exercise 9.1: the credit \"\xA9 A "
                                     "walkers' rule\" is followed by no saying "
                                     "(FILE:Speed\\S09Para.kls)"});
}

TEST_F(BrokenMaterialTest, NewKeysPractisedTooLittle) {
  // Lesson 3 brings t and o: a word drill without o, an exam with one t
  // in a long line of old keys.
  test::WriteFile(Dir() + "Beginner/L03Word.kls", "the hat sets\r\n");
  test::WriteFile(Dir() + "Beginner/L03Exam.kls",
                  "a lass had a salad; he sees a seal; she has a shed; dad has the desk\r\n");
  EXPECT_EQ(test::CheckNewKeyPractice(Dir(), "Beginner.cnt"),
            (std::vector<std::string>{
                "Beginner.cnt: lesson 3: 'o' is not in the word drill",
                "Beginner.cnt: lesson 3: 't' 1 times in the exam (at least 3)",
                "Beginner.cnt: lesson 3: 'o' 0 times in the exam (at least 3)",
                "Beginner.cnt: lesson 3: new keys are 1 of the 52 characters of the exam "
                "(at least 8 %)"}));
}

TEST_F(BrokenMaterialTest, APromisedKeyNeverTaught) {
  Replace("Beginner.cnt", "new keys=@#$%\r\n", "new keys=#$%\r\n");
  EXPECT_EQ(test::CheckPromisedKeys(Dir(), "Beginner.cnt", "a@#"),
            std::vector<std::string>{"Beginner.cnt: '@' is never taught"});
}

TEST_F(BrokenMaterialTest, ANameInLowerCaseBeforeCapitals) {
  // Kim is a name from lesson 12 on; lesson 10 may not write it "kim".
  Replace("Beginner/L10Text.kls", "the vet next door", "kim, the vet next door,");
  EXPECT_EQ(test::CheckNamesCapitalised(Dir(), "Beginner.cnt"),
            std::vector<std::string>{"Beginner.cnt: lesson 10, exercise 10.5 "
                                     "(FILE:Beginner\\L10Text.kls): the name \"kim\" in lower "
                                     "case before its capital is learned"});
}

TEST_F(BrokenMaterialTest, ALineWiderThanTheView) {
  Replace("Speed/S01Exam.kls", "\r\n", " and a few more words\r\n");
  const auto problems = test::CheckLineWidths(Dir(), "Speed.cnt");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems.front().rfind("Speed.cnt: lesson 1, exercise 1.4: wider than the view: ", 0),
            0u)
      << problems.front();
  // Sentences are shown larger: a line that fits a text is too wide there.
  Replace("Beginner/L14Sent.kls", "What a surprise!",
          "What a surprise it was for all of us in the end!");
  EXPECT_EQ(test::CheckLineWidths(Dir(), "Beginner.cnt"),
            std::vector<std::string>{"Beginner.cnt: lesson 14, exercise 14.4: wider than the "
                                     "view: \"What a surprise it was for all of us in the end!\""});
}

TEST_F(BrokenMaterialTest, AShortWordList) {
  // Keep the header and the first 149 words; blank lines do not count.
  const std::string list = test::ReadFile(Dir() + "Animals.vcb");
  std::size_t at = list.find("$end\r\n") + 6;
  for (int i = 0; i < 149; ++i) at = list.find("\r\n", at) + 2;
  test::WriteFile(Dir() + "Animals.vcb", list.substr(0, at) + "\r\n  \r\n\t\r\n");
  EXPECT_EQ(test::CheckWordList(Dir(), "Animals.vcb"),
            std::vector<std::string>{"Animals.vcb: 149 words (at least 150)"});
}

}  // namespace
}  // namespace tq
