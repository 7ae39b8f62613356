#include "core/records/top_ten.h"

#include <algorithm>
#include <utility>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/busy_retry.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

std::string Today() {
  Host& host = GetHost();
  return ShortStr(host.ShortDateText(host.Now()));
}

std::size_t Slot(int place) {
  return static_cast<std::size_t>(place);
}

}  // namespace

TTopTenEntry TtopTen::DefaultEntry(int place) {
  TTopTenEntry e;
  e.Name = Str(kStrProgramTitle);
  e.Date = Today();
  e.Score = place <= 10 ? 1000 - 70 * place : 300 - 2 * place;
  return e;
}

TtopTen::TtopTen() {
  for (int i = 1; i <= kMaxPlaces; ++i) Entries[Slot(i)] = DefaultEntry(i);
}

int TtopTen::Open(TRecFile& file, int share) {
  BusyRetry retry;
  retry.question = Str(kStrTopTenBusy) + Str(kStrTopTenTryAgain);
  int result = OpenWithRetry(file, FileName, share, retry);
  if (result == kFileOpenFailed)
    ReportError(
        share == TRecFile::kShareDenyWrite ? kErrorTimeOutDenyWrite : kErrorTimeOutExclusive,
        tableName_ + Str(kStrTopTenOpenFailed));
  return result;
}

int TtopTen::LoadTable(std::string_view tableName) {
  tableName_ = std::string(tableName);
  FileName = ShortStr(IncludeTrailingBackslash(Settings().DataPath) + tableName_ + ".klt");
  TRecFile file;
  int result = Open(file, TRecFile::kShareDenyWrite);
  // Places beyond the hundred the table holds are not read.
  if (result == kFileGood && file.RecordCount(kRecordSize) >= 1)
    Count = static_cast<int32_t>(std::min<int64_t>(file.RecordCount(kRecordSize), kMaxPlaces));
  if (result != kFileGood) {
    for (int i = 1; i <= Count; ++i) Entries[Slot(i)] = DefaultEntry(i);
  } else {
    // A short file leaves the places it does not reach as they were.
    for (int i = 1; i <= Count; ++i) {
      TTopTenEntry& e = Entries[Slot(i)];
      int32_t score = e.Score;
      file.ReadShortString(e.Name, 255);
      if (file.ReadSmallInt(score) == kFileGood) e.Score = score;
      file.ReadShortString(e.Date, 255);
    }
  }
  file.Close();
  return result;
}

int TtopTen::SaveTable(int newCount) {
  CreateIfMissing(FileName);
  TRecFile file;
  int result = Open(file, TRecFile::kShareExclusive);
  if (newCount > 0) Count = std::min(newCount, kMaxPlaces);
  if (result == kFileGood) {
    for (int i = 1; i <= Count; ++i) {
      const TTopTenEntry& e = Entries[Slot(i)];
      file.WriteString255(e.Name);
      // The field is 16 bits: a higher score is kept at the highest it can hold.
      file.WriteWord(static_cast<uint16_t>(std::clamp<int32_t>(e.Score, -32768, 32767)));
      file.WriteString255(e.Date);
    }
  }
  file.Close();
  return result;
}

int TtopTen::AddScore(std::string_view name, int32_t score) {
  if (Count < 1 || Count > kMaxPlaces) return 0;
  TTopTenEntry entry{ShortStr(name), score, Today()};
  if (Entries[Slot(Count)].Score > score) return 0;
  Entries[Slot(Count)] = entry;
  int place = Count;
  // Only strictly greater scores move up, so an equal score stays below.
  for (int i = Count; i >= 1; --i)
    for (int j = i - 1; j >= 1; --j)
      if (Entries[Slot(i)].Score > Entries[Slot(j)].Score) {
        std::swap(Entries[Slot(i)], Entries[Slot(j)]);
        if (Entries[Slot(j)].Score == score && Entries[Slot(j)].Name == entry.Name) place = j;
      }
  return place;
}

void TtopTen::SetName(int place, std::string_view name) {
  if (place >= 1 && place <= Count) Entries[Slot(place)].Name = ShortStr(name);
}

std::vector<std::string> TtopTen::GetLines(int n) {
  if (n == 0) n = Count;
  n = std::clamp(n, 0, kMaxPlaces);
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) {
    TTopTenEntry& e = Entries[Slot(i)];
    // ";" separates the fields of a line.
    if (e.Name.find(';') != std::string::npos) e.Name = Str(kStrTheWinner);
    lines.push_back(ShortStr(e.Name + ";" + IntToStr(e.Score) + ";" + e.Date));
  }
  return lines;
}

}  // namespace tq
