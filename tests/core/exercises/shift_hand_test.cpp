#include "core/exercises/shift_hand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exercises/key_data_ext.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

// "a" on the left little finger, "j" on the right index, "t" on a thumb, an
// AltGr symbol on "e"; a layout with both Shift keys and one with only the
// left Shift.
std::string Layout(bool rightShift) {
  std::string kbd =
      "$version=5\r\n"
      "key;1;10;10;30;30;-;a;A\r\n"
      "key;3;+2;0;0;0;-;e;E;\200\r\n"
      "key;5;+2;0;0;0;-;j;J\r\n"
      "key;9;+2;0;0;0;-;t;T\r\n"
      "shiftcontrolkey;1;10;+2;50;0;d;1;x\r\n"
      "controlkey;8;+2;0;40;0;d;2;AltGr\r\n";
  if (rightShift) kbd += "shiftcontrolkey;8;200;0;50;0;d;1;x\r\n";
  return kbd;
}

TEST(ShiftHand, TheShiftOfTheOtherHandOrNotGiven) {
  test::TempDir dir;
  struct Case {
    bool rightShift;
    char ch;
    ShiftNeed need;
  };
  const std::vector<Case> cases = {
      {true, 'A', ShiftNeed::Right},                                       // a left-hand capital
      {true, 'J', ShiftNeed::Left},                                        // a right-hand capital
      {true, 'a', ShiftNeed::None},      {true, '\200', ShiftNeed::None},  // AltGr is not a Shift
      {true, 'T', ShiftNeed::NotGiven},   // a thumb belongs to neither hand
      {true, 'Q', ShiftNeed::None},       // no key types it
      {false, 'A', ShiftNeed::NotGiven},  // no right Shift on the layout
      {false, 'J', ShiftNeed::Left},
  };
  for (const Case& c : cases) {
    TKeyDataExt keys;
    test::WriteFile(dir / "k.kbd", Layout(c.rightShift));
    ASSERT_EQ(keys.LoadFromFile(dir / "k.kbd"), 1);
    EXPECT_EQ(ShiftNeeded(keys, c.ch), c.need) << c.ch << " right Shift " << c.rightShift;
  }
}

TEST(ShiftHand, VerdictOfEachHeldShift) {
  using V = ShiftVerdict;
  struct Case {
    ShiftNeed need;
    ShiftHeld held;
    V verdict;
  };
  const std::vector<Case> cases = {
      {ShiftNeed::Right, ShiftHeld::Right, V::RightHand},
      {ShiftNeed::Right, ShiftHeld::Left, V::Slip},
      {ShiftNeed::Left, ShiftHeld::Left, V::RightHand},
      {ShiftNeed::Left, ShiftHeld::Right, V::Slip},
      {ShiftNeed::Left, ShiftHeld::Both, V::RightHand},
      {ShiftNeed::Left, ShiftHeld::None, V::NotJudged},  // Caps Lock
      {ShiftNeed::Right, ShiftHeld::Unknown, V::NotJudged},
      {ShiftNeed::NotGiven, ShiftHeld::Left, V::NotJudged},
      {ShiftNeed::None, ShiftHeld::Right, V::NotJudged},
  };
  for (const Case& c : cases)
    EXPECT_EQ(JudgeShift(c.need, c.held), c.verdict)
        << static_cast<int>(c.need) << "/" << static_cast<int>(c.held);
}

TEST(ShiftHand, HeldKeysFollowTheEvents) {
  TShiftKeys keys;
  EXPECT_EQ(keys.Held(), ShiftHeld::None);
  keys.SyncModifier(true);
  EXPECT_EQ(keys.Held(), ShiftHeld::Unknown);  // Shift on, but which key?
  keys.Press(true);
  EXPECT_EQ(keys.Held(), ShiftHeld::Right);
  keys.Press(false);
  EXPECT_EQ(keys.Held(), ShiftHeld::Both);
  keys.Release(true);
  EXPECT_EQ(keys.Held(), ShiftHeld::Left);
  keys.SyncModifier(false);  // a release missed while the window had no focus
  EXPECT_EQ(keys.Held(), ShiftHeld::None);
}

TEST(ShiftHand, TheTipSpeaksWhenSlipsExceedATenthOfTheCapitals) {
  struct Case {
    int rightHand, slips;
    bool matters;
  };
  const std::vector<Case> cases = {
      {9, 1, false},  // exactly a tenth
      {17, 2, true},  // 2 of 19
      {18, 2, false}, {0, 1, true}, {5, 0, false},
  };
  for (const Case& c : cases) {
    TShiftTally tally;
    for (int i = 0; i < c.rightHand; ++i) tally.Add(ShiftVerdict::RightHand);
    for (int i = 0; i < c.slips; ++i) tally.Add(ShiftVerdict::Slip);
    tally.Add(ShiftVerdict::NotJudged);
    EXPECT_EQ(tally.Capitals, c.rightHand + c.slips);
    EXPECT_EQ(tally.SlipsMatter(), c.matters) << c.slips << " of " << tally.Capitals;
  }
  TShiftTally t{20, 17, 3};
  const std::string tip = ShiftHandTip(t);
  EXPECT_NE(tip.find("Shift hand"), std::string::npos) << tip;
  EXPECT_NE(tip.find("3 of your 20"), std::string::npos) << tip;
}

}  // namespace
}  // namespace tq
