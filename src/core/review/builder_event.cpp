#include "core/review/builder_event.h"

#include <algorithm>

#include "core/course/contents.h"
#include "core/files/ansi.h"
#include "core/review/pair_drill.h"
#include "core/review/revision_builder.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"

namespace tq {

namespace {

constexpr int kFirstSentenceLesson = 4;
constexpr int kFewKeys = 5;
constexpr int kBubblesMinKeys = 3;
constexpr const char* kHomeRow = "asdfjkl";

void Inform(const std::string& first, const std::string& second) {
  GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle), first + "\n" + second);
}

// A key set of the fallback: the known keys and the difficult keys, or the
// lesson's new keys when both are empty.
std::string FallbackKeys(const CourseKeys& course, const WizardSetup& setup, int lesson,
                         const std::string& difficultKeys) {
  std::string keys = ShortStr(setup.KnownKeys + difficultKeys);
  if (keys.empty()) keys = course.NewKeys(lesson);
  return keys;
}

bool AnyStudied(const std::string& keys, const std::string& studied) {
  const std::string lowerStudied = AnsiLowerCase(studied);
  for (char c : AnsiLowerCase(keys))
    if (lowerStudied.find(c) != std::string::npos) return true;
  return false;
}

}  // namespace

CourseKeys KeysOfCourse(const TContents& contents, int currentLesson) {
  CourseKeys keys;
  keys.CurrentLesson = currentLesson;
  bool any = false;
  for (const auto& chapter : contents.Chapters) {
    std::string lesson;
    for (const std::string& group : chapter->NewKeys) lesson += group;
    any = any || !lesson.empty();
    keys.Lessons.push_back(lesson);
  }
  if (!any) keys.Lessons.clear();
  return keys;
}

WizardSetup PrepareWizard(const CourseKeys& course, int lesson, const std::string& knownKeys) {
  WizardSetup s;
  s.KeyLesson = lesson != 0 ? lesson : course.CurrentLesson;
  s.Lesson = (lesson == 0 || lesson < course.CurrentLesson) ? course.CurrentLesson : lesson;
  s.KnownKeys = knownKeys.empty() ? course.StudiedKeys(s.Lesson) : knownKeys;
  s.CurrentKeysText = RemoveCapitals(KeepLettersAndPunct(course.NewKeys(s.KeyLesson)));
  s.CurrentKeysEnabled = !s.CurrentKeysText.empty() && s.CurrentKeysText != ".";
  s.SentencesEnabled = s.Lesson >= kFirstSentenceLesson;
  s.Method = s.SentencesEnabled ? ReviewMethod::Sentences : ReviewMethod::Words;
  s.SlowPairs = OfferedPairs(LetterPairs(), course.StudiedKeys(s.Lesson));
  return s;
}

std::string DifficultKeysText(const std::vector<char>& keys, const std::vector<float>& values) {
  std::string text;
  for (std::size_t i = 0; i < keys.size() && i < values.size() && i < 8; ++i)
    if (values[i] > kDifficultKeyThreshold) text += keys[i];
  return text;
}

ReviewKeySet ChooseKeySet(const CourseKeys& course, const WizardSetup& setup,
                          ReviewKeyOption option, ReviewMethod method, const std::string& typed,
                          const std::string& difficultKeys) {
  const bool bubbles = method == ReviewMethod::Bubbles;
  ReviewKeySet set;
  std::string& k = set.Keys;
  switch (option) {
    case ReviewKeyOption::Current:
      k = RemoveCapitals(course.NewKeys(setup.KeyLesson));
      if (k.size() < kFewKeys && bubbles) k += kHomeRow;
      set.Lesson = FindLesson(course, setup.Lesson, k);
      break;
    case ReviewKeyOption::Difficult:
      k = difficultKeys;
      if (k.size() < kFewKeys && bubbles) k = k + k + kHomeRow;
      set.Lesson = FindLesson(course, setup.Lesson, k);
      break;
    case ReviewKeyOption::Own:
      k = Unique(ShortStr(typed));
      if (k.size() < kFewKeys && bubbles) k = k + k + kHomeRow;
      if (KeepLetters(k).empty()) {
        Inform(Str(kStrReviewNoLetters), Str(kStrReviewDifficultInstead));
        k = FallbackKeys(course, setup, setup.Lesson, difficultKeys);
      }
      set.Lesson = FindLesson(course, setup.Lesson, k);
      if (!AnyStudied(k, course.StudiedKeys(set.Lesson))) {
        Inform(Str(kStrReviewNotStudied), Str(kStrReviewCurrentDifficultInstead));
        k = FallbackKeys(course, setup, set.Lesson, difficultKeys);
      }
      break;
    case ReviewKeyOption::Pairs:
      // The pairs' letters, for the comparison before and after the drill.
      k = PairLetters(setup.SlowPairs);
      set.Lesson = setup.Lesson;
      break;
  }
  k = ShortStr(k);
  return set;
}

BuiltReview BuildReview(const CourseKeys& course, const ReviewKeySet& keySet, ReviewMethod method,
                        TRevisionBuilder& builder) {
  BuiltReview built;
  const std::string& k = keySet.Keys;
  const int n = static_cast<int>(k.size());
  // A word or sentence drill of what the builder found, or the message
  // that it found nothing.
  const auto drill = [&](int found, int noneText, BuiltReview::Kind type, const char* eventLine) {
    if (found == 0) {
      GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle), Str(noneText) + k);
      return built;
    }
    built.Type = type;
    built.EventLine = eventLine;
    built.Lines = builder.Results;
    built.KnownKeys = course.StudiedKeys(keySet.Lesson);
    return built;
  };
  switch (method) {
    case ReviewMethod::Words:
      return drill(builder.FindWords(k, keySet.Lesson, WordsPerKey(n)), kStrReviewNoWords,
                   BuiltReview::WordDrill, "Event;Word;0;Nil");
    case ReviewMethod::Sentences:
      return drill(builder.FindSentences(k, keySet.Lesson, SentencesPerKey(n)),
                   kStrReviewNoSentences, BuiltReview::Sentences, "Event;Sentence;0;NIL;True");
    case ReviewMethod::Bubbles:
      if (n < kBubblesMinKeys) {
        ReportError(kErrorDifficultKeys, Str(kStrReviewBubblesFewKeys));
        return built;
      }
      built.Type = BuiltReview::Bubbles;
      built.EventLine = "Bubb;Bubb;0;0";
      built.KnownKeys = k;
      return built;
    case ReviewMethod::WordTris:
      if (builder.FindWords(k, keySet.Lesson, TrisWordsPerKey(n)) == 0) {
        ReportError(kErrorDifficultKeys,
                    Str(kStrReviewTrisWithKeys) + "\"" + k + "\"" + Str(kStrReviewTrisNoWords));
        return built;
      }
      built.Type = BuiltReview::WordTris;
      built.EventLine = "Tris;Tris;0;-none-.vcb";
      built.Lines = builder.Results;
      return built;
  }
  return built;
}

std::string BubblesKeySetKeys(int keySet, const std::string& studied) {
  std::string keys = "abcdefghijklmnopqrstuvwxyz";
  switch (keySet) {
    case 2:
      return keys;
    case 3:
      return keys + "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    case 4:
      return keys + "ABCDEFGHIJKLMNOPQRSTUVWXYZ" + "1234567890";
    default:
      return studied;
  }
}

int StoryMinutes(int storyDuration) {
  constexpr int kMinutes[] = {5, 10, 20, 30};
  return kMinutes[std::clamp(storyDuration, 1, 4) - 1];
}

}  // namespace tq
