#pragma once
// The Studying tab: greets a student who has not started (welcome page,
// introduction, study profile), loads the student's course and keyboard
// layout, walks the course with the student's bookmark and, when the course
// is completed, offers to restart it or to go back to the last lesson.

#include <memory>

#include "core/course/contents.h"
#include "core/records/bookmark.h"

namespace tq {

class StudyInterface;
class TUser;

constexpr const char* kIntroductionFile = "introd.kls";
constexpr const char* kDefaultKeyboardFile = "qwerty.kbd";

// The introduction: a small course of its own, studied with a bookmark in
// introduction mode. Loaded from "introd.kls" on first use and kept.
class TIntroduction {
 public:
  static bool Available();
  // The introduction's study code (1000 stops studying); 0 without the
  // file or when it cannot be loaded (reported as -5733).
  int Run(TUser& student, StudyInterface& ui);

  std::unique_ptr<TContents> Contents;

 private:
  TBookMark bookmark_;
};

class TGuidedStudying {
 public:
  // Returns 1000 when studying is to stop (the program is closing, or a
  // fatal error ended it), otherwise the last lesson code.
  int Run(TUser& student, StudyInterface& ui);

  // The course being studied; recreated every time studying starts.
  TContents* Contents() const { return contents_.get(); }
  TIntroduction& Introduction() { return introduction_; }

 private:
  // Until the student has a lesson to study; false: return `result`.
  bool Welcome(TUser& student, StudyInterface& ui, int& result);

  std::unique_ptr<TContents> contents_;
  TIntroduction introduction_;
};

}  // namespace tq
