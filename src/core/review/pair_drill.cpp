#include "core/review/pair_drill.h"

#include <algorithm>
#include <set>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/games/word_supply.h"
#include "core/review/key_sets.h"
#include "core/review/revision_builder.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

// Every word entry of the material up to the lesson, however many.
constexpr int kAllEntries = 1 << 20;

bool OfStudiedKeys(std::string_view word, std::string_view studiedKeys) {
  if (word.size() < 2) return false;
  for (char c : word)
    if (!IsAnsiLetter(c) || studiedKeys.find(c) == std::string_view::npos) return false;
  return true;
}

bool Holds(std::string_view word, std::string_view pair) {
  return word.find(pair) != std::string_view::npos;
}

}  // namespace

std::vector<SlowPair> OfferedPairs(const TLetterPairs& pairs, std::string_view studiedKeys) {
  // Without studied keys nothing is learned yet, so nothing can be drilled.
  if (studiedKeys.empty()) return {};
  return pairs.SlowestPairs(TLetterPairs::kSlowCount, studiedKeys);
}

std::string PairsText(const std::vector<SlowPair>& pairs) {
  std::string text;
  for (const SlowPair& p : pairs) text += (text.empty() ? "" : " ") + p.Letters;
  return text;
}

std::string PairLetters(const std::vector<SlowPair>& pairs) {
  std::string letters;
  for (const SlowPair& p : pairs) letters += p.Letters;
  return Unique(letters);
}

int PairHits(std::string_view word, const std::vector<SlowPair>& pairs) {
  int hits = 0;
  for (std::size_t i = 1; i < word.size(); ++i)
    for (const SlowPair& p : pairs)
      if (word[i - 1] == p.Letters[0] && word[i] == p.Letters[1]) ++hits;
  return hits;
}

std::vector<std::string> ChoosePairWords(const std::vector<std::string>& candidates,
                                         const std::vector<SlowPair>& pairs,
                                         std::string_view studiedKeys, int perPair) {
  struct Scored {
    std::string word;
    int hits;
  };
  std::vector<Scored> usable;
  std::set<std::string> seen;
  for (const std::string& word : candidates) {
    if (!OfStudiedKeys(word, studiedKeys) || !seen.insert(word).second) continue;
    const int hits = PairHits(word, pairs);
    if (hits > 0) usable.push_back({word, hits});
  }
  std::stable_sort(usable.begin(), usable.end(), [](const Scored& a, const Scored& b) {
    if (a.hits != b.hits) return a.hits > b.hits;
    return a.word.size() < b.word.size();
  });
  std::vector<std::string> chosen;
  std::vector<bool> taken(usable.size(), false);
  for (const SlowPair& pair : pairs) {
    int count = 0;
    for (std::size_t i = 0; i < usable.size() && count < perPair; ++i) {
      if (taken[i] || !Holds(usable[i].word, pair.Letters)) continue;
      taken[i] = true;
      chosen.push_back(usable[i].word);
      ++count;
    }
  }
  return chosen;
}

std::vector<std::string> PairDrillCandidates(TRevisionBuilder& builder,
                                             std::string_view studiedKeys, int lesson,
                                             const std::vector<std::string>& wordFiles) {
  const std::string letters = Unique(AnsiLowerCase(KeepLetters(studiedKeys)));
  std::vector<std::string> words;
  if (!letters.empty()) {
    builder.FindWords(letters, lesson, kAllEntries);
    words = builder.Results;
  }
  for (const std::string& file : wordFiles) {
    WordSupply list;
    list.LoadWords(file);
    words.insert(words.end(), list.Words().begin(), list.Words().end());
  }
  ShuffleList(words);
  return words;
}

std::vector<std::string> WordListFiles() {
  std::vector<std::string> files;
  for (const std::string& name : ListFiles("*.vcb")) files.push_back(name + ".vcb");
  return files;
}

BuiltReview BuildPairReview(const CourseKeys& course, int lesson,
                            const std::vector<SlowPair>& pairs, TRevisionBuilder& builder,
                            const std::vector<std::string>& wordFiles) {
  BuiltReview built;
  if (pairs.empty()) {
    GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle),
                          Str(kStrReviewNoSlowPairs));
    return built;
  }
  const std::string studied = course.StudiedKeys(lesson);
  const std::vector<std::string> words =
      ChoosePairWords(PairDrillCandidates(builder, studied, lesson, wordFiles), pairs, studied,
                      WordsPerKey(static_cast<int>(pairs.size())));
  if (words.empty()) {
    GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle),
                          Str(kStrReviewNoPairWords) + PairsText(pairs));
    return built;
  }
  built.Type = BuiltReview::WordDrill;
  built.EventLine = "Event;Word;0;Nil";
  built.Lines = words;
  // Pairs of one letter group come one after the other otherwise.
  ShuffleList(built.Lines);
  built.KnownKeys = studied;
  return built;
}

}  // namespace tq
