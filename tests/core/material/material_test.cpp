// The material we ship: every course, keyboard file, story and word list in
// data/ passes the checks of material_checks.h. material_broken_test.cpp
// shows that each check catches a deliberately broken copy.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "core/course/contents.h"
#include "core/exercises/event_line.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/ini_file.h"
#include "core/shell/program_settings.h"
#include "material_checks.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::BundledDataDir;
using test::CourseFiles;

class MaterialTest : public ::testing::Test {
 protected:
  MaterialTest() {
    host_.Install();
    SetErrorLogPath(logDir_ / "Errors.log");
  }
  ~MaterialTest() override { SetErrorLogPath("Errors.log"); }

  std::vector<std::string> Files(const std::string& mask) const {
    std::vector<std::string> files = MatchFiles(data_ + mask);
    std::sort(files.begin(), files.end());
    return files;
  }

  test::FakeHost host_;
  test::TempDir logDir_;
  const std::string data_ = BundledDataDir();
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  return all;
}

TEST_F(MaterialTest, EveryCourseLoadsWithoutAReport) {
  const std::vector<std::string> courses = CourseFiles(data_);
  for (const char* expected : {"Beginner.cnt", "Speed.cnt", "Numpad.cnt", "introd.kls"})
    EXPECT_NE(std::find(courses.begin(), courses.end(), expected), courses.end()) << expected;
  for (const std::string& course : courses)
    EXPECT_EQ(Joined(test::CheckCourseLoads(data_, course)), "") << course;
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MaterialTest, EveryExerciseUsesOnlyTheKeysLearnedUpToIt) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckKnownKeys(data_, course)), "") << course;
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MaterialTest, EveryTypedCharacterHasAKey) {
  for (const std::string& course : CourseFiles(data_)) {
    // The accents course is typed on the European layouts, lesson by lesson.
    if (course == "Accents.cnt") continue;
    EXPECT_EQ(Joined(test::CheckTypeable(data_, course, "qwerty.kbd")), "") << course;
    // A course that brings its own keyboard must be typeable on it too.
    test::ScopedCurrentDir cwd(data_);
    TUser student("VISITOR");
    TContents contents;
    ASSERT_EQ(contents.CreateOutline(course, student), 0);
    if (contents.Keyboard != "ALL") {
      const std::string own = ExtractFileName(ResolveExisting(contents.Keyboard));
      EXPECT_EQ(Joined(test::CheckTypeable(data_, course, own)), "") << course;
    }
  }
}

TEST_F(MaterialTest, EachAccentsLessonIsTypeableOnItsLayoutAndNotOnTheUsOne) {
  const char* layouts[] = {"german.kbd", "french.kbd", "spanish.kbd", "nordic.kbd"};
  for (int lesson = 1; lesson <= 4; ++lesson) {
    const char* own = layouts[lesson - 1];
    EXPECT_EQ(Joined(test::CheckTypeable(data_, "Accents.cnt", own, lesson)), "") << own;
    // The check can fail: the US layout has none of these letters.
    EXPECT_NE(Joined(test::CheckTypeable(data_, "Accents.cnt", "qwerty.kbd", lesson)), "") << own;
  }
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MaterialTest, EveryNamedFileExists) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckNamedFiles(data_, course)), "") << course;
  // Files the program opens by name, whatever the course.
  for (const char* name :
       {"Book.pic", "Welcome.pic", "Goodbye.pic", "Ch1.pic", "Review.pic", "Effic.kls",
        "introd.kls", "qwerty.kbd", "Beginner.cnt", "KLDef.ini", "KLCommon.ini", "KLKeyb.ini",
        "UserBase.org", "Click.wav", "Theend.wav", "Error.wav", "Error2.wav", "Intro.wav"})
    EXPECT_TRUE(FileExists(data_ + name)) << name;
}

TEST_F(MaterialTest, LessonAndExerciseLimitsHold) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckLimits(data_, course)), "") << course;
}

TEST_F(MaterialTest, EveryExamHasItsMinimums) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckExamLines(data_, course)), "") << course;
}

TEST_F(MaterialTest, CreditsStandBeforeTheirSayings) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckCredits(data_, course)), "") << course;
}

TEST_F(MaterialTest, EveryLessonPractisesItsNewKeys) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckNewKeyPractice(data_, course)), "") << course;
}

TEST_F(MaterialTest, NamesAppearOnlyOnceCapitalsAreLearned) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckNamesCapitalised(data_, course)), "") << course;
}

TEST_F(MaterialTest, EveryTypedLineFitsTheView) {
  for (const std::string& course : CourseFiles(data_))
    EXPECT_EQ(Joined(test::CheckLineWidths(data_, course)), "") << course;
}

// The keys the Beginner course promises: letters in both cases, digits,
// punctuation and the symbols of everyday writing.
TEST_F(MaterialTest, BeginnerTeachesEveryPromisedKey) {
  std::string promised = ",.;:'\"?!-()/&@#$%*+=[]";
  for (char ch = 'a'; ch <= 'z'; ++ch) promised += {ch, static_cast<char>(ch - 'a' + 'A')};
  for (char ch = '0'; ch <= '9'; ++ch) promised += ch;
  EXPECT_EQ(Joined(test::CheckPromisedKeys(data_, "Beginner.cnt", promised)), "");
}

// The last lesson's exam is the final exam of the course: it asks for every
// symbol the course teaches.
TEST_F(MaterialTest, BeginnerFinalExamCoversTheSymbols) {
  test::ScopedCurrentDir cwd(data_);
  TUser student("VISITOR");
  TContents contents;
  ASSERT_EQ(contents.Create("Beginner.cnt", student), 0);
  std::string exam;
  for (const TExercise& exercise : contents.Chapters.back()->Exercises)
    for (const TEventLoader& event : exercise.Events)
      if (event.EventType == "EXAM") {
        std::string file = EventLine(event.Parameters).TextSource().substr(5);  // "FILE:"
        std::replace(file.begin(), file.end(), '\\', '/');
        exam += test::ReadFile(data_ + file);
      }
  for (char ch : std::string("()/&@#$%*+=[]")) EXPECT_NE(exam.find(ch), std::string::npos) << ch;
}

// The serif widths the line check measures with: "W" is the widest letter,
// and at 19 pixels an ordinary 56-character line still fits.
TEST(SerifTextWidth, MeasuresInWholePixelsRoundedUp) {
  EXPECT_EQ(test::SerifTextWidth("", 19), 0);
  EXPECT_EQ(test::SerifTextWidth("W", 19), 18);  // 944/1000 of 19 = 17.9
  EXPECT_EQ(test::SerifTextWidth("i", 19), 6);   // 278/1000 of 19 = 5.3
  EXPECT_EQ(test::SerifTextWidth("ab", 1000), 944);
  EXPECT_EQ(test::SerifTextWidth("\xA4", 10), 10);  // outside ASCII: a full em
}

// The default course teaches the letters in both cases, the digits and the
// punctuation, and ends each lesson with an exam.
TEST_F(MaterialTest, BeginnerTeachesEveryKey) {
  test::ScopedCurrentDir cwd(data_);
  TUser student("VISITOR");
  TContents contents;
  ASSERT_EQ(contents.Create("Beginner.cnt", student), 0);
  const std::string all = student.GetKeys(static_cast<int>(student.KeyGroups.size()));
  std::string wanted = ",.;:'\"?!-";
  for (char ch = 'a'; ch <= 'z'; ++ch) wanted += {ch, static_cast<char>(ch - 'a' + 'A')};
  for (char ch = '0'; ch <= '9'; ++ch) wanted += ch;
  for (char ch : wanted) EXPECT_NE(all.find(ch), std::string::npos) << ch;
  EXPECT_EQ(contents.Chapters.front()->NewKeys.front(), "asdfjkl;");
  for (const auto& lesson : contents.Chapters) {
    ASSERT_FALSE(lesson->Exercises.empty());
    EXPECT_EQ(lesson->Exercises.back().LastEventType, "EXAM") << lesson->Title;
    EXPECT_FALSE(lesson->NewKeys.empty()) << lesson->Title;
  }
  EXPECT_EQ(contents.DefaultTime, 25);
  EXPECT_EQ(contents.WizardName, "Beginner");
}

TEST_F(MaterialTest, KeyboardFilesLoadAndTypeTheBasics) {
  const std::vector<std::string> layouts = Files("*.kbd");
  for (const char* expected : {"qwerty.kbd", "uk.kbd", "german.kbd", "french.kbd", "nordic.kbd",
                               "spanish.kbd", "dvorak.kbd", "colemak.kbd", "numpad.kbd"})
    EXPECT_NE(std::find(layouts.begin(), layouts.end(), expected), layouts.end()) << expected;
  for (const std::string& kbd : layouts) EXPECT_EQ(Joined(test::CheckLayout(data_, kbd)), "");
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(MaterialTest, StoriesCarryTheirHeaders) {
  const std::vector<std::string> stories = Files("*.exm");
  EXPECT_GE(stories.size(), 8u);
  for (const std::string& story : stories)
    EXPECT_EQ(Joined(test::CheckStoryHeaders(data_, story)), "");
}

TEST_F(MaterialTest, WordListsHoldEnoughWords) {
  const std::vector<std::string> lists = Files("*.vcb");
  EXPECT_GE(lists.size(), 6u);
  for (const std::string& list : lists) EXPECT_EQ(Joined(test::CheckWordList(data_, list)), "");
}

// The pictures are PNG images at the sizes the window and its storage forms
// give their controls.
TEST_F(MaterialTest, PicturesHaveTheirSizes) {
  struct Size {
    const char* file;
    int width, height;
  };
  const Size sizes[] = {{"Book.pic", 329, 504},
                        {"art/BackGround32.png", 898, 739},
                        {"art/TabRowPic.png", 779, 61},
                        {"art/Paper.png", 779, 469},
                        {"art/PageSeparator.png", 35, 442},
                        {"art/MenuGuided.png", 113, 43},
                        {"art/MenuRevision.png", 114, 43},
                        {"art/MenuInfo.png", 129, 43},
                        {"art/MenuLogo.png", 43, 21},
                        {"art/MenuOptions.png", 77, 21},
                        {"art/MenuExit.png", 66, 30},
                        {"art/HideSettings.png", 97, 21},
                        {"art/TitlePic.png", 345, 52},
                        {"art/ConsolePic1.png", 193, 80},
                        {"art/ConsolePic2.png", 193, 80},
                        {"art/FingersPic.png", 412, 146},
                        {"art/TrisActive.png", 220, 30},
                        {"art/TrisInactive.png", 220, 30},
                        {"art/ActivePic.png", 265, 24},
                        {"art/InactivePic.png", 265, 24},
                        {"art/CompletedPic.png", 265, 24}};
  for (const Size& s : sizes) {
    int w = 0, h = 0;
    ASSERT_TRUE(test::PngSize(data_ + s.file, w, h)) << s.file;
    EXPECT_EQ(w, s.width) << s.file;
    EXPECT_EQ(h, s.height) << s.file;
  }
  // Every other picture is a PNG too, and the console buttons share a size.
  std::vector<std::string> all = Files("*.pic");
  for (const std::string& f : Files("art/*.png")) all.push_back("art/" + f);
  EXPECT_GT(all.size(), 90u);
  for (const std::string& f : all) {
    int w = 0, h = 0;
    EXPECT_TRUE(test::PngSize(data_ + f, w, h)) << f;
  }
  for (const char* button : {"BeginB", "Next", "Back", "SkipF", "SkipB", "Cancel"}) {
    int w = 0, h = 0;
    ASSERT_TRUE(test::PngSize(data_ + "art/" + button + ".png", w, h)) << button;
    EXPECT_EQ(w, 52);
    EXPECT_EQ(h, 44);
  }
}

// Each lit finger is drawn at the place the hands panel gives it, so its
// picture must stay inside the 146-pixel panel wherever it is put.
TEST_F(MaterialTest, FingerPicturesFitTheHandsPanel) {
  const int placeY[] = {69, 25, 0, 13, 8, -4, 18, 52, 90, 90};
  for (int finger = 1; finger <= 10; ++finger) {
    int w = 0, h = 0;
    const std::string name = "art/Finger" + std::to_string(finger) + ".png";
    ASSERT_TRUE(test::PngSize(data_ + name, w, h)) << name;
    EXPECT_LE(placeY[finger - 1] + h, 146 + 4) << name;  // the palm hides the rest
    EXPECT_GT(w, 10) << name;
  }
}

struct WaveInfo {
  bool pcm = false;
  double seconds = 0;
  std::string samples;
};

WaveInfo ReadWave(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  WaveInfo info;
  if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    return info;
  auto le = [&](std::size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  info.pcm = bytes.compare(12, 4, "fmt ") == 0 && le(20, 2) == 1;
  const uint32_t byteRate = le(28, 4);
  if (bytes.compare(36, 4, "data") == 0 && byteRate > 0) {
    info.seconds = static_cast<double>(le(40, 4)) / byteRate;
    info.samples = bytes.substr(44);
  }
  return info;
}

TEST_F(MaterialTest, SoundsAreShortDistinctWaves) {
  struct Expect {
    const char* file;
    double minSeconds, maxSeconds;
  };
  const Expect sounds[] = {{"Click.wav", 0.01, 0.2},
                           {"Theend.wav", 0.2, 1.5},
                           {"Error.wav", 0.05, 0.4},
                           {"Error2.wav", 0.2, 1.0},
                           {"Intro.wav", 2.0, 8.0}};
  std::set<std::string> seen;
  for (const Expect& e : sounds) {
    const WaveInfo w = ReadWave(data_ + e.file);
    EXPECT_TRUE(w.pcm) << e.file;
    EXPECT_GE(w.seconds, e.minSeconds) << e.file;
    EXPECT_LE(w.seconds, e.maxSeconds) << e.file;
    EXPECT_TRUE(seen.insert(w.samples).second) << e.file << " sounds like another";
  }
}

TEST_F(MaterialTest, IniTemplates) {
  TIniFile def(data_ + "KLDef.ini");
  EXPECT_EQ(def.ReadString("General Settings", "LanguageID"), "UK");
  EXPECT_EQ(def.ReadString("General Settings", "DefaultContents"), "Beginner.cnt");
  EXPECT_EQ(def.ReadString("General Settings", "KeyboardAutoDetect"), "1");

  // Every administrator key is present, and empty so that it changes nothing.
  TIniFile common(data_ + "KLCommon.ini");
  const std::vector<std::string> general = common.ReadSection("General Settings");
  const std::vector<std::string> shared = common.ReadSection("Common Settings");
  for (const char* key : {"KeyboardAutoDetect", "KeyboardLayout", "PlaySounds", "PlayTheme",
                          "MeasuringUnit", "DefaultContents", "LessonDuration", "DefaultWizard"})
    EXPECT_NE(std::find(general.begin(), general.end(), key), general.end()) << key;
  for (const char* key : {"AutoLogon", "CustomStoryPath", "DisableUserList", "DisablePrintReport",
                          "RequireAllPassedBeforeContinue", "DisableSettingsPage",
                          "RemoveInternetLinks", "SecuredMode", "CDRomRelease"})
    EXPECT_NE(std::find(shared.begin(), shared.end(), key), shared.end()) << key;
  for (const std::string& key : general)
    EXPECT_EQ(common.ReadString("General Settings", key), "") << key;
  for (const std::string& key : shared)
    EXPECT_EQ(common.ReadString("Common Settings", key), "") << key;

  // The user base template holds no record.
  std::ifstream base(data_ + "UserBase.org", std::ios::binary | std::ios::ate);
  ASSERT_TRUE(base.is_open());
  EXPECT_EQ(base.tellg() % 2584, 0);
}

// The layout names the settings detect find their keyboard files.
TEST_F(MaterialTest, LayoutNamesFindTheirKeyboardFiles) {
  test::TempDir program;
  test::TempDir windows;
  for (const char* f : {"KLDef.ini", "KLCommon.ini", "KLKeyb.ini"})
    ASSERT_TRUE(CopyFileTo(data_ + f, program / f));
  test::ScopedCurrentDir cwd(program.path());
  TProgramSettings settings;
  settings.Create({program.path(), windows.path()});
  settings.Load();
  settings.KeyboardAutoDetect = false;
  const std::pair<const char*, const char*> names[] = {
      {"English US", "qwerty.kbd"}, {"English UK", "uk.kbd"},   {"English", "qwerty.kbd"},
      {"German", "german.kbd"},     {"French", "french.kbd"},   {"Finnish", "nordic.kbd"},
      {"Swedish", "nordic.kbd"},    {"Spanish", "spanish.kbd"}, {"Dvorak", "dvorak.kbd"},
      {"Colemak", "colemak.kbd"},   {"Dutch", "qwerty.kbd"},    {"German Swiss", "qwerty.kbd"}};
  for (const auto& [layout, file] : names) {
    settings.KeyboardLayout = layout;
    EXPECT_EQ(settings.KeyboardFile("qwerty.kbd"), file) << layout;
    EXPECT_TRUE(FileExists(data_ + file)) << file;
  }
  EXPECT_EQ(settings.KeyboardLayouts.size(), 9u);
}

}  // namespace
}  // namespace tq
