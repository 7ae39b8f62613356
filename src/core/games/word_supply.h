#pragma once
// The words a game hands out: read from a word file (one word a line,
// surrounding blanks and tabs stripped, empty lines skipped) or handed over
// as a list, given out in shuffled passes. Each pass reshuffles; the shuffle
// never moves the last word of the list. An empty supply gives "n/a".

#include <string>
#include <string_view>
#include <vector>

#include "core/games/game_common.h"

namespace tq {

class WordSupply {
 public:
  static constexpr std::size_t kMaxWordLength = 255;
  // A word file is read up to this many words; the rest is ignored.
  static constexpr std::size_t kMaxWords = 20000;

  // Reads the word file; a file that is missing or does not open leaves the
  // supply empty. An empty name does nothing. Returns the number of words.
  int LoadWords(const std::string& fileName);
  // Replaces the supply; the next word starts a fresh shuffled pass.
  void SetWords(const std::vector<std::string>& words);
  // The next word, lower-cased when asked; "n/a" when the supply is empty.
  std::string NextWord(bool lowerCase, GameRandom& random);

  const std::vector<std::string>& Words() const { return words_; }
  int WordIndex() const { return index_; }
  const std::string& CurrentWord() const { return current_; }

 private:
  std::vector<std::string> words_;
  int index_ = 0;
  std::string current_;
};

// Exchanges each item but the last with a random one of the items before the
// last; lists of fewer than two items stay as they are.
void ShuffleWords(std::vector<std::string>& words, GameRandom& random);

// The words of a file body: one a line, blanks and tabs stripped, empty lines
// and lines that are not text (holding a zero byte) skipped, each cut to 255
// characters.
std::vector<std::string> SplitWordLines(std::string_view body);

}  // namespace tq
