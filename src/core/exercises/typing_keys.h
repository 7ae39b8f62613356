#pragma once
// Which characters from the keyboard take part in an exercise: the printing
// characters, back-space and enter. Delete (127, as X11 sends it), tab,
// escape and the other control characters are neither typed nor counted.

namespace tq {

constexpr char kKeyBackspace = 8;
constexpr char kKeyEnter = 13;
constexpr char kKeyDelete = 127;

constexpr bool IsTypingKey(char key) {
  const unsigned char code = static_cast<unsigned char>(key);
  if (key == kKeyBackspace || key == kKeyEnter) return true;
  return code >= 32 && key != kKeyDelete;
}

}  // namespace tq
