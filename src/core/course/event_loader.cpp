#include "core/course/event_loader.h"

#include <memory>

#include "core/exercises/event_factory.h"
#include "core/exercises/event_line.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/bookmark.h"
#include "core/records/coaching_file.h"
#include "core/records/result_gate.h"
#include "core/records/shift_hand_file.h"
#include "core/records/user.h"

namespace tq {

bool TEventLoader::Create(std::string_view line) {
  Parameters = std::string(line);
  InCourse = true;
  std::vector<std::string> fields = SplitFields(line, "=;,");
  EventType = fields.size() > 1 ? AnsiUpperCase(fields[1]) : std::string();
  weightText_ = fields.size() > 2 ? fields[2] : std::string();
  Weight = 0;
  return TryStrToInt(weightText_, Weight);
}

int TEventLoader::RunEvent(TBookMark* bookmark, TUser& student) const {
  std::unique_ptr<StudyEvent> event = Events().Create(EventType, Parameters);
  if (!event) return 0;

  EventSetup setup;
  setup.InCourse = InCourse;
  setup.TimeBudget = TimeBudget;
  setup.KeyLevel = KeyLevel;
  setup.KnownKeys = student.GetKeys(KeyLevel);
  event->Prepare(setup);

  int result = event->Run();

  // The introduction and single review runs have bookmarks of their own
  // whose lesson numbers are not the student's lessons: only guided
  // studying records lesson results.
  // An exercise typed at machine speed is not counted: nothing is stored.
  LessonResultValues values;
  if (bookmark && bookmark->Mode == TBookMark::kModeGuided && ResultGate().Counted() &&
      event->LessonResults(values)) {
    RecordLessonResult(student, bookmark->Chapter, bookmark->Exercise, values);
    if (!student.IsVisitor())
      AddShiftHandLesson(CoachingFilePath(student.Name), bookmark->Chapter, values.Capitals,
                         values.RightShift);
  }
  event.reset();
  return StudyCodeOfEventResult(result);
}

void RecordLessonResult(TUser& student, int chapter, int exercise,
                        const LessonResultValues& values) {
  if (!TUser::HasChapterSlot(chapter)) return;
  auto c = static_cast<std::size_t>(chapter);
  if (student.ChapterExercise[c] > exercise) return;
  student.ChapterEfficiency[c] = static_cast<float>(values.Efficiency);
  student.ChapterAccuracy[c] = static_cast<float>(values.Accuracy);
  student.ChapterSpeed[c] = static_cast<float>(values.Speed);
  student.ChapterRhythm[c] = static_cast<int32_t>(RoundEven(values.Rhythm));
  student.ChapterExercise[c] = exercise;
}

}  // namespace tq
