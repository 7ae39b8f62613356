#include "core/games/word_supply.h"

#include <utility>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// A relative name is looked for as given, then in the program directory.
std::string FindWordFile(const std::string& name) {
  if (FileExists(name)) return name;
  std::string inProgram = Settings().ProgramDir() + name;
  if (FileExists(inProgram)) return inProgram;
  return name;
}

}  // namespace

std::vector<std::string> SplitWordLines(std::string_view body) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < body.size() && words.size() < WordSupply::kMaxWords) {
    std::size_t end = body.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = body.size();
    std::string_view line = body.substr(pos, end - pos);
    pos = end + 1;
    if (line.size() > WordSupply::kMaxWordLength) line = line.substr(0, WordSupply::kMaxWordLength);
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    if (line.empty() || line.find('\0') != std::string_view::npos) continue;
    words.emplace_back(line);
  }
  return words;
}

void ShuffleWords(std::vector<std::string>& words, GameRandom& random) {
  const int count = static_cast<int>(words.size());
  if (count < 2) return;
  for (int i = 0; i <= count - 2; ++i) std::swap(words[i], words[random.Int(count - 1)]);
}

int WordSupply::LoadWords(const std::string& fileName) {
  if (fileName.empty()) return 0;
  TTextFile file;
  if (file.Open(FindWordFile(fileName), 1) != kFileGood) return 0;
  std::string body;
  const int status = file.ReadAll(body);
  file.Close();
  if (status < 0) return 0;
  words_ = SplitWordLines(body);
  index_ = static_cast<int>(words_.size());
  return index_;
}

void WordSupply::SetWords(const std::vector<std::string>& words) {
  words_ = words;
  index_ = static_cast<int>(words_.size());
}

std::string WordSupply::NextWord(bool lowerCase, GameRandom& random) {
  if (words_.empty()) return current_ = Str(kStrGameNoWord);
  ++index_;
  if (index_ < 0 || index_ >= static_cast<int>(words_.size())) {
    ShuffleWords(words_, random);
    index_ = 0;
  }
  std::string word = words_[index_];
  if (lowerCase) word = AnsiLowerCase(word);
  if (word.size() > kMaxWordLength) word.resize(kMaxWordLength);
  return current_ = word;
}

}  // namespace tq
