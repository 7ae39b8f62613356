#pragma once
// The rules of the review event ("BUILDER"): what the wizard page offers,
// which keys a choice on it stands for, and which nested exercise the review
// builds from them. The page and the nested events are the window side's
// (gui/review/builder_view.h runs them); every decision is made here.

#include <string>
#include <vector>

#include "core/records/letter_pairs.h"
#include "core/review/key_sets.h"

namespace tq {

class TContents;
class TRevisionBuilder;

// The keys of a loaded course, lesson by lesson (a course that names no key
// groups has every letter from its first lesson).
CourseKeys KeysOfCourse(const TContents& contents, int currentLesson);

enum class ReviewKeyOption { Current, Difficult, Own, Pairs };
enum class ReviewMethod { Words, Sentences, Bubbles, WordTris };

// What the wizard page starts with.
struct WizardSetup {
  int KeyLesson = 0;
  int Lesson = 0;
  std::string KnownKeys;
  std::string CurrentKeysText;  // for the current-keys label
  bool CurrentKeysEnabled = false;
  bool SentencesEnabled = false;
  ReviewMethod Method = ReviewMethod::Words;
  // The student's slowest letter pairs of studied letters (the pair option).
  std::vector<SlowPair> SlowPairs;
};

// `lesson` is the exercise's lesson (0: none; 99 when no course is loaded).
WizardSetup PrepareWizard(const CourseKeys& course, int lesson, const std::string& knownKeys);

// The keys shown as difficult: those of the eight ranked keys above 50.
std::string DifficultKeysText(const std::vector<char>& keys, const std::vector<float>& values);

// The key set of a choice, with the lesson up to which material may be
// used. Shows the fallback messages through the host.
struct ReviewKeySet {
  std::string Keys;
  int Lesson = 0;
};
ReviewKeySet ChooseKeySet(const CourseKeys& course, const WizardSetup& setup,
                          ReviewKeyOption option, ReviewMethod method, const std::string& typed,
                          const std::string& difficultKeys);

// The nested exercise a review runs.
struct BuiltReview {
  enum Kind { None, WordDrill, Sentences, Bubbles, WordTris } Type = None;
  std::string EventLine;
  std::vector<std::string> Lines;  // the words or sentences found
  std::string KnownKeys;           // handed to the nested event
};

// Searches the material for the key set and says what to run; reports
// "nothing found" and "too few keys" itself and then builds None.
BuiltReview BuildReview(const CourseKeys& course, const ReviewKeySet& keySet, ReviewMethod method,
                        TRevisionBuilder& builder);

// The Review tab's choices: the keys of a Bubbles key set (1 studied keys,
// 2 a-z, 3 a-z A-Z, 4 a-z A-Z 0-9) and the minutes of a story length (1..4).
std::string BubblesKeySetKeys(int keySet, const std::string& studied);
int StoryMinutes(int storyDuration);

}  // namespace tq
