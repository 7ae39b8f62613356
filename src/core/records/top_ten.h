#pragma once
// A game's table of best scores, shared by every student of an installation
// and kept beside the user base. The page that shows it belongs to the games.
//
// Table file: data folder + table name + ".klt", no header, one 514-byte
// record per place, best first; places = file size div 514:
//   offset   0  256  Name   length byte + up to 255 characters (rest undefined)
//   offset 256    2  Score  signed 16-bit little-endian
//   offset 258  256  Date   length byte + up to 255 characters
// Scores are 32-bit in memory; one above 32767 is written as 32767 (and one
// below -32768 as -32768) so a high score never comes back negative.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

class TRecFile;

struct TTopTenEntry {
  std::string Name;
  int32_t Score = 0;
  std::string Date;
};

class TtopTen {
 public:
  static constexpr int kMaxPlaces = 100;
  static constexpr int64_t kRecordSize = 514;

  // Default places (the product name, today, 930 ... 300 then 278 ... 100),
  // Count 10, FileName "TOPTEN".
  TtopTen();

  // Reads the table with the busy-retry rule; returns the open result (1 =
  // opened). A file that fails to open leaves places 1..Count at their
  // defaults; a file of more than 100 places is read up to 100.
  int LoadTable(std::string_view tableName);
  // Writes places 1..Count (NewCount > 0 first replaces Count, at most 100),
  // creating the file when missing; returns the open result.
  int SaveTable(int newCount);
  // Takes a score into the table: the place it reached, 0 when it did not
  // beat (or equal) the last place in use. Equal scores stand below.
  int AddScore(std::string_view name, int32_t score);
  // Renames a place; ignored outside 1..Count.
  void SetName(int place, std::string_view name);
  // "name;score;date" for places 1..n (all Count places when n is 0). A name
  // holding ";" is replaced, in the table too, by "the Winner".
  std::vector<std::string> GetLines(int n);

  // The default entry of a place (1..100).
  static TTopTenEntry DefaultEntry(int place);

  std::string FileName = "TOPTEN";
  int32_t Count = 10;
  // Entries[1..100]; entry 0 unused.
  std::array<TTopTenEntry, kMaxPlaces + 1> Entries;

 private:
  int Open(TRecFile& file, int share);
  std::string tableName_;
};

}  // namespace tq
