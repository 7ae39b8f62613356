#pragma once
// The data file container: every file the program reads or writes itself goes
// through these classes. They keep a status code instead of raising errors.
//
// Text files (TTextFile) are lines ended by CR LF (13 10), Windows-1252. A
// file opened for reading may start with a header of at most 15 lines that
// begin with "$" ("$version=5", "$description=...;..."); the first line that
// does not start with "$" is the first content line. "$fileformat=crypted"
// marks a scrambled file: every byte except CR and LF is XORed with 0xA6.
// Lines are at most 255 characters: a longer line is cut to 255 and the next
// read starts 257 bytes after the line's start.
//
// Record files (TRecFile) are fixed-size binary fields, little-endian:
// integers of 4 bytes, small integers and words of 2 bytes, short strings of
// one length byte followed by their declared capacity of characters.
//
// Sharing: "writers denied" opens take a read lock on the whole file,
// "exclusive" opens a write lock (open file description locks, so two
// objects of one process conflict just as two processes do); a conflict is
// the open failure -2 that callers retry on.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Status codes of the container.
enum FileStatus : int {
  kFileGood = 1,
  kFileEnd = 0,
  kFileClosed = 2,
  kFileNotFound = -1,
  kFileOpenFailed = -2,
  kFileAlreadyOpen = -3,
  kFileWriteError = -5,
  kFileCloseFailed = -6,
  kFileReadError = -7,
  kFileHeaderError = -11,
};

// The one-byte key of scrambled text files.
constexpr unsigned char kScrambleKey = 0xA6;

class TFile {
 public:
  TFile() = default;
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  virtual ~TFile();

  int Close();

  int Handle = -1;
  bool Crypted = false;
  std::string FileName;
  std::string Version;
  int Status = 0;
  std::string LongDesc;
  std::string Description;
  std::string Author;
  std::string Copyright;
  bool HasVersion = false;
  int64_t FileSize = 0;
  int64_t Position = 0;

 protected:
  // Opens with the given POSIX flags and takes the lock (0 none, 1 read,
  // 2 write). Sets Handle, FileSize and Position; returns the status.
  int OpenHandle(std::string_view name, int flags, int lockKind, bool mustExist);
  // Writes pending bytes with one positioned write; false on a short write.
  bool FlushPending();
  // Reads up to n bytes at Position without moving it; -1 on a platform failure.
  int64_t ReadAt(int64_t pos, char* buf, int64_t n);
  // The file's own reads and writes, from the disk or from a held file
  // (held_files.h): up to n bytes at pos (-1 on a failure), all n bytes at
  // pos, and closing the handle.
  int64_t ReadRaw(int64_t pos, char* buf, int64_t n);
  bool WriteRaw(int64_t pos, const char* buf, int64_t n);
  bool CloseHandle();

  std::string pending_;       // bytes written but not yet on disk
  int64_t pendingStart_ = 0;  // their file position
  std::string cache_;         // read-ahead of text lines
  int64_t cacheStart_ = -1;
  std::string journal_;          // record files written under an exclusive lock: the journal's path
  std::string* held_ = nullptr;  // the bytes of a held file, which has no descriptor
};

class TTextFile : public TFile {
 public:
  // Mode 1: read an existing file (writers denied) and its header.
  // Mode 2: create (or empty) the file. Mode 3: append to an existing file.
  int Open(std::string_view name, int mode);
  int ReadLine(std::string& line, int maxLength = 255);
  // Everything from the position to the end (unscrambled); status 2 and an
  // empty buffer when nothing is left.
  int ReadAll(std::string& buffer);
  int WriteLine(std::string_view text);

 private:
  void ReadHeader();
};

class TRecFile : public TFile {
 public:
  // Share values: -2 read-only, writers denied; -1 read-write, exclusive;
  // anything else read-write, nothing denied.
  static constexpr int kShareDenyWrite = -2;
  static constexpr int kShareExclusive = -1;
  static constexpr int kShareNone = 0;

  // Modes 1 and 2 open an existing file; mode 5 creates it (size 0); modes
  // 3 and 4 only set the status to 1.
  int Open(std::string_view name, int mode, int share);

  int ReadInteger(int32_t& value);
  int ReadSmallInt(int32_t& value);
  int ReadWord(uint16_t& value);
  int ReadShortString(std::string& s, int capacity);
  int ReadWideArray(std::vector<uint16_t>& a, int highIndex);
  int ReadBytes(char* buf, int64_t n);

  int WriteInteger(int32_t value);
  int WriteWord(uint16_t value);
  int WriteShortString(std::string_view s, int capacity);
  int WriteString255(std::string_view s);
  int WriteWideArray(const std::vector<uint16_t>& a, int highIndex);
  int WriteBytes(const char* buf, int64_t n);

  // 1 on success, -1 on failure.
  int Seek(int64_t recordNo, int64_t recordSize);
  int64_t RecordCount(int64_t recordSize) const;
  bool IsWholeRecords(int64_t recordSize) const;
};

// Fields of a text: maximal runs of characters not in the delimiter set (so
// no empty fields). When the text holds a "%", a delimiter right after a "%"
// belongs to the field and the "%" is dropped. An empty set means space,
// comma, CR and LF.
std::vector<std::string> SplitFields(std::string_view text, std::string_view delimiters);

// Names of the files matching a mask, without their extension and with name
// capitalisation, sorted by name; with `first`, that text comes first.
std::vector<std::string> ListFiles(std::string_view mask);
std::vector<std::string> ListFiles(std::string_view mask, std::string_view first);

// Name capitalisation: an initial lower-case a-z letter is upper-cased, and
// so is a lower-case a-z letter right after the first blank.
std::string CapitalizeName(std::string_view name);

}  // namespace tq
