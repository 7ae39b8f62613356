#pragma once
// The choices of the Settings tab: what the page shows when it opens (from
// the settings and the signed-in student) and how the choices are stored
// when it closes. An administrator's lock keeps a value as it is: the page
// shows a locked value without changing it, even one no button stands for,
// and storing writes it back unchanged.

#include <string>

namespace tq {

class TProgramSettings;
class TUser;

struct OptionsChoices {
  // The lesson lengths of the four duration buttons; kNoDurationChecked when
  // the stored length is none of them.
  static constexpr int kNoLimit = 0;
  static constexpr int kNoDurationChecked = -1;

  bool soundsOn = true;
  int lessonMinutes = 45;
  bool largeFont = false;
  bool playTheme = true;
  bool wordsPerMinute = false;
  bool autoDetect = true;
  // The layout name of the manual choice.
  std::string layout;
  // The platform could not name its layout: the automatic choice is off and
  // cannot be chosen.
  bool autoDetectAvailable = true;
};

// The lesson length a duration button stands for, or kNoDurationChecked for
// a stored value that none stands for (a button checks 0, 25, 35, 45).
int DurationButtonMinutes(int storedMinutes);

// What the page shows for these settings and this student; detectedName is
// the detected layout name ("Not available" when the platform gave none).
OptionsChoices ChoicesToShow(const TProgramSettings& settings, const TUser& student,
                             const std::string& detectedName);

// Stores the keyboard choice in the settings (the page does this at every
// change, so that the keyboard picture follows). A locked choice stays.
void StoreLayoutChoice(const OptionsChoices& choices, TProgramSettings& settings);

// Stores every choice into the settings and the student; locked groups keep
// their values, and an unchecked duration keeps the student's length.
// Neither the settings nor the student are written to disk here.
void StoreChoices(const OptionsChoices& choices, TProgramSettings& settings, TUser& student);

}  // namespace tq
