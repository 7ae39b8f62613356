#include "core/course/contents.h"

#include "core/exercises/study_codes.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/bookmark.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/strings.h"

namespace tq {

int TContents::Create(std::string_view fileName, TUser& student) {
  OutlineOnly = false;
  return Load(fileName, student);
}

int TContents::CreateOutline(std::string_view fileName, TUser& student) {
  OutlineOnly = true;
  return Load(fileName, student);
}

int TContents::Load(std::string_view fileName, TUser& student) {
  BookMark = &student.BookMark;
  ContentsName.clear();
  Keyboard = "ALL";
  Chapters.clear();
  DefaultTime = 0;
  WizardName.clear();
  messages_.clear();
  Refusal.clear();
  student.KeyGroups.clear();

  TTextFile file;
  int status = file.Open(fileName, 1);
  if (status != kFileGood) {
    Refusal = ErrorMessage(status == 0 ? kFileReadError : status);
    return status == 0 ? kFileReadError : status;
  }
  bool named = false;

  CourseReader reader(file, fileName);
  int lessons = 0;
  while (reader.Next()) {
    const std::string& keyword = reader.Keyword();
    named =
        named || keyword == "contents name" || keyword == "default time" || keyword == "keyboard";
    if (keyword == "contents name") {
      ContentsName = reader.Value(1);
    } else if (keyword == "default time") {
      reader.Number(1, DefaultTime);
    } else if (keyword == "keyboard") {
      if (reader.HasValue(1)) Keyboard = AnsiUpperCase(reader.Value(1));
    } else if (keyword == "wizardname") {
      WizardName = reader.Value(1);
    } else if (keyword == "wordloop") {
      reader.Number(1, student.WordLoop);
    } else if (keyword == "wordmaxloop") {
      reader.Number(1, student.WordMaxLoop);
    } else if (keyword == "sentenceloop") {
      reader.Number(1, student.SentenceLoop);
    } else if (keyword == "sentencemaxloop") {
      reader.Number(1, student.SentenceMaxLoop);
    } else if (keyword == "begin chapter") {
      auto chapter = std::make_unique<TChapter>();
      ++lessons;
      if (OutlineOnly)
        chapter->CreateOutline(reader, IntToStr(lessons), student);
      else
        chapter->Create(reader, IntToStr(lessons), student);
      chapter->Number = lessons;
      Chapters.push_back(std::move(chapter));
    }
  }
  file.Close();
  messages_ = reader.Messages();
  // Random bytes or another kind of file hold no course: without a single
  // lesson it is refused, not taken as a course already completed.
  if (!reader.Failed() && lessons == 0)
    Refusal = Str(file.HasVersion || named ? kStrContentsNoLesson : kStrContentsNoHeader);
  else if (reader.Failed())
    Refusal = ErrorMessage(kErrorContentsInvalid);
  if (!Refusal.empty()) {
    Chapters.clear();
    student.KeyGroups.clear();
    student.ChapterCount = 0;
    return kErrorContentsInvalid;
  }
  student.ChapterCount = ChapterCount();
  return 0;
}

std::vector<std::string> TContents::GetChapterList(bool withLessonWord) const {
  std::vector<std::string> list;
  list.reserve(Chapters.size());
  for (const auto& c : Chapters) {
    if (withLessonWord)
      list.push_back(ShortStr(Str(kStrLesson) + c->NumberText + ": " + c->Title));
    else
      list.push_back(ShortStr(c->NumberText + ". " + c->Title));
  }
  return list;
}

int TContents::Study(TUser& student, bool& finished, StudyInterface& ui) {
  finished = false;
  if (!BookMark) return 0;
  TBookMark& bookmark = *BookMark;
  const int count = ChapterCount();
  std::string lessonCount;
  if (bookmark.Mode != TBookMark::kModeIntroduction)
    lessonCount = Str(kStrLessonOf) + IntToStr(count);

  if (bookmark.Chapter < 1) bookmark.Chapter = 1;
  if (bookmark.Chapter == count + 1) {
    finished = true;
    return 0;
  }
  int r = 0;
  if (bookmark.Chapter > count + 1) {
    finished = true;
    bookmark.Chapter = count;
    r = kErrorChapterOverflow;
  } else {
    for (;;) {
      bool lessonFinished = false;
      const TChapter& chapter = *Chapters[static_cast<std::size_t>(bookmark.Chapter - 1)];
      r = chapter.Study(bookmark, lessonFinished, student, ui, lessonCount);
      if (bookmark.Mode == TBookMark::kModeReview) break;
      if (r == kLessonCancel) r = kStudyStop;
      // The loop stops at an error too; the bookmark has been put back in range.
      if (r == kStudyStop || r < 0) break;
      const int before = bookmark.Chapter;
      if (r == kLessonNext) ++bookmark.Chapter;
      if (r == kLessonPrevious && bookmark.Chapter > 1) --bookmark.Chapter;
      if (bookmark.Chapter != before) {
        bookmark.Exercise = 1;
        bookmark.Event = 1;
        if (bookmark.Mode == TBookMark::kModeGuided) student.LessonMinutes = 0;
      }
      if (bookmark.Chapter > count) break;
    }
    // Passing the last lesson completes the course, like a bookmark that
    // already stood past it.
    if (bookmark.Chapter > count) {
      finished = true;
      r = 0;
    }
  }
  if (r < 0) ReportErrorCode(kErrorContents, r);
  return r;
}

}  // namespace tq
