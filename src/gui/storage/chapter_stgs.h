#pragma once
// TChapterStgs: the controls of the lesson spread. Panel1 is the lesson
// title page (picture, the two digits of the lesson number, "of 17"),
// Panel3 the exercise list page, Panel4 the results page with its five
// figures, grades, trend pictures and the commentator's tip. The row
// pictures of the exercise list are kept here as hidden images.

#include "gui/storage/storage_form.h"

namespace tq {

class TExerciseList;

class TChapterStgs : public TStorageForm {
 public:
  TChapterStgs();

  // Loads the pictures from the program directory ("art" folder) where
  // they are missing; drawn stand-ins take the place of missing files.
  void LoadPictures();

  // Lesson title page.
  TPanel* Panel1;
  TImage* ChpPicture;
  TLabel* LessonWord;
  TLabel* Chapter;   // last digit of the lesson number
  TLabel* Chapter2;  // tens digit, empty below 10
  TLabel* LessonCount;

  // Exercise list page.
  TPanel* Panel3;
  TLabel* ExercisesTitle;
  TLabel* ExercisesHint;
  TExerciseList* ExerciseList;

  // Results page.
  TPanel* Panel4;
  TLabel* InfoTitle;
  TLabel* ExerciseIDLbl;
  TLabel* SpeedTitle;
  TLabel* AccuracyTitle;
  TLabel* BackSpaceTitle;
  TLabel* EfficiencyTitle;
  TLabel* RhythmTitle;
  TLabel* UnitMark;
  TLabel* SpeedLbl;
  TLabel* ErrorsLbl;
  TLabel* BackSpaceLbl;
  TLabel* EfficiencyLbl;
  TLabel* RhythmLbl;
  TLabel* SpeedGradeLbl;
  TLabel* ErrorsGradeLbl;
  TLabel* BackSpaceGradeLbl;
  TLabel* EfficiencyGradeLbl;
  TLabel* RhythmGradeLbl;
  TImage* SpeedChange;
  TImage* ErrorsChange;
  TImage* BackSpaceChange;
  TImage* EfficiencyChange;
  TImage* RhythmChange;
  TLabel* SpeedUnit;
  TLabel* CommentatorTitle;
  TLabel* TipLbl;

  // Row pictures of the exercise list (never shown themselves).
  TImage* ActivePic;
  TImage* InactivePic;
  TImage* CompletedPic;

  // Where the lesson picture goes (300 x 200 pictures fill it).
  static constexpr int kPictureLeft = 19;
  static constexpr int kPictureTop = 50;
  static constexpr int kPictureWidth = 300;
  static constexpr int kPictureHeight = 200;
  // Geometry of the lesson number, for the title page's layout.
  static constexpr int kDigitsTop = 262;
  static constexpr int kDigitsLeft = 26;
};

}  // namespace tq
