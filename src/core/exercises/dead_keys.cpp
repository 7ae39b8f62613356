#include "core/exercises/dead_keys.h"

namespace tq {
namespace {

struct Composition {
  unsigned char accent, letter, composed;
};

// Every pair in code page 1252, small and capital letters.
constexpr Composition kCompositions[] = {
    // acute
    {0xB4, 'a', 0xE1},
    {0xB4, 'e', 0xE9},
    {0xB4, 'i', 0xED},
    {0xB4, 'o', 0xF3},
    {0xB4, 'u', 0xFA},
    {0xB4, 'y', 0xFD},
    {0xB4, 'A', 0xC1},
    {0xB4, 'E', 0xC9},
    {0xB4, 'I', 0xCD},
    {0xB4, 'O', 0xD3},
    {0xB4, 'U', 0xDA},
    {0xB4, 'Y', 0xDD},
    // grave
    {'`', 'a', 0xE0},
    {'`', 'e', 0xE8},
    {'`', 'i', 0xEC},
    {'`', 'o', 0xF2},
    {'`', 'u', 0xF9},
    {'`', 'A', 0xC0},
    {'`', 'E', 0xC8},
    {'`', 'I', 0xCC},
    {'`', 'O', 0xD2},
    {'`', 'U', 0xD9},
    // circumflex
    {'^', 'a', 0xE2},
    {'^', 'e', 0xEA},
    {'^', 'i', 0xEE},
    {'^', 'o', 0xF4},
    {'^', 'u', 0xFB},
    {'^', 'A', 0xC2},
    {'^', 'E', 0xCA},
    {'^', 'I', 0xCE},
    {'^', 'O', 0xD4},
    {'^', 'U', 0xDB},
    // diaeresis
    {0xA8, 'a', 0xE4},
    {0xA8, 'e', 0xEB},
    {0xA8, 'i', 0xEF},
    {0xA8, 'o', 0xF6},
    {0xA8, 'u', 0xFC},
    {0xA8, 'y', 0xFF},
    {0xA8, 'A', 0xC4},
    {0xA8, 'E', 0xCB},
    {0xA8, 'I', 0xCF},
    {0xA8, 'O', 0xD6},
    {0xA8, 'U', 0xDC},
    {0xA8, 'Y', 0x9F},
    // tilde
    {'~', 'a', 0xE3},
    {'~', 'n', 0xF1},
    {'~', 'o', 0xF5},
    {'~', 'A', 0xC3},
    {'~', 'N', 0xD1},
    {'~', 'O', 0xD5},
    // ring and cedilla
    {0xB0, 'a', 0xE5},
    {0xB0, 'A', 0xC5},
    {0xB8, 'c', 0xE7},
    {0xB8, 'C', 0xC7},
};

}  // namespace

char ComposeDeadKey(char accent, char letter) {
  for (const Composition& c : kCompositions)
    if (c.accent == static_cast<unsigned char>(accent) &&
        c.letter == static_cast<unsigned char>(letter))
      return static_cast<char>(c.composed);
  return 0;
}

std::string ComposeAfterDeadKey(char accent, char key) {
  if (const char composed = ComposeDeadKey(accent, key)) return std::string(1, composed);
  if (key == ' ') return std::string(1, accent);
  return std::string{accent, key};
}

bool DecomposeAccented(char ch, char& accent, char& letter) {
  for (const Composition& c : kCompositions)
    if (c.composed == static_cast<unsigned char>(ch)) {
      accent = static_cast<char>(c.accent);
      letter = static_cast<char>(c.letter);
      return true;
    }
  return false;
}

}  // namespace tq
