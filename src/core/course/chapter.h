#pragma once
// One lesson of a course (a "chapter" in the model; the student sees
// "Lesson"): its title, picture, time budget, the key groups it brings and
// its exercises, at most 200. Study runs the lesson screen.
//
// Body grammar (lines after "begin chapter", keywords ignoring case):
//   chapter name=;Title      the title is the third field
//   picture=Ch2.pic
//   new keys=fj              a key group; exercises after it may use it
//   extradesc=...
//   durationpercent=50       share of the student's lesson length
//   begin exercise ... end exercise
//   end chapter
// After "end chapter" the lesson's minutes are shared among its exercises by
// their "duration" weights, each share rounded (halves to even).

#include <memory>
#include <string>
#include <vector>

#include "core/course/exercise.h"

namespace tq {

class CourseReader;
class StudyInterface;
class TBookMark;
class TUser;
struct LessonScreen;

class TChapter {
 public:
  static constexpr int kMaxExercises = 200;

  // Reads the lesson from the line after "begin chapter". New key groups go
  // to the student's record; the lesson length is the student's.
  void Create(CourseReader& reader, const std::string& numberText, TUser& student);
  void CreateOutline(CourseReader& reader, const std::string& numberText, TUser& student);

  // The lesson screen until the student leaves the lesson; returns a lesson
  // code (0 stay, 2 cancel, 3 previous, 4 next, 1000 stop, negative error).
  int Study(TBookMark& bookmark, bool& finished, TUser& student, StudyInterface& ui,
            const std::string& lessonCountText) const;
  // True when the student may not leave this lesson forward; then the
  // reason has been shown. Only guided studying locks lessons.
  bool CheckLessonLock(const TBookMark& bookmark, const TUser& student) const;

  int ExerciseCount() const { return static_cast<int>(Exercises.size()); }

  bool OutlineOnly = false;
  std::string Title;
  std::string NumberText;
  std::string ExtraDescription;
  int Minutes = 0;
  std::vector<TExercise> Exercises;
  std::string Picture;
  int Number = 0;
  // The key groups this lesson's "new keys" lines added, in order.
  std::vector<std::string> NewKeys;

 private:
  void Read(CourseReader& reader, const std::string& numberText, TUser& student);
  void ShareMinutes();
  LessonScreen Screen(const TBookMark& bookmark, const std::string& lessonCountText) const;
  int RunExercise(TBookMark& bookmark, TUser& student, StudyInterface& ui) const;
};

}  // namespace tq
