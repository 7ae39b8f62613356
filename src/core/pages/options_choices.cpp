#include "core/pages/options_choices.h"

#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {

int DurationButtonMinutes(int storedMinutes) {
  switch (storedMinutes) {
    case OptionsChoices::kNoLimit:
    case 25:
    case 35:
    case 45:
      return storedMinutes;
    default:
      return OptionsChoices::kNoDurationChecked;
  }
}

OptionsChoices ChoicesToShow(const TProgramSettings& settings, const TUser& student,
                             const std::string& detectedName) {
  OptionsChoices c;
  c.autoDetectAvailable = detectedName != Str(kStrNotAvailable);
  c.autoDetect = settings.KeyboardAutoDetect && c.autoDetectAvailable;
  c.layout = settings.KeyboardLayout;
  c.playTheme = settings.PlayTheme;
  c.wordsPerMinute = settings.MeasuringUnitWpm;
  c.soundsOn = student.Sounds != 0;
  c.largeFont = student.LargeFont == 1;
  c.lessonMinutes = DurationButtonMinutes(student.LessonDuration);
  return c;
}

void StoreLayoutChoice(const OptionsChoices& choices, TProgramSettings& settings) {
  if (settings.KeyboardAutoDetectLocked) return;
  settings.KeyboardAutoDetect = choices.autoDetect;
  settings.KeyboardLayout = choices.layout;
}

void StoreChoices(const OptionsChoices& choices, TProgramSettings& settings, TUser& student) {
  StoreLayoutChoice(choices, settings);
  if (!settings.PlayThemeLocked) settings.PlayTheme = choices.playTheme;
  if (!settings.MeasuringUnitLocked) settings.MeasuringUnitWpm = choices.wordsPerMinute;
  if (!settings.PlaySoundsLocked) student.Sounds = choices.soundsOn ? 1 : 0;
  if (!settings.LessonDurationLocked && choices.lessonMinutes != OptionsChoices::kNoDurationChecked)
    student.LessonDuration = choices.lessonMinutes;
  student.LargeFont = choices.largeFont ? 1 : 0;
}

}  // namespace tq
