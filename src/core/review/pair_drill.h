#pragma once
// The review wizard's letter-pair option: the student's slowest letter pairs
// among the studied keys, and a word drill of words rich in them. The words
// come from the course's review material (every word entry up to the
// lesson) and from the word lists of the program directory; a word is used
// only when it is made of studied keys alone.

#include <string>
#include <string_view>
#include <vector>

#include "core/records/letter_pairs.h"
#include "core/review/builder_event.h"

namespace tq {

class TRevisionBuilder;

// The pairs the wizard offers: the eight slowest of two studied letters.
std::vector<SlowPair> OfferedPairs(const TLetterPairs& pairs, std::string_view studiedKeys);
// "th er in": the pairs as the wizard page lists them.
std::string PairsText(const std::vector<SlowPair>& pairs);
// The letters of the pairs, each once: the keys the results page compares.
std::string PairLetters(const std::vector<SlowPair>& pairs);

// How often the pairs occur in a word ("there" holds "th", "he" and "er").
int PairHits(std::string_view word, const std::vector<SlowPair>& pairs);

// The drill's words: for each pair, slowest first, up to `perPair` words
// that hold it and were not chosen for an earlier pair; the words with the
// most pair hits first, among equals the shorter, among those in the order
// given. Only words of studied keys count, each once.
std::vector<std::string> ChoosePairWords(const std::vector<std::string>& candidates,
                                         const std::vector<SlowPair>& pairs,
                                         std::string_view studiedKeys, int perPair);

// The words to choose from, shuffled: the material's word entries up to
// `lesson` for the studied letters, then the words of the word files.
std::vector<std::string> PairDrillCandidates(TRevisionBuilder& builder,
                                             std::string_view studiedKeys, int lesson,
                                             const std::vector<std::string>& wordFiles);

// The word lists of the program directory ("*.vcb"), as file names.
std::vector<std::string> WordListFiles();

// The word drill for the pairs. With no pairs or no words it says so
// through the host and builds None.
BuiltReview BuildPairReview(const CourseKeys& course, int lesson,
                            const std::vector<SlowPair>& pairs, TRevisionBuilder& builder,
                            const std::vector<std::string>& wordFiles);

}  // namespace tq
