#include "gui/shell/input_witness.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/exercises/shift_hand.h"
#include "core/records/result_gate.h"
#include "core/shell/program_settings.h"

namespace tq {
namespace {

QKeyEvent Key(QEvent::Type type, int key, Qt::KeyboardModifiers mods, quint32 scan, quint32 sym,
              const QString& text = {}) {
  return QKeyEvent(type, key, mods, scan, sym, 0, text);
}

TEST(InputWitness, LeftAndRightShiftFromTheNativeKeyData) {
  struct Case {
    const char* name;
    int key;
    quint32 scan, sym;
    ShiftKeySide side;
  };
  const std::vector<Case> cases = {
      {"X11 / Wayland left", Qt::Key_Shift, 50, 0xFFE1, ShiftKeySide::Left},
      {"X11 / Wayland right", Qt::Key_Shift, 62, 0xFFE2, ShiftKeySide::Right},
      {"keysym decides", Qt::Key_Shift, 62, 0xFFE1, ShiftKeySide::Left},
      {"keycode when the keysym says nothing", Qt::Key_Shift, 62, 0, ShiftKeySide::Right},
      {"no native data", Qt::Key_Shift, 0, 0, ShiftKeySide::Left},
      {"not a Shift key", Qt::Key_A, 38, 0x61, ShiftKeySide::NotShift},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShiftKeySideOf(Key(QEvent::KeyPress, c.key, Qt::NoModifier, c.scan, c.sym)), c.side)
        << c.name;
}

TEST(InputWitness, PastedInputIsTold) {
  struct Case {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
    bool pasted;
  };
  const std::vector<Case> cases = {
      {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, QString(QChar(22)), true},
      {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, {}, true},
      {"Ctrl+Shift+V", Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, {}, true},
      {"several characters at once", Qt::Key_unknown, Qt::NoModifier, "word", true},
      {"a capital V", Qt::Key_V, Qt::ShiftModifier, "V", false},
      {"a plain v", Qt::Key_V, Qt::NoModifier, "v", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsPasteKey(Key(QEvent::KeyPress, c.key, c.mods, 0, 0, c.text)), c.pasted) << c.name;
}

TEST(InputWitness, ShiftKeysAndArrivalTimesReachTheCore) {
  Settings().MachineSpeedCheck = true;
  ResultGate().Begin();
  ShiftKeys() = TShiftKeys();
  WitnessKeyEvent(Key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 62, 0xFFE2));
  WitnessKeyEvent(Key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, 38, 0x41, "A"));
  EXPECT_EQ(ShiftKeys().Held(), ShiftHeld::Right);
  WitnessKeyEvent(Key(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, 62, 0xFFE2));
  WitnessKeyEvent(Key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, "a"));
  EXPECT_EQ(ShiftKeys().Held(), ShiftHeld::None);
  // Keys without a time stamp are not timed; keys stamped 1 ms apart are.
  for (int i = 0; i < 25; ++i)
    WitnessKeyEvent(Key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, "a"));
  EXPECT_TRUE(ResultGate().Counted());
  for (int i = 0; i < 25; ++i) {
    QKeyEvent e = Key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, "a");
    e.setTimestamp(1000 + static_cast<quint64>(i));
    WitnessKeyEvent(e);
  }
  EXPECT_FALSE(ResultGate().Counted());
  ResultGate().Begin();
}

}  // namespace
}  // namespace tq
