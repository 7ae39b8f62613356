#pragma once
// The keyboard layout: every key of the on-screen keyboard with its place on
// the picture, its finger, its labels and its marks, read from a keyboard
// file (".kbd"). It answers which key and which modifier type a character,
// which finger types it and what its key is called. The marks (lit, crossed
// out, learned, pressed) live in the key objects; the keyboard control only
// paints them, so the rules of ShowKeys, ClearMarks and SetLearnedKeys are
// here and the control redraws the keys they return.
//
// File format: a text data file (CR LF, Windows-1252, optionally scrambled)
// whose header carries "$version=5"; any other version is error -89 and
// nothing is loaded. Content lines are trimmed; an empty line or one starting
// with "'" is a comment. Other lines are fields split at ";" ("%;" is a ";"
// inside a field; empty fields vanish), the first field (any case) names the
// line:
//   defaultsize;W;H            key size when a key line gives none
//   fontsize;L;S;C             label, small label and corner label heights
//   commadot;N                 1: typed "," and "." mean the key's main character
//   key;F;X;Y;W;H;FLAGS;L0;L1;...   an ordinary key (capslockkey the same)
//   tabkey/enterkey/spacekey/backspacekey;F;X;Y;W;H;FLAGS[;labels]
//                              slot 0 is tab 9 / Enter 13 / blank 32 / Backspace 8
//                              (a tab key takes no labels)
//   controlkey;F;X;Y;W;H;FLAGS;M;L0;...   a modifier selecting label slot M
//   shiftcontrolkey;...        the same with the text "Shift" as its first label
//   deadkey;CHARS              these labels are dead keys: an accented letter
//                              without a key of its own is typed as the
//                              accent's dead key, then the plain letter
// F is the finger 1..10 (1 left little .. 4 left index, 5 right index .. 8
// right little, 9 and 10 the thumbs; 5 and above is the right hand). X is a
// number, or "+n"/"-n" (one to three digits): the previous key's right edge
// plus or minus n; Y likewise from the previous key's bottom. A resulting 0
// means the previous key's X (Y). W and H of 0 mean the previous key's size;
// a missing W or H means the default size. FLAGS letters in any case: n nib,
// d dark, a always black, h hidden, s small label ("-" for none). Because
// empty fields vanish, FLAGS must not be empty when labels follow. A label of
// "% " stands for "%". Labels are at most 15 characters; slot 0 may list
// alternatives "a|b" that the key types alike.
//
// Lines this reader will not guess at are rejected with a report naming the
// file and line: a position or size that is not a number, a key that would
// lie outside 0..kMaxKeyboardExtent or have no area, a shiftcontrolkey line
// without its first label. A key line with more than ten labels keeps the
// first ten, and a modifier index outside 1..9 is not entered as a modifier;
// both are noted in Messages.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

constexpr int kKeyLabelSlots = 10;
constexpr std::size_t kKeyLabelMax = 15;
// No key of a keyboard picture lies beyond this many pixels.
constexpr int kMaxKeyboardExtent = 4000;

struct TKeyInfoExt {
  std::array<std::string, kKeyLabelSlots> Labels;
  int Finger = -1;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  bool Hidden = false;
  bool Nib = false;
  bool Dark = false;
  int ModifierIndex = -1;
  bool AlwaysBlack = false;
  bool Learned = false;
  bool Lit = false;
  bool Wrong = false;
  bool Pressed = false;
  bool SmallLabel = false;

  // Where the key came from: its line in the keyboard file (1-based).
  int Line = 0;
  // True for a key typed with the right hand (fingers 5 and above).
  bool RightHand() const { return Finger >= 5; }
};

class TKeyDataExt {
 public:
  TKeyDataExt();
  TKeyDataExt(const TKeyDataExt&) = delete;
  TKeyDataExt& operator=(const TKeyDataExt&) = delete;

  // Reads a keyboard file. A file that cannot be opened (the open status is
  // returned) or has the wrong version (-89, reported) leaves the previous
  // layout in place. Returns kFileGood (1) after a load.
  int LoadFromFile(std::string_view FileName);

  // The key that types Text and the modifier key to hold with it (nullptr
  // when none is needed). The first key in file order wins.
  TKeyInfoExt* FindKey(std::string_view Text, TKeyInfoExt** Modifier = nullptr) const;
  // 1..10, or 0 when no key types Ch.
  int FingerOf(char Ch) const;
  // "left little finger" .. "right little finger", "thumb", "-".
  static std::string FingerName(int Finger);
  // Label of the modifier key needed for Ch ("Shift"), empty when none.
  std::string ModifierName(char Ch) const;
  // The label of a slot as shown: "Tab", "Enter", "Back", "Space" for those
  // keys, the first of several alternatives, else the label itself.
  static std::string KeyCaption(const TKeyInfoExt& Key, int Slot);
  // The dead key's accent and the plain letter that type Ch on this
  // layout; false when Ch has a key of its own or no dead key composes it.
  bool DeadKeyStroke(char Ch, char& Accent, char& Letter) const;
  // A dead key was pressed (0: the next character was typed): a letter
  // waiting for it is shown and fingered as its plain letter from now on.
  void SetPendingDeadKey(char Accent) { PendingDeadKey = Accent; }
  // The character whose key shows the way to Ch: Ch itself, or for a dead
  // key stroke the accent, then (once its dead key is down) the letter.
  char KeyShowing(char Ch) const;
  // With CommaDot 1, "," and "." become the main character of their key.
  char TranslateCommaDot(char Ch) const;

  // Marks. Each returns the keys whose marks changed, for redrawing.
  // Clears all marks, crosses out the keys (and modifiers) of WrongOnes and
  // lights the keys (and modifiers) of Next.
  std::vector<TKeyInfoExt*> ShowKeys(std::string_view Next, std::string_view WrongOnes);
  // Every lit or crossed-out key loses both marks.
  std::vector<TKeyInfoExt*> ClearMarks();
  // Learned only on the keys typing the characters of Text.
  void SetLearnedKeys(std::string_view Text);
  void SetAllLearned();
  // The key typing Ch is pressed, any other is released.
  std::vector<TKeyInfoExt*> PressKey(char Ch);

  int LastX = 0;
  int LastY = 0;
  int LastHeight = 0;
  int LastWidth = 0;
  int CommaDot = 0;
  int DefaultWidth = 0;
  int DefaultHeight = 0;
  std::vector<std::unique_ptr<TKeyInfoExt>> Keys;
  std::array<TKeyInfoExt*, kKeyLabelSlots> LeftModifiers{};
  std::array<TKeyInfoExt*, kKeyLabelSlots> RightModifiers{};
  int LabelHeight = 12;
  int SmallLabelHeight = 10;
  int CornerLabelHeight = 8;
  // The labels that are dead keys on this layout, and the one pressed last.
  std::string DeadKeys;
  char PendingDeadKey = 0;

  // What the last load had to say, one "file:line: text" per entry (the
  // serious ones were also reported as errors unless Quiet).
  std::vector<std::string> Messages;
  // Collect messages without reporting them (the admin tool lists them).
  bool Quiet = false;
};

// The program-wide keyboard layout.
TKeyDataExt& KeyData();

}  // namespace tq
