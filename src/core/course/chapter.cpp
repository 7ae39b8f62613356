#include "core/course/chapter.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/course/course_reader.h"
#include "core/course/study_interface.h"
#include "core/exercises/study_codes.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/bookmark.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr const char* kDefaultLessonPicture = "Ch1.pic";
constexpr int64_t kMaxLessonMinutes = 1000000;

// Budgets are worked out in whole numbers; a lesson is kept below two
// years of minutes so that no product of weights and ticks can overflow.
int ClampMinutes(int64_t minutes) {
  return static_cast<int>(std::clamp<int64_t>(minutes, -kMaxLessonMinutes, kMaxLessonMinutes));
}

int ClampToInt(int64_t value) {
  return static_cast<int>(
      std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// weight / total * minutes to the nearest whole number, halves to even,
// worked out in whole numbers so that no half is missed by a rounding error.
int64_t ShareOf(int64_t weight, int64_t total, int64_t minutes) {
  int64_t num = weight * minutes;
  if (total < 0) {
    num = -num;
    total = -total;
  }
  int64_t q = num / total;
  int64_t r = num % total;
  if (r < 0) {  // floor division
    q -= 1;
    r += total;
  }
  if (2 * r > total || (2 * r == total && q % 2 != 0)) ++q;
  return q;
}

}  // namespace

void TChapter::Create(CourseReader& reader, const std::string& numberText, TUser& student) {
  OutlineOnly = false;
  Read(reader, numberText, student);
}

void TChapter::CreateOutline(CourseReader& reader, const std::string& numberText, TUser& student) {
  OutlineOnly = true;
  Read(reader, numberText, student);
}

void TChapter::Read(CourseReader& reader, const std::string& numberText, TUser& student) {
  NumberText = numberText;
  const int64_t lessonLength = student.LessonDuration;
  if (reader.Status() != kFileGood) {
    reader.Message(Str(kStrChapterFileError) + IntToStr(reader.Status()));
    return;
  }
  // A "new keys" line applies to the exercises after it; those before it
  // keep key level 0.
  int keyLevel = 0;
  bool overflowReported = false;
  while (reader.Next()) {
    const std::string& keyword = reader.Keyword();
    if (keyword == "chapter name") {
      Title = reader.Value(2);
    } else if (keyword == "picture") {
      Picture = reader.Value(1);
    } else if (keyword == "new keys") {
      if (reader.HasValue(1)) {
        keyLevel = student.AddKeyGroup(reader.Value(1));
        NewKeys.push_back(reader.Value(1));
      } else {
        reader.Message(Str(kStrMissingNewKeys));
      }
    } else if (keyword == "extradesc") {
      ExtraDescription = reader.Value(1);
    } else if (keyword == "durationpercent") {
      int percent = 0;
      if (!reader.Number(1, percent)) return;
      Minutes = ClampMinutes(percent * lessonLength / 100);
    } else if (keyword == "begin exercise") {
      if (OutlineOnly) {
        if (!reader.SkipUntil("end exercise")) break;
        continue;
      }
      TExercise exercise;
      exercise.Create(reader);
      if (reader.Failed()) return;
      if (ExerciseCount() >= kMaxExercises) {
        if (!overflowReported) reader.Message(Str(kStrExerciseOverflow));
        overflowReported = true;
        continue;
      }
      exercise.Id = NumberText + "." + IntToStr(ExerciseCount() + 1);
      if (exercise.KeyLevel < keyLevel) exercise.SetKeyLevel(keyLevel);
      Exercises.push_back(std::move(exercise));
    } else if (keyword == "end chapter") {
      ShareMinutes();
      return;
    }
  }
  if (reader.Failed()) return;
  reader.Message(Str(kStrChapterEof));
  ShareMinutes();
}

void TChapter::ShareMinutes() {
  int64_t total = 0;
  for (const TExercise& e : Exercises) total += e.Weight;
  if (total == 0) total = 1;
  for (TExercise& e : Exercises) e.SetDuration(ClampToInt(ShareOf(e.Weight, total, Minutes)));
}

bool TChapter::CheckLessonLock(const TBookMark& bookmark, const TUser& student) const {
  // The introduction and single review runs have no lesson progress of
  // their own to pass.
  if (bookmark.Mode != TBookMark::kModeGuided) return false;
  const int count = ExerciseCount();
  if (count == 0) return false;
  // Exercises that have no place in the record's tables cannot be marked
  // done, so they never hold a student back.
  auto done = [&](int exercise) {
    return !TUser::HasExerciseSlot(Number, exercise) || student.IsExerciseDone(Number, exercise);
  };
  bool notAll = false;
  if (Settings().RequireAllPassedBeforeContinue)
    for (int e = 1; e <= count && !notAll; ++e) notAll = !done(e);
  if (done(count) && !notAll) return false;
  if (notAll || AnsiUpperCase(Exercises.back().LastEventType) == "EXAM") {
    GetHost().ShowMessage(MessageKind::Warning, Str(kStrLessonLocked),
                          Str(notAll ? kStrNotAllPassed : kStrExamNotPassed));
    return true;
  }
  return false;
}

LessonScreen TChapter::Screen(const TBookMark& bookmark, const std::string& lessonCountText) const {
  LessonScreen screen;
  screen.Chapter = this;
  screen.Selected = bookmark.Exercise;
  screen.Title = Title;
  if (!Picture.empty() && FileExists(Picture))
    screen.Picture = Picture;
  else if (FileExists(kDefaultLessonPicture))
    screen.Picture = kDefaultLessonPicture;
  screen.LessonCount = lessonCountText;
  if (bookmark.Mode == TBookMark::kModeIntroduction) {
    screen.LastRowText = Str(kStrExitIntroduction);
    screen.ChapterDigit = " i";
    screen.CancelOn = true;
  } else {
    screen.LastRowText = Str(kStrNextLesson);
    screen.ChapterDigit = IntToStr(Number % 10);
    if (Number >= 10) screen.ChapterTens = IntToStr(Number / 10 % 10);
    screen.SkipForwardOn = true;
    screen.SkipBackOn = bookmark.Chapter >= 2;
  }
  return screen;
}

int TChapter::Study(TBookMark& bookmark, bool& finished, TUser& student, StudyInterface& ui,
                    const std::string& lessonCountText) const {
  finished = false;
  const int count = ExerciseCount();
  if (bookmark.Exercise < 1) bookmark.Exercise = 1;
  if (bookmark.Exercise > count + 1) {
    bookmark.Exercise = count + 1;
    return kErrorExerciseOverflow;
  }
  if (bookmark.Mode == TBookMark::kModeReview) {
    // The last row is no exercise to run.
    if (bookmark.Exercise > count) return kErrorExerciseOverflow;
    return Exercises[static_cast<std::size_t>(bookmark.Exercise - 1)].Run(bookmark, finished,
                                                                          student);
  }
  bool beginPage = true;
  for (;;) {
    LessonScreen screen = Screen(bookmark, lessonCountText);
    screen.BeginPage = beginPage;
    beginPage = false;
    const int resumable = bookmark.Exercise;
    LessonAnswer answer = ui.ShowLesson(screen);
    bookmark.Exercise = std::clamp(answer.Selected, 1, count + 1);
    switch (answer.Result) {
      case kLessonScreenClosed:
        return kStudyStop;
      case kLessonScreenCancel:
      case kLessonScreenPrevious:
        return answer.Result;
      case kLessonScreenNext:
        return CheckLessonLock(bookmark, student) ? kLessonStay : kLessonNext;
      case kLessonScreenStart:
        break;
      default:
        continue;
    }
    if (bookmark.Exercise > count) {
      if (CheckLessonLock(bookmark, student)) continue;
      finished = true;
      return bookmark.Mode == TBookMark::kModeIntroduction ? kLessonCancel : kLessonNext;
    }
    // The exercise the bookmark points at resumes at its event; another
    // one starts from its first.
    if (bookmark.Exercise != resumable) bookmark.Event = 1;
    if (RunExercise(bookmark, student, ui) == kStudyStop) return kStudyStop;
  }
}

int TChapter::RunExercise(TBookMark& bookmark, TUser& student, StudyInterface& ui) const {
  const int count = ExerciseCount();
  const TExercise& exercise = Exercises[static_cast<std::size_t>(bookmark.Exercise - 1)];
  ui.StartExercise(exercise);
  bool done = false;
  int code = exercise.Run(bookmark, done, student);
  if (code == kStudyStop) return code;
  if (code < 0) {
    // A bookmark whose event lies beyond the exercise: start it afresh.
    ReportErrorCode(kErrorContents, code);
    bookmark.Event = 1;
    return kStudyGoOn;
  }
  if (!done) return kStudyGoOn;
  if (bookmark.Mode == TBookMark::kModeGuided) {
    if (exercise.KeyLevel > student.KeyLevel) {
      student.RaiseKeyLevel(exercise.KeyLevel);
      student.DifficultKeys().SetLearnedKeys(student.GetKeys(student.KeyLevel));
    }
    // The record keeps the furthest lesson reached and, within it, the
    // furthest exercise.
    if (Number > student.Chapter) {
      student.Chapter = Number;
      student.Exercise = 0;
    }
    if (Number == student.Chapter && bookmark.Exercise > student.Exercise)
      student.Exercise = bookmark.Exercise;
    student.SetExerciseDone(Number, bookmark.Exercise, true);
  }
  bookmark.Exercise = std::min(bookmark.Exercise + 1, count + 1);
  bookmark.Event = 1;
  // Every finished exercise goes into the record at once: a program killed
  // later loses at most the exercise in progress.
  student.SaveUser();
  return kStudyGoOn;
}

}  // namespace tq
