#pragma once
// Accented letters typed with a dead key: the accent's key first (it types
// nothing by itself), then the plain letter, which arrives as the one
// accented character. A blank after the dead key types the accent itself.
// Characters are Windows-1252; the accents are ` ´ ^ ~ ¨ ° ¸.

#include <string>

namespace tq {

// The character a dead key's accent and a following key compose; 0 when
// the pair composes nothing.
char ComposeDeadKey(char accent, char letter);

// The accent and plain letter an accented character is composed of; false
// for a character that no dead key composes.
bool DecomposeAccented(char ch, char& accent, char& letter);

// What a dead key followed by a key types: the composed character, the
// accent itself after a blank, otherwise the accent and then the key.
std::string ComposeAfterDeadKey(char accent, char key);

}  // namespace tq
