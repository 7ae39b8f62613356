#pragma once
// One course: a contents file ("*.cnt") that lists the lessons, the
// exercises of each lesson and the events of each exercise. The file is a
// text data file (optional "$" header, optional scrambling); its body:
//
//   contents name=Touch typing for beginners
//   default time=25          suggested lesson length in minutes (0: none)
//   keyboard=ALL             layout file the course needs, or ALL
//   wizardname=Beginner      review wizard material ("wizardname" alone: none)
//   wordloop=3  wordmaxloop=5  sentenceloop=0  sentencemaxloop=0
//   begin chapter ... end chapter      one lesson each (see TChapter)
//
// Keywords ignore case; "'" starts a comment line; unknown keywords are
// ignored. Loading fills the student's key groups, loop counts and lesson
// count; loader messages are error boxes and loading goes on after them,
// except after a malformed number, which stops the load.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/course/chapter.h"
#include "core/course/course_reader.h"

namespace tq {

class StudyInterface;
class TBookMark;
class TUser;

class TContents {
 public:
  // Reads the whole course for `student` (the lesson length is the
  // student's; key groups, loop counts and ChapterCount go into the record).
  // Returns 0 when loaded; otherwise the open status of the file, or -1095
  // after a malformed number and for a course without a single lesson (no
  // header either: not a course file at all); the lesson list is then empty
  // and Refusal says what is wrong.
  int Create(std::string_view fileName, TUser& student);
  // The same without exercises: lessons, titles, pictures and key groups.
  // Pass a scratch student to leave the signed-in student's groups alone.
  int CreateOutline(std::string_view fileName, TUser& student);

  // One line per lesson: "Lesson 3: Title" with the lesson word, "3. Title"
  // without.
  std::vector<std::string> GetChapterList(bool withLessonWord) const;

  // The course with the bookmark until the student stops or completes it;
  // returns a lesson code (0, or 1000 to stop; negative after an error,
  // which has been reported). `finished`: the course was completed.
  int Study(TUser& student, bool& finished, StudyInterface& ui);

  int ChapterCount() const { return static_cast<int>(Chapters.size()); }
  // Every loader message of the last load, with its line.
  const std::vector<LoaderMessage>& Messages() const { return messages_; }

  bool OutlineOnly = false;
  TBookMark* BookMark = nullptr;  // the student's, unless set otherwise
  std::string ContentsName;
  std::string Keyboard = "ALL";
  std::vector<std::unique_ptr<TChapter>> Chapters;
  int DefaultTime = 0;
  std::string WizardName;
  // What made the last load fail, in words; empty after a load.
  std::string Refusal;

 private:
  int Load(std::string_view fileName, TUser& student);
  std::vector<LoaderMessage> messages_;
};

}  // namespace tq
