#include "core/review/revision_builder.h"

#include <algorithm>
#include <utility>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/review/key_sets.h"
#include "core/shell/errors.h"
#include "core/shell/random.h"
#include "core/shell/strings.h"

namespace tq {

namespace {

int Int16At(const unsigned char* p) {
  return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

std::string PickFile(std::string_view dir, std::string_view wizardName,
                     std::string_view defaultWizard, std::string_view extension) {
  std::string own = std::string(dir) + std::string(wizardName) + std::string(extension);
  if (!wizardName.empty() && FileExists(own)) return own;
  return std::string(dir) + std::string(defaultWizard) + std::string(extension);
}

}  // namespace

ReviewMaterial ChooseReviewMaterial(std::string_view dir, std::string_view wizardName,
                                    std::string_view defaultWizard) {
  return {PickFile(dir, wizardName, defaultWizard, ".hdr"),
          PickFile(dir, wizardName, defaultWizard, ".dta")};
}

int ReadReviewIndex(std::string_view fileName, std::vector<ReviewIndexRecord>& records,
                    int& totalRecords) {
  records.clear();
  totalRecords = 0;
  TRecFile file;
  const int status = file.Open(fileName, 1, TRecFile::kShareDenyWrite);
  if (status != kFileGood) return status;
  const int64_t whole = file.RecordCount(kReviewIndexRecordSize);
  totalRecords = static_cast<int>(std::min<int64_t>(whole, 1 << 30));
  const int held = std::min(totalRecords, kReviewIndexMax);
  std::string buffer(static_cast<std::size_t>(held * kReviewIndexRecordSize), '\0');
  const int read = file.ReadBytes(buffer.data(), static_cast<int64_t>(buffer.size()));
  file.Close();
  if (read != kFileGood) return read == kFileEnd ? kFileReadError : read;
  const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data());
  for (int i = 0; i < held; ++i) {
    const unsigned char* p = bytes + i * kReviewIndexRecordSize;
    records.push_back({Int16At(p), Int16At(p + 2), Int16At(p + 4), Int16At(p + 6), Int16At(p + 8)});
  }
  return kFileGood;
}

void ShuffleList(std::vector<std::string>& list) {
  for (std::size_t i = list.size(); i > 1; --i) {
    const auto j = static_cast<std::size_t>(RandomInt(static_cast<int>(i)));
    std::swap(list[i - 1], list[j]);
  }
}

TRevisionBuilder::TRevisionBuilder(std::string indexFileName, std::string dataFileName)
    : IndexFileName(std::move(indexFileName)), DataFileName(std::move(dataFileName)) {}

int TRevisionBuilder::FindWords(std::string_view keys, int lesson, int maxCount) {
  const int found = Find(keys, lesson, maxCount, kReviewWords);
  const std::string caps = KeepCapitals(keys);
  if (caps.empty()) return found;
  for (std::string& word : Results) {
    if (word.empty()) continue;
    if (caps.find(AnsiUpper(word[0])) != std::string::npos) word = CapitalizeWord(word);
  }
  return found;
}

int TRevisionBuilder::FindSentences(std::string_view keys, int lesson, int maxCount) {
  const int found = Find(keys, lesson, maxCount, kReviewSentences);
  const std::string caps = KeepCapitals(keys);
  if (!caps.empty())
    for (std::string& s : Results) s = CapitalizeSentence(s, caps);
  if (Keys.find('.') != std::string::npos) {
    for (std::string& s : Results)
      if (s.size() > 3 && std::string_view(",.!?-").find(s.back()) == std::string_view::npos)
        s += '.';
  }
  return found;
}

int TRevisionBuilder::Find(std::string_view keys, int lesson, int maxCount, int kind) {
  Keys = Unique(AnsiLowerCase(keys));
  Lesson = lesson;
  Results.clear();

  std::vector<ReviewIndexRecord> index;
  int total = 0;
  int status = ReadReviewIndex(IndexFileName, index, total);
  if (status != kFileGood) {
    ReportError(status, IndexFileName);
    return 0;
  }
  if (total > kReviewIndexMax && !tooLongReported_) {
    tooLongReported_ = true;
    ReportError(kErrorPlain, Str(kStrReviewIndexTooLong) + IndexFileName);
  }
  TRecFile data;
  status = data.Open(DataFileName, 1, TRecFile::kShareDenyWrite);
  if (status != kFileGood) {
    ReportError(status, DataFileName);
    return 0;
  }
  const int64_t entries = data.RecordCount(kReviewEntrySize);
  bool outside = false;
  char record[kReviewEntrySize];
  for (char k : Keys) {
    int read = 0;
    for (const ReviewIndexRecord& r : index) {
      if (r.Character != static_cast<unsigned char>(k) || r.Kind != kind || r.Lesson > Lesson)
        continue;
      if (r.First < 0 || r.Count < 0 || r.First + static_cast<int64_t>(r.Count) > entries) {
        outside = true;
        continue;
      }
      std::vector<std::string> found;
      found.reserve(static_cast<std::size_t>(r.Count));
      data.Seek(r.First, kReviewEntrySize);
      for (int i = 0; i < r.Count; ++i) {
        if (data.ReadBytes(record, kReviewEntrySize) != kFileGood) break;
        const auto length = static_cast<unsigned char>(record[0]);
        Entry.assign(record + 1, length);
        found.push_back(Entry);
      }
      ShuffleList(found);
      const std::size_t take =
          std::min(found.size(), static_cast<std::size_t>(std::max(0, maxCount)));
      Results.insert(Results.end(), found.begin(),
                     found.begin() + static_cast<std::ptrdiff_t>(take));
      read += r.Count;
      if (read >= maxCount) break;
    }
  }
  data.Close();
  if (outside) ReportError(kErrorPlain, Str(kStrReviewIndexOutside) + IndexFileName);
  return static_cast<int>(Results.size());
}

}  // namespace tq
