// Keyboard layout files, then the lookups a typing page makes with them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(keyboard) {
  const std::string path = tq::fuzz::HoldInput("input.kbd", data, size);
  tq::TKeyDataExt keys;
  if (keys.LoadFromFile(path) != tq::kFileGood) return 0;
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    keys.FingerOf(ch);
    keys.ModifierName(ch);
    keys.TranslateCommaDot(ch);
  }
  keys.SetLearnedKeys("asdfjkl;");
  keys.ShowKeys("fj", "d");
  keys.PressKey('f');
  keys.ClearMarks();
  return 0;
}
