#include "core/exercises/shift_hand.h"

#include "core/exercises/key_data_ext.h"
#include "core/files/ansi.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr int kShiftSlot = 1;

bool IsShiftKey(const TKeyInfoExt* key) {
  return key && key->ModifierIndex == kShiftSlot;
}

}  // namespace

ShiftNeed ShiftNeeded(const TKeyDataExt& keys, char ch) {
  TKeyInfoExt* modifier = nullptr;
  const TKeyInfoExt* key = keys.FindKey(std::string_view(&ch, 1), &modifier);
  if (!key) return ShiftNeed::None;
  if (modifier && !IsShiftKey(modifier)) return ShiftNeed::None;
  if (!modifier) {
    // Slot 0 needs nothing; slot 1 without a Shift key on the other side
    // leaves the hand open.
    if (key->Labels[kShiftSlot] != std::string_view(&ch, 1)) return ShiftNeed::None;
    return ShiftNeed::NotGiven;
  }
  // A thumb or an unknown finger belongs to neither hand.
  if (key->Finger < 1 || key->Finger > 8) return ShiftNeed::NotGiven;
  if (modifier == keys.LeftModifiers[kShiftSlot]) return ShiftNeed::Left;
  if (modifier == keys.RightModifiers[kShiftSlot]) return ShiftNeed::Right;
  return ShiftNeed::NotGiven;
}

ShiftVerdict JudgeShift(ShiftNeed need, ShiftHeld held) {
  if (need != ShiftNeed::Left && need != ShiftNeed::Right) return ShiftVerdict::NotJudged;
  switch (held) {
    case ShiftHeld::Both:
      return ShiftVerdict::RightHand;
    case ShiftHeld::Left:
      return need == ShiftNeed::Left ? ShiftVerdict::RightHand : ShiftVerdict::Slip;
    case ShiftHeld::Right:
      return need == ShiftNeed::Right ? ShiftVerdict::RightHand : ShiftVerdict::Slip;
    default:
      return ShiftVerdict::NotJudged;
  }
}

ShiftHeld TShiftKeys::Held() const {
  if (left_ && right_) return ShiftHeld::Both;
  if (left_) return ShiftHeld::Left;
  if (right_) return ShiftHeld::Right;
  return modifier_ ? ShiftHeld::Unknown : ShiftHeld::None;
}

TShiftKeys& ShiftKeys() {
  static TShiftKeys keys;
  return keys;
}

void TShiftTally::Add(ShiftVerdict verdict) {
  if (verdict == ShiftVerdict::NotJudged) return;
  ++Capitals;
  if (verdict == ShiftVerdict::Slip)
    ++Slips;
  else
    ++RightHand;
}

std::string ShiftHandTip(const TShiftTally& tally) {
  std::string text = Str(kStrShiftHandTip);
  if (std::size_t at = text.find("%1"); at != std::string::npos)
    text.replace(at, 2, IntToStr(tally.Slips));
  if (std::size_t at = text.find("%2"); at != std::string::npos)
    text.replace(at, 2, IntToStr(tally.Capitals));
  return text;
}

}  // namespace tq
