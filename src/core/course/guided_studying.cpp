#include "core/course/guided_studying.h"

#include "core/course/study_interface.h"
#include "core/exercises/study_codes.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {

bool TIntroduction::Available() {
  return FileExists(kIntroductionFile);
}

int TIntroduction::Run(TUser& student, StudyInterface& ui) {
  if (!Available()) return 0;
  if (!Contents) {
    auto contents = std::make_unique<TContents>();
    int status = contents->Create(kIntroductionFile, student);
    if (status != 0) {
      ReportError(kErrorFatalIntroduction,
                  std::string(kIntroductionFile) + ": " + contents->Refusal);
      return 0;
    }
    Contents = std::move(contents);
  }
  bookmark_.Clear();
  bookmark_.Mode = TBookMark::kModeIntroduction;
  Contents->BookMark = &bookmark_;
  bool finished = false;
  return Contents->Study(student, finished, ui);
}

bool TGuidedStudying::Welcome(TUser& student, StudyInterface& ui, int& result) {
  while (student.BookMark.Chapter == 0) {
    int choice = ui.ShowWelcome(TIntroduction::Available());
    if (choice == kWelcomeStudy) {
      int profile = ui.ShowProfile();
      if (profile == kProfileDone) {
        student.BookMark.Chapter = 1;
        // The course and lesson length chosen are kept at once.
        student.SaveUser();
        break;
      }
      if (profile == kProfileStop) {
        result = 0;
        return false;
      }
    } else if (choice == kWelcomeIntroduction) {
      if (introduction_.Run(student, ui) == kStudyStop) {
        result = kStudyStop;
        return false;
      }
    } else {
      result = 0;
      return false;
    }
  }
  return true;
}

int TGuidedStudying::Run(TUser& student, StudyInterface& ui) {
  for (;;) {
    int result = 0;
    if (!Welcome(student, ui, result)) return result;

    contents_ = std::make_unique<TContents>();
    int status = contents_->Create(student.GetContents(), student);
    if (status != 0) {
      // The course of the student's record: the file and what is wrong with it.
      const std::string course =
          student.GetContents().empty() ? Str(kStrRecordNoCourse) : student.GetContents();
      ReportError(kErrorFatalContents, student.Name + " - " + course + ": " + contents_->Refusal);
      ui.Halt();
      return kStudyStop;
    }
    std::string keyboard = contents_->Keyboard == "ALL"
                               ? Settings().KeyboardFile(kDefaultKeyboardFile)
                               : contents_->Keyboard;
    if (!ui.LoadKeyboardLayout(keyboard)) {
      ReportError(kErrorFileNotFound, keyboard + Str(kStrKeyboardNotFound));
      ui.Halt();
      return kStudyStop;
    }

    contents_->BookMark = &student.BookMark;
    bool finished = false;
    int r = contents_->Study(student, finished, ui);
    student.SaveUser();
    if (r != 0) return r;
    if (!finished) return r;

    TBookMark& bookmark = student.BookMark;
    int choice = ui.ShowGoodbye();
    if (choice == kGoodbyeBack) {
      // Study the last lesson again.
      bookmark.Chapter -= 1;
      bookmark.Exercise = 1;
    } else if (choice == kGoodbyeRestart) {
      student.ResetProgress();
      bookmark.Exercise = 1;
      bookmark.Event = 1;
      bookmark.Spare = 0;
      student.SaveUser();
      student.RaiseKeyLevel(1);
    } else {
      return 0;
    }
  }
}

}  // namespace tq
