#pragma once
// TRevisionBuilder: finds words and crazy sentences for a key set in a
// course's review material.
//
// The material is a pair of files with a common base name, both plain
// binary without a header, little-endian:
//
//   <base>.hdr  the index: records of 10 bytes, read to the end of the file
//       +0  int16  character code (the key the entries practise)
//       +2  int16  lesson: the lesson by which all letters of the entries
//                  are learned
//       +4  int16  kind: 1 words, 2 crazy sentences
//       +6  int16  first entry number in the data file
//       +8  int16  entry count
//   <base>.dta  the entries: records of 256 bytes, each a short string (one
//               length byte, then up to 255 characters, padded with zeros);
//               entry n starts at offset n * 256.
//
// A short index file ends at its last whole record (a cut record is
// ignored). Only the first 200 records are held: the rest are ignored and
// reported once, naming the file. A record whose entries do not lie wholly
// inside the data file (a negative first or count, or a data file shorter
// than the record claims) is skipped and reported once per search; nothing is
// ever read outside the data file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

struct ReviewIndexRecord {
  int Character = 0;
  int Lesson = 0;
  int Kind = 0;
  int First = 0;
  int Count = 0;
};

constexpr int kReviewWords = 1;
constexpr int kReviewSentences = 2;
constexpr int kReviewIndexMax = 200;
constexpr int kReviewIndexRecordSize = 10;
constexpr int kReviewEntrySize = 256;

// The material files for a course: the course's wizard name where its file
// exists in `dir`, otherwise the default wizard; chosen per file. `dir` is
// empty or ends with a separator.
struct ReviewMaterial {
  std::string IndexFileName;
  std::string DataFileName;
};
ReviewMaterial ChooseReviewMaterial(std::string_view dir, std::string_view wizardName,
                                    std::string_view defaultWizard);

// Reads an index file: its records (at most 200) and how many it held in all.
// Returns the open status of the file (1 when read).
int ReadReviewIndex(std::string_view fileName, std::vector<ReviewIndexRecord>& records,
                    int& totalRecords);

class TRevisionBuilder {
 public:
  TRevisionBuilder(std::string indexFileName, std::string dataFileName);

  // Fill Results and return how many were found.
  int FindWords(std::string_view keys, int lesson, int maxCount);
  int FindSentences(std::string_view keys, int lesson, int maxCount);

  std::string Keys;
  int Lesson = 0;
  std::string Entry;
  std::string IndexFileName;
  std::string DataFileName;
  std::vector<std::string> Results;

 private:
  int Find(std::string_view keys, int lesson, int maxCount, int kind);
  bool tooLongReported_ = false;
};

// The shared shuffle of word lists: every order equally likely.
void ShuffleList(std::vector<std::string>& list);

}  // namespace tq
