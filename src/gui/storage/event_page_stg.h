#pragma once
// TEventPageStg: the controls the exercise event pages borrow onto the wide
// page: the console on the right with the clock display (TimeLbl, Screen2,
// TimeGraph, TimeLabel), the titles of the rhythm light and the "correct"
// lamps with the lamps' frame Screen3, the strip LeftConsole and the typing
// display's screen Screen1, the message panel EventMsg, the credit line of
// sentences, the new-keys panel with its finger text, and the word drill's
// two frames. Positions are those of the wide page (718 x 428); the events
// move the few that depend on the exercise.

#include "gui/storage/storage_form.h"
#include "gui/widgets/gauge.h"

namespace tq {

class TEventPageStg : public TStorageForm {
 public:
  // The typing display's screen ends short of the book's button console.
  static constexpr int kScreen1Width = 468;

  TEventPageStg();

  TImage* RightConsole;
  // Its children all go onto the page.
  TPanel* EventConsole;
  TLabel* TimeLbl;
  TImage* Screen2;
  TLabel* TimeLabel;
  TGauge* TimeGraph;
  TLabel* CorrectTitle;
  TImage* Screen3;
  TLabel* RhythmTitle;
  TImage* LeftConsole;
  TImage* Screen1;

  TPanel* EventMsg;
  TLabel* MsgLabel1;
  TLabel* MsgLabel2;

  TLabel* CreditLbl;

  TPanel* NewKeys;
  TLabel* FingerLbl;

  TImage* DecorativeBox;
  TImage* AnotherDecorativeBox;
};

// The form, created with the event pages' registration at start-up (none
// before).
TEventPageStg* EventPageStg();
void CreateEventPageStg();
void DestroyEventPageStg();

}  // namespace tq
