#include "gui/shell/input_witness.h"

#include <QKeySequence>

#include "core/exercises/shift_hand.h"
#include "core/records/result_gate.h"

namespace tq {
namespace {

constexpr quint32 kKeysymShiftL = 0xFFE1;
constexpr quint32 kKeysymShiftR = 0xFFE2;
constexpr quint32 kKeycodeShiftR = 62;

}  // namespace

ShiftKeySide ShiftKeySideOf(const QKeyEvent& event) {
  if (event.key() != Qt::Key_Shift) return ShiftKeySide::NotShift;
  const quint32 sym = event.nativeVirtualKey();
  if (sym == kKeysymShiftL) return ShiftKeySide::Left;
  if (sym == kKeysymShiftR) return ShiftKeySide::Right;
  // Without native data (a synthesised event) a Shift counts as the left.
  return event.nativeScanCode() == kKeycodeShiftR ? ShiftKeySide::Right : ShiftKeySide::Left;
}

bool IsPasteKey(const QKeyEvent& event) {
  if (event.type() != QEvent::KeyPress) return false;
  if (event.matches(QKeySequence::Paste)) return true;
  const int key = event.key();
  const Qt::KeyboardModifiers mods =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_V && mods == (Qt::ControlModifier | Qt::ShiftModifier)) return true;
  if (key == Qt::Key_Insert && mods == Qt::ShiftModifier) return true;
  if (key == Qt::Key_Paste) return true;
  // A key types one character; more at once come from elsewhere.
  return event.text().size() > 1;
}

void WitnessKeyEvent(const QKeyEvent& event) {
  TShiftKeys& shifts = ShiftKeys();
  const bool press = event.type() == QEvent::KeyPress;
  const ShiftKeySide side = ShiftKeySideOf(event);
  if (side != ShiftKeySide::NotShift) {
    // Which Shift it is counts, not the modifiers the event carries.
    if (press)
      shifts.Press(side == ShiftKeySide::Right);
    else
      shifts.Release(side == ShiftKeySide::Right);
    return;
  }
  shifts.SyncModifier((event.modifiers() & Qt::ShiftModifier) != 0);
  // Only keys the window system timed are timed: X11 and Wayland stamp
  // every event; an event the program made itself carries no time.
  if (!press || event.isAutoRepeat() || event.text().isEmpty() || event.timestamp() == 0) return;
  ResultGate().NoteKey(static_cast<uint32_t>(event.timestamp()));
}

}  // namespace tq
