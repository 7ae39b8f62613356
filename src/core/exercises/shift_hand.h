#pragma once
// The Shift hand: a capital or shifted symbol is typed with the Shift key of
// the hand that does not strike the character. The keyboard file says which
// Shift belongs to each key (a right-hand key takes the left Shift and the
// other way round); the window side tells which Shift keys are down. This is
// the one place that judges a keystroke, tallies an exercise and says when
// the slips are worth a tip.

#include <string>

namespace tq {

class TKeyDataExt;

// Which Shift a character needs on the layout.
enum class ShiftNeed {
  None,      // typed without Shift (or with another modifier, such as AltGr)
  Left,      // the left Shift: the character is on a right-hand key
  Right,     // the right Shift: the character is on a left-hand key
  NotGiven,  // shifted, but the layout does not say with which hand
};

// Which Shift keys were down when a character came.
enum class ShiftHeld {
  Unknown,  // the window side cannot tell (or Caps Lock typed the capital)
  None,
  Left,
  Right,
  Both,
};

enum class ShiftVerdict {
  NotJudged,  // no Shift needed, its side not given, or the Shift keys unknown
  RightHand,  // typed with the Shift of the other hand
  Slip,       // typed with the Shift of the striking hand only
};

// The Shift ch needs on the layout. A shifted character needs the Shift of
// the other hand; when the key's finger is a thumb or missing, or the layout
// has no Shift key on that side, the side is not given.
ShiftNeed ShiftNeeded(const TKeyDataExt& keys, char ch);

// A character typed while the Shift keys were as held. Holding both counts
// as the right hand: the Shift that was needed is down.
ShiftVerdict JudgeShift(ShiftNeed need, ShiftHeld held);

// The Shift keys down right now, as the key events report them. A key event
// without the Shift modifier means none is down (a release missed while
// the window had no focus).
class TShiftKeys {
 public:
  void Press(bool right) { (right ? right_ : left_) = true; }
  void Release(bool right) { (right ? right_ : left_) = false; }
  // Every key event says whether the Shift modifier is on.
  void SyncModifier(bool shiftDown) {
    modifier_ = shiftDown;
    if (!shiftDown) left_ = right_ = false;
  }
  // Unknown while the Shift modifier is on but no Shift key was seen.
  ShiftHeld Held() const;

 private:
  bool left_ = false;
  bool right_ = false;
  bool modifier_ = false;
};

// The program-wide Shift key state the book window keeps.
TShiftKeys& ShiftKeys();

// The capitals of one exercise.
struct TShiftTally {
  int Capitals = 0;   // judged capitals and shifted symbols
  int RightHand = 0;  // of those, typed with the Shift of the other hand
  int Slips = 0;      // of those, typed with the wrong Shift

  void Clear() { *this = TShiftTally(); }
  void Add(ShiftVerdict verdict);
  // The tip speaks of the Shift hand when slips exceed a tenth of the capitals.
  bool SlipsMatter() const { return Slips * 10 > Capitals; }
};

// The commentator's sentence on the Shift hand, with the counts filled in.
std::string ShiftHandTip(const TShiftTally& tally);

}  // namespace tq
