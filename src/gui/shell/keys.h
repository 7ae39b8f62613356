#pragma once
// Keys as the pages see them: a virtual-key code for key-down and key-up
// (letters and digits are their upper-case ASCII codes, Enter 13, Escape 27,
// arrows 37-40, F1 112, ...), the shift state as a small bit set, and a
// typed character as its Windows-1252 byte for key-press.

#include <QKeyEvent>

namespace tq {

using ShiftState = int;
constexpr ShiftState kSsShift = 1;
constexpr ShiftState kSsAlt = 2;
constexpr ShiftState kSsCtrl = 4;

constexpr int kVkBack = 8;
constexpr int kVkTab = 9;
constexpr int kVkReturn = 13;
constexpr int kVkShift = 16;
constexpr int kVkControl = 17;
constexpr int kVkMenu = 18;  // Alt
constexpr int kVkPause = 19;
constexpr int kVkCapital = 20;
constexpr int kVkEscape = 27;
constexpr int kVkSpace = 32;
constexpr int kVkPrior = 33;
constexpr int kVkNext = 34;
constexpr int kVkEnd = 35;
constexpr int kVkHome = 36;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkInsert = 45;
constexpr int kVkDelete = 46;
constexpr int kVkNumpad0 = 96;
constexpr int kVkF1 = 112;

ShiftState ShiftOf(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a key event; 0 for keys without one.
int VirtualKeyOf(const QKeyEvent& event);

}  // namespace tq
