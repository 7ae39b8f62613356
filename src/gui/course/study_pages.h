#pragma once
// The Studying tab on screen: the study interface of guided studying
// answered with the real pages (welcome, studying profile, the lesson
// spread, course completed), the lesson title controls filled from the
// lesson, and the course's keyboard layout loaded into the shared layout.

#include <string>

#include "core/course/study_interface.h"

namespace tq {

class TGuidedStudying;

class TStudyPages : public StudyInterface {
 public:
  // The introduction's lessons are told apart by the guided studying
  // object that runs them (their rows never show the course's done flags).
  explicit TStudyPages(TGuidedStudying* guided = nullptr) : guided_(guided) {}

  int ShowWelcome(bool introductionAvailable) override;
  int ShowProfile() override;
  int ShowGoodbye() override;
  LessonAnswer ShowLesson(const LessonScreen& screen) override;
  void StartExercise(const TExercise& exercise) override;
  bool LoadKeyboardLayout(const std::string& fileName) override;
  void Halt() override;

 private:
  bool InIntroduction(const TChapter* chapter) const;
  TGuidedStudying* guided_;
};

// Runs guided studying for the signed-in student until the student leaves
// the tab; returns its code (1000: studying is to stop).
int RunGuidedStudying();

}  // namespace tq
