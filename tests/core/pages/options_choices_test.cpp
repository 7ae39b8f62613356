// What the Settings tab shows and stores: locked groups keep their values
// (even values no button stands for), an unavailable layout name turns the
// automatic choice off, and the student's fields take the choices.

#include "core/pages/options_choices.h"

#include <gtest/gtest.h>

#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

// A student with sounds on, the normal font and 45-minute lessons.
struct Student : TUser {
  Student() : TUser("Pat", true) {
    Sounds = 1;
    LargeFont = 0;
    LessonDuration = 45;
  }
};

TProgramSettings Unlocked() {
  TProgramSettings s;
  s.KeyboardAutoDetect = true;
  s.KeyboardLayout = "English US";
  s.PlayTheme = true;
  s.MeasuringUnitWpm = false;
  return s;
}

// The opposite of everything shown.
OptionsChoices Changed() {
  OptionsChoices c;
  c.soundsOn = false;
  c.lessonMinutes = 25;
  c.largeFont = true;
  c.playTheme = false;
  c.wordsPerMinute = true;
  c.autoDetect = false;
  c.layout = "German";
  return c;
}

TEST(OptionsChoicesTest, ShowsTheStoredDurationOnlyWhenAButtonStandsForIt) {
  const struct {
    int stored;
    int shown;
  } cases[] = {{0, 0},   {25, 25}, {35, 35},   {45, 45}, {-1, OptionsChoices::kNoDurationChecked},
               {30, -1}, {46, -1}, {30000, -1}};
  for (const auto& c : cases) EXPECT_EQ(DurationButtonMinutes(c.stored), c.shown) << c.stored;
}

TEST(OptionsChoicesTest, NotAvailableTurnsTheAutomaticChoiceOff) {
  TProgramSettings s = Unlocked();
  Student u;
  const OptionsChoices named = ChoicesToShow(s, u, "English US");
  EXPECT_TRUE(named.autoDetectAvailable);
  EXPECT_TRUE(named.autoDetect);
  const OptionsChoices unnamed = ChoicesToShow(s, u, Str(kStrNotAvailable));
  EXPECT_FALSE(unnamed.autoDetectAvailable);
  EXPECT_FALSE(unnamed.autoDetect);
  EXPECT_EQ(unnamed.layout, "English US");
}

TEST(OptionsChoicesTest, UnlockedChoicesReachTheSettingsAndTheStudent) {
  TProgramSettings s = Unlocked();
  Student u;
  StoreChoices(Changed(), s, u);
  EXPECT_FALSE(s.KeyboardAutoDetect);
  EXPECT_EQ(s.KeyboardLayout, "German");
  EXPECT_FALSE(s.PlayTheme);
  EXPECT_TRUE(s.MeasuringUnitWpm);
  EXPECT_EQ(u.Sounds, 0);
  EXPECT_EQ(u.LessonDuration, 25);
  EXPECT_EQ(u.LargeFont, 1);
}

TEST(OptionsChoicesTest, ALockedGroupKeepsItsValue) {
  enum Group { kKeyboard, kTheme, kUnit, kSounds, kDuration };
  for (Group g : {kKeyboard, kTheme, kUnit, kSounds, kDuration}) {
    SCOPED_TRACE(g);
    TProgramSettings s = Unlocked();
    Student u;
    // Stored values no button stands for survive a locked group.
    u.Sounds = 2;
    u.LessonDuration = 30;
    s.KeyboardAutoDetectLocked = g == kKeyboard;
    s.PlayThemeLocked = g == kTheme;
    s.MeasuringUnitLocked = g == kUnit;
    s.PlaySoundsLocked = g == kSounds;
    s.LessonDurationLocked = g == kDuration;
    StoreChoices(Changed(), s, u);
    EXPECT_EQ(s.KeyboardAutoDetect, g == kKeyboard);
    EXPECT_EQ(s.KeyboardLayout, g == kKeyboard ? "English US" : "German");
    EXPECT_EQ(s.PlayTheme, g == kTheme);
    EXPECT_EQ(s.MeasuringUnitWpm, g != kUnit);
    EXPECT_EQ(u.Sounds, g == kSounds ? 2 : 0);
    EXPECT_EQ(u.LessonDuration, g == kDuration ? 30 : 25);
    EXPECT_EQ(u.LargeFont, 1);
  }
}

TEST(OptionsChoicesTest, NoCheckedDurationKeepsTheStudentsLength) {
  TProgramSettings s = Unlocked();
  Student u;
  u.LessonDuration = 30;
  OptionsChoices c = ChoicesToShow(s, u, "English US");
  EXPECT_EQ(c.lessonMinutes, OptionsChoices::kNoDurationChecked);
  StoreChoices(c, s, u);
  EXPECT_EQ(u.LessonDuration, 30);
  c.lessonMinutes = OptionsChoices::kNoLimit;
  StoreChoices(c, s, u);
  EXPECT_EQ(u.LessonDuration, 0);
}

}  // namespace
}  // namespace tq
