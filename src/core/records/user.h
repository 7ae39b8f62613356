#pragma once
// A student's record and the user base that holds every student's record:
// "userbase.kl4" in the data folder, possibly shared by a whole classroom
// over the network, so every opening takes a sharing lock and retries while
// another program holds it.
//
// The file is a plain sequence of 2584-byte records, no header; record i
// starts at i * 2584, in order of creation, never moved or deleted. All
// numbers little-endian; int16 fields hold the low 16 bits of a 32-bit value
// and are read back sign-extended; strings are 256 bytes: a length byte, then
// 255 bytes of Windows-1252 characters (zeroed after the length when we
// write). "tenths" = round(value * 10) as int16, halves to even.
//
//   offset size  field
//      0   256   Name               string, case as typed
//    256   256   Contents           string, course file
//    512     2   Sounds             int16, 1 on / 0 off
//    514     2   LargeFont          int16
//    516     2   LessonDuration     int16, 25/35/45 minutes, 0 = no limit
//    518     2   StudyMinutes       int16
//    520     2   LessonMinutes      int16
//    522     2   KeyLevel           int16, key groups learned (>= 1)
//    524     4   StoryChoice        int32, offset in the story text
//    528   256   StoryText          string, story file name
//    784     2   Exercise           int16, highest exercise in Chapter
//    786     2   Chapter            int16, highest chapter reached
//    788    40   ChapterExercise    int16 x 20, chapters 1..20
//    828     2   LastSpeed          int16
//    830     2   LastEfficiency     int16
//    832     2   LastAccuracy       tenths
//    834     2   LastRhythm         int16
//    836   200   ExerciseDone       byte x 200 at (chapter-1)*10 + (exercise-1)
//   1036    40   ChapterEfficiency  tenths x 20
//   1076    40   ChapterAccuracy    tenths x 20
//   1116    40   ChapterSpeed       tenths x 20
//   1156    40   ChapterSeconds     int16 x 20, at most 32000
//   1196    40   ChapterRhythm      int16 x 20
//   1236     2   Spare              int16
//   1238     8   bookmark           int16 x 4: chapter, exercise, event, spare
//   1246  1338   difficult keys     TotalCount 1246, WeightedHits 1692,
//                                   WeightedErrors 2138 (223 int16 each)
//
// The previous version (2504 bytes) is the same up to 1155, then Spare at
// 1156, the bookmark at 1158 and the difficult keys at 1166; it has no
// ChapterSeconds and no ChapterRhythm. A base of that size is converted.
//
// A file of another size is reported once as a wrong version and used over
// its whole records; a new student is then written over the partial tail.
// Field values come from files other computers write: a chapter, exercise or
// ChapterExercise outside the tables is kept as stored and ignored wherever
// it would index one.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/bookmark.h"
#include "core/records/difficult_keys.h"

namespace tq {

class TRecFile;

class TUser {
 public:
  static constexpr int64_t UserRecordSize = 2584;
  static constexpr int64_t OldUserRecordSize = 2504;
  static constexpr int kChapters = 20;     // chapters 1..20 have a place in the tables
  static constexpr int kExercises = 10;    // exercises 1..10 per chapter
  static constexpr int kMaxListed = 1000;  // more records than this: no name list
  static constexpr int32_t kMaxChapterSeconds = 32000;
  static constexpr const char* kVisitorName = "VISITOR";
  static constexpr const char* kUserbaseName = "userbase.kl4";
  static constexpr const char* kOldUserbaseName = "userbase.450";
  // ReadRecord results beyond the file states.
  static constexpr int kSpareUnreadable = -1502;
  static constexpr int kNameNotFound = -1508;

  // A student with initial values (settings' sounds and lesson length, then
  // ResetProgress). With ownKeys the user gets statistics of its own instead
  // of the program-wide instance (records written for someone else).
  explicit TUser(std::string_view name = "", bool ownKeys = false);
  TUser(const TUser&) = delete;
  TUser& operator=(const TUser&) = delete;

  // ---- user base (class operations) ----
  // Names in the base, sorted, without VISITOR; none when the base cannot be
  // read, holds more than 1000 records, or the settings disable the list.
  static std::optional<std::vector<std::string>> GetUserList();
  // The record whose name matches ignoring case (1252 letters); its
  // statistics go into the program-wide TDifficultKeys. None when absent.
  static std::unique_ptr<TUser> FindUser(std::string_view name);
  // Appends a record with initial values, creating the base when missing.
  // A record of that name written meanwhile by another program is returned
  // instead of a second one.
  static std::unique_ptr<TUser> CreateUser(std::string_view name);
  // Converts a base of the previous version, keeping it as "userbase.450".
  // Returns true when converted (the program must then end; see SetQuitHandler).
  static bool ConvertUserbase();
  // Opens the base with retries. Mode -2 read, writers denied; -1 read and
  // write, exclusive; 1 read and write, shared. Returns the file state (1 open,
  // -1 missing, -2 busy after the student gave up).
  static int OpenUserbase(TRecFile& file, int mode);
  // Full path of the base: the settings' data folder + "userbase.kl4".
  static std::string UserbasePath();
  // Whether a name is the reserved visitor (any letter case).
  static bool IsVisitor(std::string_view name);

  // ---- one student ----
  // Rewrites the record in place: 1 for VISITOR (nothing written), -1508 when
  // the name is not in the base, else the state after closing (2 = closed).
  int SaveUser();
  // All fields at the file's current position, in layout order. Writing
  // folds the pending keystrokes first. Reads return -1502 when Spare could
  // not be read, otherwise the bookmark's read result.
  void WriteRecord(TRecFile& file);
  int ReadRecord(TRecFile& file);
  int ReadOldRecord(TRecFile& file);

  void ResetProgress();
  void RaiseKeyLevel(int level);
  // Key groups of the course (from the contents); not stored.
  int AddKeyGroup(std::string_view keys);
  std::string GetKeyGroup(int number) const;  // from 1; empty when out of range
  // The first `level` groups concatenated (at most 255 characters); all
  // letters when the course gave no groups; empty for level 0 or below.
  std::string GetKeys(int level) const;
  void SetContents(std::string_view name) { Contents = name; }
  const std::string& GetContents() const { return Contents; }

  // Progress through the course, 0..100 (a chapter counts as 8 exercises).
  int GetProgress() const;
  int GetRemainingMinutes() const;
  std::string GetRemainingTimeText() const;
  std::string GetStudyTimeText() const;

  bool IsVisitor() const { return IsVisitor(Name); }
  TDifficultKeys& DifficultKeys() { return *keys_; }
  const TDifficultKeys& DifficultKeys() const { return *keys_; }

  // Checked access to the per-chapter tables: false / nothing for a chapter
  // outside 1..20 or an exercise outside 1..10.
  static bool HasChapterSlot(int chapter) { return chapter >= 1 && chapter <= kChapters; }
  static bool HasExerciseSlot(int chapter, int exercise) {
    return HasChapterSlot(chapter) && exercise >= 1 && exercise <= kExercises;
  }
  bool IsExerciseDone(int chapter, int exercise) const;
  void SetExerciseDone(int chapter, int exercise, bool done);
  // Adds a stay to the chapter's seconds, at most 32000; ignored outside 1..20.
  void AddChapterSeconds(int chapter, int32_t seconds);

  // ---- stored fields ----
  std::string Name;
  std::string Contents;
  int32_t Sounds = 1;
  int32_t LargeFont = 0;
  int32_t LessonDuration = 45;
  int32_t StudyMinutes = 0;
  int32_t LessonMinutes = 0;
  int32_t KeyLevel = 1;
  int32_t StoryChoice = 0;
  std::string StoryText;
  int32_t Exercise = 0;
  int32_t Chapter = 0;
  // Chapter tables are indexed 1..20; entry 0 is unused and never stored.
  std::array<int32_t, kChapters + 1> ChapterExercise{};
  int32_t LastSpeed = -1;
  int32_t LastEfficiency = -1;
  float LastAccuracy = -1.0f;
  int32_t LastRhythm = -1;
  // ExerciseDone[chapter][exercise], both from 1; row and column 0 unused.
  std::array<std::array<uint8_t, kExercises + 1>, kChapters + 1> ExerciseDone{};
  std::array<float, kChapters + 1> ChapterEfficiency{};
  std::array<float, kChapters + 1> ChapterAccuracy{};
  std::array<float, kChapters + 1> ChapterSpeed{};
  std::array<int32_t, kChapters + 1> ChapterSeconds{};
  std::array<int32_t, kChapters + 1> ChapterRhythm{};
  int32_t Spare = 0;
  TBookMark BookMark;

  // ---- not stored ----
  std::vector<std::string> KeyGroups;
  int32_t ChapterCount = 0;
  int32_t WordLoop = 3;
  int32_t WordMaxLoop = 5;
  int32_t SentenceLoop = 0;
  int32_t SentenceMaxLoop = 0;

 private:
  int ReadFields(TRecFile& file, bool oldVersion);
  // Points the statistics at the program-wide instance (the signed-in student's).
  void AdoptSharedKeys();
  std::unique_ptr<TDifficultKeys> ownKeys_;
  TDifficultKeys* keys_;
};

// The signed-in student for the whole run; a VISITOR until one signs in.
TUser& CurrentUser();
// Makes a student the signed-in one (null: a fresh VISITOR).
void SetCurrentUser(std::unique_ptr<TUser> user);

// Called after a user base conversion to ask the program to end (the main
// controller installs one; without it nothing happens).
void SetQuitHandler(std::function<void()> handler);

}  // namespace tq
