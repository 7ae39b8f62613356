#include "core/records/user.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/files/ansi.h"
#include "core/files/ansi_collate.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/busy_retry.h"
#include "core/records/coaching_file.h"
#include "core/records/letter_pairs.h"
#include "core/records/sign_in_marker.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr int64_t kRecordSize = TUser::UserRecordSize;
constexpr int64_t kOldRecordSize = TUser::OldUserRecordSize;
constexpr int kTableHigh = TUser::kChapters - 1;  // ReadWideArray takes the high index

// ---- field helpers: int16 from the low 16 bits, tenths, chapter tables ----

void PutSmall(TRecFile& f, int32_t v) {
  f.WriteWord(static_cast<uint16_t>(v));
}

int32_t ToTenths(float v) {
  double t = static_cast<double>(v) * 10.0;
  if (!std::isfinite(t)) t = 0;
  return static_cast<int32_t>(RoundEven(std::clamp(t, -2147483648.0, 2147483647.0)));
}

void GetSmall(TRecFile& f, int32_t& v) {
  f.ReadSmallInt(v);
}

void GetTenths(TRecFile& f, float& v) {
  int32_t t = 0;
  if (f.ReadSmallInt(t) == kFileGood) v = static_cast<float>(t) / 10.0f;
}

template <typename T, typename Conv>
void PutTable(TRecFile& f, const std::array<T, TUser::kChapters + 1>& a, Conv conv) {
  std::vector<uint16_t> w(TUser::kChapters);
  for (int c = 1; c <= TUser::kChapters; ++c)
    w[static_cast<std::size_t>(c - 1)] =
        static_cast<uint16_t>(conv(a[static_cast<std::size_t>(c)]));
  f.WriteWideArray(w, kTableHigh);
}

void GetIntTable(TRecFile& f, std::array<int32_t, TUser::kChapters + 1>& a) {
  std::vector<uint16_t> w;
  if (f.ReadWideArray(w, kTableHigh) != kFileGood) return;
  for (int c = 1; c <= TUser::kChapters; ++c)
    a[static_cast<std::size_t>(c)] = static_cast<int16_t>(w[static_cast<std::size_t>(c - 1)]);
}

void GetTenthsTable(TRecFile& f, std::array<float, TUser::kChapters + 1>& a) {
  std::vector<uint16_t> w;
  if (f.ReadWideArray(w, kTableHigh) != kFileGood) return;
  for (int c = 1; c <= TUser::kChapters; ++c)
    a[static_cast<std::size_t>(c)] =
        static_cast<float>(static_cast<int16_t>(w[static_cast<std::size_t>(c - 1)])) / 10.0f;
}

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string TimeText(int32_t minutes, int unknownId, int minutesId, int hoursId) {
  if (minutes < 1) return Str(unknownId);
  std::string text;
  if (minutes >= 60) text = IntToStr(minutes / 60) + Str(hoursId);
  return text + IntToStr(minutes % 60) + Str(minutesId);
}

void Warn(const std::string& text) {
  GetHost().ShowMessage(MessageKind::Warning, Str(kStrWarning), text);
}

void Inform(const std::string& text) {
  GetHost().ShowMessage(MessageKind::Information, Str(kStrInformation), text);
}

// Calls visit(index, name) for each whole record in order until it returns
// true. Names are read a block of records at a time: on a network share one
// large read costs far less than a small read per student. Returns the state
// of the last read (1, or where a read came up short).
template <typename Visit>
int ForEachName(TRecFile& file, Visit visit) {
  constexpr int64_t kBlock = 32;
  const int64_t count = file.RecordCount(kRecordSize);
  std::string block;
  for (int64_t first = 0; first < count; first += kBlock) {
    const int64_t n = std::min(kBlock, count - first);
    block.resize(static_cast<std::size_t>(n * kRecordSize));
    if (file.Seek(first, kRecordSize) != 1) return kFileReadError;
    int state = file.ReadBytes(block.data(), n * kRecordSize);
    if (state != kFileGood) return state;
    for (int64_t i = 0; i < n; ++i) {
      const char* record = block.data() + i * kRecordSize;
      std::string_view name(record + 1, static_cast<unsigned char>(record[0]));
      if (visit(first + i, name)) return kFileGood;
    }
  }
  return kFileGood;
}

// The record of a name (compared upper-cased, 1252 letters) among the whole
// records; -1 when absent or when a read comes up short.
int64_t FindRecord(TRecFile& file, std::string_view name) {
  const std::string wanted = AnsiUpperCase(ShortStr(name));
  int64_t found = -1;
  ForEachName(file, [&](int64_t i, std::string_view stored) {
    if (stored.size() == wanted.size() && AnsiUpperCase(stored) == wanted) found = i;
    return found >= 0;
  });
  return found;
}

enum class BaseSize { kCurrent, kPrevious, kUnknown };

// A size of whole current records is this version's base; whole records of
// the previous size are an old base to convert; anything else is reported
// and used over its whole records.
BaseSize CheckBaseSize(const TRecFile& file) {
  if (file.IsWholeRecords(kRecordSize)) return BaseSize::kCurrent;
  if (file.IsWholeRecords(kOldRecordSize)) return BaseSize::kPrevious;
  ReportError(kErrorUserbaseVersion, file.FileName);
  return BaseSize::kUnknown;
}

// Opens the base for reading with the messages of a failed look-up; false
// when there is nothing to read (the file is closed then).
bool OpenForReading(TRecFile& file) {
  int result = TUser::OpenUserbase(file, -2);
  if (result == kFileNotFound) {
    Warn(Str(kStrUserbaseMissing));
    return false;
  }
  if (result != kFileGood) {
    Warn(Str(kStrUserbaseNotOpen));
    file.Close();
    return false;
  }
  if (CheckBaseSize(file) == BaseSize::kPrevious) {
    file.Close();
    TUser::ConvertUserbase();
    return false;
  }
  return true;
}

std::unique_ptr<TUser>& CurrentSlot() {
  static std::unique_ptr<TUser> user;
  return user;
}

std::function<void()>& QuitHandler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

// ---- construction and progress ----

TUser::TUser(std::string_view name, bool ownKeys) : Name(ShortStr(name)) {
  if (ownKeys) ownKeys_ = std::make_unique<TDifficultKeys>();
  keys_ = ownKeys ? ownKeys_.get() : &tq::DifficultKeys();
  const TProgramSettings& settings = Settings();
  Sounds = settings.PlaySounds ? 1 : 0;
  LessonDuration = settings.LessonDuration == -1 ? 45 : settings.LessonDuration;
  ResetProgress();
}

void TUser::ResetProgress() {
  BookMark.Clear();
  WordLoop = 3;
  WordMaxLoop = 5;
  ChapterCount = 0;
  StudyMinutes = 0;
  LessonMinutes = 0;
  KeyLevel = 1;
  Chapter = 0;
  Exercise = 0;
  LastSpeed = LastEfficiency = LastRhythm = -1;
  LastAccuracy = -1.0f;
  KeyGroups.clear();
  // -1 means "no result yet" in every table; the seconds and rhythm are
  // stored as 65535, which reads back as -1.
  ChapterExercise.fill(0);
  for (auto& row : ExerciseDone) row.fill(0);
  ChapterEfficiency.fill(-1.0f);
  ChapterAccuracy.fill(-1.0f);
  ChapterSpeed.fill(-1.0f);
  ChapterSeconds.fill(-1);
  ChapterRhythm.fill(-1);
}

void TUser::RaiseKeyLevel(int level) {
  KeyLevel = std::max(KeyLevel, level);
}

int TUser::AddKeyGroup(std::string_view keys) {
  KeyGroups.emplace_back(keys);
  return static_cast<int>(KeyGroups.size());
}

std::string TUser::GetKeyGroup(int number) const {
  if (number < 1 || number > static_cast<int>(KeyGroups.size())) return {};
  return KeyGroups[static_cast<std::size_t>(number - 1)];
}

std::string TUser::GetKeys(int level) const {
  if (KeyGroups.empty()) return Str(kStrAllLetters);
  level = std::min(level, static_cast<int>(KeyGroups.size()));
  std::string keys;
  for (int i = 0; i < level; ++i) keys += KeyGroups[static_cast<std::size_t>(i)];
  return ShortStr(keys);
}

int TUser::GetProgress() const {
  if (ChapterCount <= 0) return 0;
  // A chapter counts as 8 exercises here.
  double p = ((Chapter - 1) + Exercise / 8.0) / ChapterCount * 100.0;
  return static_cast<int>(std::clamp<int64_t>(RoundEven(std::clamp(p, -1.0, 101.0)), 0, 100));
}

int TUser::GetRemainingMinutes() const {
  int progress = GetProgress();
  if (progress == 0) return 0;
  return static_cast<int>(RoundEven((100.0 - progress) * StudyMinutes / progress));
}

std::string TUser::GetRemainingTimeText() const {
  return TimeText(GetRemainingMinutes(), kStrRemainingUnknown, kStrRemainingMinutes,
                  kStrRemainingHours);
}

std::string TUser::GetStudyTimeText() const {
  return TimeText(StudyMinutes, kStrStudyUnknown, kStrStudyMinutes, kStrStudyHours);
}

bool TUser::IsExerciseDone(int chapter, int exercise) const {
  return HasExerciseSlot(chapter, exercise) &&
         ExerciseDone[static_cast<std::size_t>(chapter)][static_cast<std::size_t>(exercise)] != 0;
}

void TUser::SetExerciseDone(int chapter, int exercise, bool done) {
  if (HasExerciseSlot(chapter, exercise))
    ExerciseDone[static_cast<std::size_t>(chapter)][static_cast<std::size_t>(exercise)] =
        done ? 1 : 0;
}

void TUser::AddChapterSeconds(int chapter, int32_t seconds) {
  if (!HasChapterSlot(chapter)) return;
  int32_t& stored = ChapterSeconds[static_cast<std::size_t>(chapter)];
  // A negative value is "no time yet" (-1 from a reset), not a debt: the
  // first stay in a lesson starts from nothing.
  const int32_t before = std::max<int32_t>(0, static_cast<int16_t>(stored));
  stored = std::min<int32_t>(kMaxChapterSeconds, before + seconds);
}

bool TUser::IsVisitor(std::string_view name) {
  return AnsiUpperCase(name) == kVisitorName;
}

void TUser::AdoptSharedKeys() {
  keys_ = &tq::DifficultKeys();
  ownKeys_.reset();
}

// ---- the record ----

void TUser::WriteRecord(TRecFile& file) {
  file.WriteString255(Name);
  file.WriteString255(Contents);
  for (int32_t v : {Sounds, LargeFont, LessonDuration, StudyMinutes, LessonMinutes, KeyLevel})
    PutSmall(file, v);
  file.WriteInteger(StoryChoice);
  file.WriteString255(StoryText);
  PutSmall(file, Exercise);
  PutSmall(file, Chapter);
  PutTable(file, ChapterExercise, [](int32_t v) { return v; });
  PutSmall(file, LastSpeed);
  PutSmall(file, LastEfficiency);
  PutSmall(file, ToTenths(LastAccuracy));
  PutSmall(file, LastRhythm);
  char done[kChapters * kExercises];
  for (int c = 1; c <= kChapters; ++c)
    for (int e = 1; e <= kExercises; ++e)
      done[(c - 1) * kExercises + (e - 1)] =
          static_cast<char>(ExerciseDone[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)]);
  file.WriteBytes(done, sizeof done);
  PutTable(file, ChapterEfficiency, ToTenths);
  PutTable(file, ChapterAccuracy, ToTenths);
  PutTable(file, ChapterSpeed, ToTenths);
  PutTable(file, ChapterSeconds, [](int32_t v) { return v; });
  PutTable(file, ChapterRhythm, [](int32_t v) { return v; });
  PutSmall(file, Spare);
  BookMark.SaveToFile(file);
  // Saving folds the keystrokes of the running event, so the record always
  // holds up-to-date statistics.
  keys_->SaveToRecord(file);
}

int TUser::ReadRecord(TRecFile& file) {
  return ReadFields(file, false);
}
int TUser::ReadOldRecord(TRecFile& file) {
  return ReadFields(file, true);
}

int TUser::ReadFields(TRecFile& file, bool oldVersion) {
  file.ReadShortString(Name, 255);
  file.ReadShortString(Contents, 255);
  for (int32_t* v :
       {&Sounds, &LargeFont, &LessonDuration, &StudyMinutes, &LessonMinutes, &KeyLevel})
    GetSmall(file, *v);
  file.ReadInteger(StoryChoice);
  file.ReadShortString(StoryText, 255);
  GetSmall(file, Exercise);
  GetSmall(file, Chapter);
  GetIntTable(file, ChapterExercise);
  GetSmall(file, LastSpeed);
  GetSmall(file, LastEfficiency);
  GetTenths(file, LastAccuracy);
  GetSmall(file, LastRhythm);
  char done[kChapters * kExercises];
  if (file.ReadBytes(done, sizeof done) == kFileGood)
    for (int c = 1; c <= kChapters; ++c)
      for (int e = 1; e <= kExercises; ++e)
        ExerciseDone[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)] =
            static_cast<uint8_t>(done[(c - 1) * kExercises + (e - 1)]);
  GetTenthsTable(file, ChapterEfficiency);
  GetTenthsTable(file, ChapterAccuracy);
  GetTenthsTable(file, ChapterSpeed);
  if (!oldVersion) {
    GetIntTable(file, ChapterSeconds);
    GetIntTable(file, ChapterRhythm);
  }
  if (file.ReadSmallInt(Spare) != kFileGood) {
    keys_->LoadFromRecord(file);
    return kSpareUnreadable;
  }
  int result = BookMark.LoadFromFile(file);
  keys_->LoadFromRecord(file);
  return result;
}

// ---- the user base ----

std::string TUser::UserbasePath() {
  return IncludeTrailingBackslash(Settings().DataPath) + kUserbaseName;
}

int TUser::OpenUserbase(TRecFile& file, int mode) {
  BusyRetry retry;
  retry.question = Str(kStrUserbaseBusy) + Str(kStrTryAgain);
  const int share = mode == -2   ? TRecFile::kShareDenyWrite
                    : mode == -1 ? TRecFile::kShareExclusive
                                 : TRecFile::kShareNone;
  int result = OpenWithRetry(file, UserbasePath(), share, retry);
  if (result == kFileOpenFailed) {
    if (mode == -1) ReportError(kErrorTimeOutExclusive, Str(kStrUserbaseOpenFailed));
    if (mode == -2) ReportError(kErrorTimeOutDenyWrite, Str(kStrUserbaseOpenFailed));
  }
  return result;
}

std::optional<std::vector<std::string>> TUser::GetUserList() {
  TRecFile file;
  if (!OpenForReading(file)) return std::nullopt;
  const int64_t count = file.RecordCount(kRecordSize);
  if (count > kMaxListed || Settings().DisableUserList) {
    file.Close();
    return std::nullopt;
  }
  std::vector<std::string> names;
  int state = ForEachName(file, [&](int64_t, std::string_view name) {
    if (AsciiUpper(name) != kVisitorName) names.emplace_back(name);
    return false;
  });
  // The names gathered before a failed read are kept.
  if (state != kFileGood) ReportError(state, Str(kStrUserListError));
  file.Close();
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AnsiLessForReading(a, b);
  });
  return names;
}

std::unique_ptr<TUser> TUser::FindUser(std::string_view name) {
  TRecFile file;
  auto user = std::make_unique<TUser>("");
  if (!OpenForReading(file)) return nullptr;
  int64_t record = FindRecord(file, name);
  if (record < 0) {
    file.Close();
    return nullptr;
  }
  file.Seek(record, kRecordSize);
  user->ReadRecord(file);
  file.Close();
  return user;
}

std::unique_ptr<TUser> TUser::CreateUser(std::string_view name) {
  if (Settings().ReadOnly()) {
    // Nothing can be added to a base that cannot be written: the new
    // student studies from memory, like a visitor under his own name.
    tq::DifficultKeys().Clear();
    return std::make_unique<TUser>(name);
  }
  TRecFile file;
  auto user = std::make_unique<TUser>(name, true);
  int result = OpenUserbase(file, -1);
  if (result == kFileNotFound) {
    Warn(Str(kStrUserbaseWillBeCreated));
    CreateIfMissing(UserbasePath());
    file.Close();
    // Exclusive, like any other writer: two computers creating the first
    // students at once must not write the same record.
    result = OpenUserbase(file, -1);
  }
  if (result != kFileGood) {
    ReportError(kErrorUserbaseOpen, UserbasePath());
    file.Close();
    return nullptr;
  }
  // Another computer may have created the same name since our look-up; the
  // lock is ours now, so one more look settles it.
  int64_t existing = FindRecord(file, name);
  if (existing >= 0) {
    user->AdoptSharedKeys();
    file.Seek(existing, kRecordSize);
    user->ReadRecord(file);
  } else {
    // A trailing partial record is overwritten.
    file.Seek(file.RecordCount(kRecordSize), kRecordSize);
    user->WriteRecord(file);
  }
  int closed = file.Close();
  if (closed != kFileClosed) {
    ReportErrorCode(kErrorUserbaseOpen, closed);
    return nullptr;
  }
  if (existing < 0) {
    // The new student's statistics start empty in the program-wide instance
    // that the typing events count into.
    tq::DifficultKeys().Clear();
    user->AdoptSharedKeys();
  }
  return user;
}

int TUser::SaveUser() {
  // A folder that cannot be written was reported once at start.
  if (IsVisitor() || Settings().ReadOnly()) return 1;
  TRecFile file;
  int result = OpenUserbase(file, -1);
  if (result != kFileGood) {
    file.Close();
    return result;
  }
  int64_t record = FindRecord(file, Name);
  if (record < 0) {
    file.Close();
    return kNameNotFound;
  }
  file.Seek(record, kRecordSize);
  WriteRecord(file);
  const int closed = file.Close();
  RenewMarker(Name);
  return closed;
}

bool TUser::ConvertUserbase() {
  Inform(Str(kStrConvertNotice));
  const std::string path = UserbasePath();
  const std::string oldPath = IncludeTrailingBackslash(Settings().DataPath) + kOldUserbaseName;
  // An earlier backup is never replaced.
  if (!MoveFileTo(path, oldPath)) {
    Warn(Str(kStrConvertRenameFailed));
    return false;
  }
  TRecFile newFile, oldFile;
  // Any failed step puts the old base back where it was, so the class keeps
  // its students and the next start converts again.
  auto putBack = [&](const std::string& message) {
    oldFile.Close();
    newFile.Close();
    DeleteFileAt(path);
    if (!MoveFileTo(oldPath, path)) ReportError(kErrorRenameUserbase, NativePath(path));
    Warn(message);
    return false;
  };
  int opened = oldFile.Open(oldPath, 1, TRecFile::kShareNone);
  if (opened != kFileGood)
    return putBack(Str(opened == kFileNotFound ? kStrOldUserbaseMissing : kStrOldUserbaseNotOpen));
  if (oldFile.IsWholeRecords(kRecordSize)) {
    ReportError(kErrorUserbaseVersion, NativePath(oldPath));
    return putBack(Str(kStrConvertFailed) + NativePath(path));
  }
  if (newFile.Open(path, 5, TRecFile::kShareExclusive) != kFileGood)
    return putBack(Str(kStrConvertFailed) + NativePath(path));
  // One temporary user carries every record across; the chapter seconds and
  // rhythm the old records lack keep their "no result" value.
  TUser temp("");
  const int64_t count = oldFile.RecordCount(kOldRecordSize);
  for (int64_t i = 0; i < count; ++i) {
    oldFile.Seek(i, kOldRecordSize);
    temp.ReadOldRecord(oldFile);
    if (oldFile.Status != kFileGood) return putBack(Str(kStrConvertFailed) + NativePath(path));
    newFile.Seek(i, kRecordSize);
    temp.WriteRecord(newFile);
    if (newFile.Status != kFileGood) return putBack(Str(kStrConvertFailed) + NativePath(path));
  }
  oldFile.Close();
  const bool closed = newFile.Close() == kFileClosed;
  std::error_code ec;
  const auto written = std::filesystem::file_size(NativePath(path), ec);
  if (!closed || ec || static_cast<int64_t>(written) != count * kRecordSize)
    return putBack(Str(kStrConvertFailed) + NativePath(path));
  Inform(Str(kStrConvertDone));
  if (QuitHandler()) QuitHandler()();
  return true;
}

// ---- program-wide ----

TUser& CurrentUser() {
  auto& user = CurrentSlot();
  if (!user) user = std::make_unique<TUser>(TUser::kVisitorName);
  return *user;
}

void SetCurrentUser(std::unique_ptr<TUser> user) {
  // The student signed in so far is signed out: no longer in use here.
  if (CurrentSlot() && !CurrentSlot()->IsVisitor()) RemoveMarker(CurrentSlot()->Name);
  CurrentSlot() = std::move(user);
  // The letter pairs of the student signed in now; a visitor keeps none.
  const TUser* now = CurrentSlot().get();
  LetterPairs().Open(now && !now->IsVisitor() ? CoachingFilePath(now->Name) : std::string());
}

void SetQuitHandler(std::function<void()> handler) {
  QuitHandler() = std::move(handler);
}

}  // namespace tq
