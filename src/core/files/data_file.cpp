#include "core/files/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "core/files/ansi.h"
#include "core/files/held_files.h"
#include "core/files/paths.h"

namespace tq {
namespace {

constexpr int64_t kReadAhead = 64 * 1024;
// The handle of a held file: open, but no descriptor.
constexpr int kHeldHandle = std::numeric_limits<int>::max();

void Unscramble(std::string& s) {
  for (char& c : s)
    if (c != '\r' && c != '\n') c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
}

bool TakeLock(int fd, short type) {
  struct flock fl {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = 0;
  fl.l_len = 0;  // the whole file, however long it grows
#ifdef F_OFD_SETLK
  if (::fcntl(fd, F_OFD_SETLK, &fl) == 0) return true;
  if (errno != EINVAL) return false;
#endif
  return ::fcntl(fd, F_SETLK, &fl) == 0;
}

bool WriteAll(int fd, int64_t pos, const char* buf, int64_t n) {
  while (n > 0) {
    ssize_t w = ::pwrite(fd, buf, static_cast<size_t>(n), pos);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    buf += w, pos += w, n -= w;
  }
  return true;
}

// A record file's write goes first, whole, to a journal beside it
// ("<file>.jnl": a mark, the position, the length, the bytes and a check
// sum), then into the file, and the journal is removed. A program killed in
// the middle of the write into the file leaves the journal behind, and the
// next program to open the file finishes the write from it; one killed while
// writing the journal leaves a journal that does not check out, and the file
// untouched. So a record is always either the old or the new one.
constexpr char kJournalMark[4] = {'T', 'Q', 'J', '1'};

uint64_t JournalSum(const std::string& body) {
  uint64_t hash = 1469598103934665603ull;
  for (char c : body) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

bool WriteJournal(const std::string& journal, int64_t pos, const std::string& bytes) {
  std::string body(kJournalMark, sizeof kJournalMark);
  const auto start = static_cast<uint64_t>(pos), length = static_cast<uint64_t>(bytes.size());
  body.append(reinterpret_cast<const char*>(&start), sizeof start);
  body.append(reinterpret_cast<const char*>(&length), sizeof length);
  body += bytes;
  const uint64_t sum = JournalSum(body);
  body.append(reinterpret_cast<const char*>(&sum), sizeof sum);
  const int fd = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool ok = WriteAll(fd, 0, body.data(), static_cast<int64_t>(body.size()));
  ::close(fd);
  if (!ok) ::unlink(journal.c_str());
  return ok;
}

// Finishes a write a killed program left in the journal, when no other
// program holds the file.
void ReplayJournal(const std::string& path) {
  const std::string journal = path + ".jnl";
  if (::access(journal.c_str(), F_OK) != 0) return;
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return;
  if (!TakeLock(fd, F_WRLCK)) {
    ::close(fd);  // a living writer: the journal is its own
    return;
  }
  std::string body;
  if (const int jf = ::open(journal.c_str(), O_RDONLY | O_CLOEXEC); jf >= 0) {
    char buf[65536];
    for (ssize_t got; (got = ::read(jf, buf, sizeof buf)) > 0;)
      body.append(buf, static_cast<std::size_t>(got));
    ::close(jf);
  }
  constexpr std::size_t kHead = sizeof kJournalMark + 2 * sizeof(uint64_t);
  uint64_t start = 0, length = 0, sum = 0;
  if (body.size() >= kHead + sizeof sum && body.compare(0, 4, kJournalMark, 4) == 0) {
    std::memcpy(&start, body.data() + 4, sizeof start);
    std::memcpy(&length, body.data() + 4 + sizeof start, sizeof length);
    std::memcpy(&sum, body.data() + body.size() - sizeof sum, sizeof sum);
    const bool whole = length == body.size() - kHead - sizeof sum && start < (uint64_t{1} << 40) &&
                       JournalSum(body.substr(0, body.size() - sizeof sum)) == sum;
    if (whole)
      WriteAll(fd, static_cast<int64_t>(start), body.data() + kHead, static_cast<int64_t>(length));
  }
  ::unlink(journal.c_str());
  ::close(fd);
}

}  // namespace

// ---- TFile ----

TFile::~TFile() {
  FlushPending();
  if (Handle >= 0) CloseHandle();
}

bool TFile::CloseHandle() {
  if (held_) {
    held_ = nullptr;
    return true;
  }
  return ::close(Handle) == 0;
}

int64_t TFile::ReadRaw(int64_t pos, char* buf, int64_t n) {
  if (held_) {
    const int64_t avail = std::min<int64_t>(n, static_cast<int64_t>(held_->size()) - pos);
    if (avail <= 0) return 0;
    std::memcpy(buf, held_->data() + pos, static_cast<std::size_t>(avail));
    return avail;
  }
  ssize_t got;
  do {
    got = ::pread(Handle, buf, static_cast<size_t>(n), pos);
  } while (got < 0 && errno == EINTR);
  return got;
}

bool TFile::WriteRaw(int64_t pos, const char* buf, int64_t n) {
  if (!held_) return WriteAll(Handle, pos, buf, n);
  const auto end = static_cast<std::size_t>(pos + n);
  if (held_->size() < end) held_->resize(end, '\0');
  std::memcpy(held_->data() + pos, buf, static_cast<std::size_t>(n));
  return true;
}

int TFile::OpenHandle(std::string_view name, int flags, int lockKind, bool mustExist) {
  FileName = ShortStr(name);
  FileSize = -1;
  Position = -1;
  if (std::string* held = HeldFile(name)) {
    if (flags & O_CREAT) held->clear();
    held_ = held;
    Handle = kHeldHandle;
    FileSize = static_cast<int64_t>(held->size());
    Position = 0;
    pending_.clear();
    cache_.clear();
    cacheStart_ = -1;
    return Status = kFileGood;
  }
  std::string path = mustExist ? ResolveExisting(name) : NativePath(name);
  if (mustExist) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Status = kFileNotFound;
  }
  int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return Status = (mustExist && errno == ENOENT) ? kFileNotFound : kFileOpenFailed;
  if (lockKind != 0 && !TakeLock(fd, lockKind == 1 ? F_RDLCK : F_WRLCK)) {
    ::close(fd);
    return Status = kFileOpenFailed;
  }
  // A file being created is emptied only once its lock is held.
  if ((flags & O_CREAT) && ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return Status = kFileOpenFailed;
  }
  struct stat st;
  ::fstat(fd, &st);
  Handle = fd;
  FileSize = st.st_size;
  Position = 0;
  pending_.clear();
  cache_.clear();
  cacheStart_ = -1;
  return Status = kFileGood;
}

bool TFile::FlushPending() {
  if (pending_.empty() || Handle < 0) return true;
  // Without a journal (a folder that cannot be written) the write goes on.
  const bool journaled = !journal_.empty() && WriteJournal(journal_, pendingStart_, pending_);
  bool ok = WriteRaw(pendingStart_, pending_.data(), static_cast<int64_t>(pending_.size()));
  if (journaled) ::unlink(journal_.c_str());
  pending_.clear();
  return ok;
}

int64_t TFile::ReadAt(int64_t pos, char* buf, int64_t n) {
  if (cacheStart_ < 0 || pos < cacheStart_ ||
      pos + n > cacheStart_ + static_cast<int64_t>(cache_.size())) {
    // Ahead as far as the file goes, never more than kReadAhead.
    cache_.resize(static_cast<size_t>(std::max(n, std::min(kReadAhead, FileSize - pos))));
    const int64_t got = ReadRaw(pos, cache_.data(), static_cast<int64_t>(cache_.size()));
    if (got < 0) {
      cache_.clear();
      cacheStart_ = -1;
      return -1;
    }
    cache_.resize(static_cast<size_t>(got));
    cacheStart_ = pos;
  }
  int64_t offset = pos - cacheStart_;
  int64_t avail = std::min<int64_t>(n, static_cast<int64_t>(cache_.size()) - offset);
  if (avail <= 0) return 0;
  std::memcpy(buf, cache_.data() + offset, static_cast<size_t>(avail));
  return avail;
}

int TFile::Close() {
  bool flushed = FlushPending();
  if (Status != kFileClosed && Status != kFileOpenFailed) {
    bool closed = Handle < 0 || CloseHandle();
    Handle = -1;
    Status = closed && flushed ? kFileClosed : kFileCloseFailed;
  } else if (Handle >= 0) {
    CloseHandle();
    Handle = -1;
  }
  return Status;
}

// ---- TTextFile ----

int TTextFile::Open(std::string_view name, int mode) {
  if (Handle >= 0) return Status = kFileAlreadyOpen;
  switch (mode) {
    case 1:
      if (OpenHandle(name, O_RDONLY, 1, true) == kFileGood) ReadHeader();
      return Status;
    case 2:
      return OpenHandle(name, O_RDWR | O_CREAT, 2, false);
    case 3:
      // Appending: a missing file is an open failure, not "not found".
      if (!FileExists(name)) {
        FileName = ShortStr(name);
        return Status = kFileOpenFailed;
      }
      if (OpenHandle(name, O_RDWR, 1, true) == kFileGood) Position = FileSize;
      return Status;
    default:
      return Status = kFileOpenFailed;
  }
}

void TTextFile::ReadHeader() {
  Author.clear();
  Version.clear();
  Copyright.clear();
  Description.clear();
  for (int i = 0; i < 15; ++i) {
    int64_t lineStart = Position;
    std::string line;
    ReadLine(line, 255);
    if (Status == kFileEnd) Status = Position > FileSize ? kFileHeaderError : kFileGood;
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != '$') {
      // Not a header line: the caller reads it as the first content line.
      Position = lineStart;
      if (Status == kFileHeaderError) Status = kFileGood;
      break;
    }
    std::vector<std::string> f = SplitFields(trimmed, "=;");
    std::string key = AsciiLower(f[0]);
    // A known key without a value sets its field to the empty text.
    std::string value = f.size() > 1 ? f[1] : std::string();
    if (key == "$version")
      Version = value;
    else if (key == "$copyright")
      Copyright = value;
    else if (key == "$longdesc")
      LongDesc = value;
    else if (key == "$description")
      Description = value;
    else if (key == "$author")
      Author = value;
    else if (key == "$fileformat")
      Crypted = AsciiLower(value) == "crypted";
    if (Status != kFileGood) break;
  }
  HasVersion = !Trim(Version).empty();
}

int TTextFile::ReadLine(std::string& line, int maxLength) {
  if (Position >= FileSize) {
    line.clear();
    return Status = kFileEnd;
  }
  if (Status != kFileGood) return Status;
  char buf[256];
  int64_t got = ReadAt(Position, buf, 256);
  if (got < 0) return Status = kFileReadError;
  std::size_t len = static_cast<std::size_t>(got);
  if (const void* zero = std::memchr(buf, 0, len))
    len = static_cast<std::size_t>(static_cast<const char*>(zero) - buf);
  len = std::min<std::size_t>(len, 255);
  std::string_view text(buf, len);
  std::size_t cr = text.find('\r');
  int status = kFileEnd;
  if (cr != std::string_view::npos) {
    text = text.substr(0, cr);
    status = kFileGood;
  }
  if (maxLength >= 0 && text.size() > static_cast<std::size_t>(maxLength))
    text = text.substr(0, static_cast<std::size_t>(maxLength));
  line.assign(text);
  if (Crypted)
    for (char& c : line) c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
  Position += static_cast<int64_t>(line.size()) + 2;
  return Status = status;
}

int TTextFile::ReadAll(std::string& buffer) {
  buffer.clear();
  if (Handle < 0 || Position >= FileSize) return Status = kFileClosed;
  buffer.resize(static_cast<std::size_t>(FileSize - Position));
  int64_t done = 0;
  while (done < static_cast<int64_t>(buffer.size())) {
    const int64_t got =
        ReadRaw(Position + done, buffer.data() + done, static_cast<int64_t>(buffer.size()) - done);
    if (got < 0) {
      buffer.clear();
      return Status = kFileReadError;
    }
    if (got == 0) break;
    done += got;
  }
  buffer.resize(static_cast<std::size_t>(done));
  Position += done;
  if (Crypted) Unscramble(buffer);
  return Status;
}

int TTextFile::WriteLine(std::string_view text) {
  if (Handle < 0) return Status = kFileWriteError;
  std::string out(text);
  out += "\r\n";
  cacheStart_ = -1;
  if (!WriteRaw(Position, out.data(), static_cast<int64_t>(out.size())))
    return Status = kFileWriteError;
  Position += static_cast<int64_t>(out.size());
  FileSize = std::max(FileSize, Position);
  return Status;
}

// ---- TRecFile ----

int TRecFile::Open(std::string_view name, int mode, int share) {
  if (Handle >= 0) return Status = kFileAlreadyOpen;
  if (mode == 3 || mode == 4) return Status = kFileGood;
  int lock = share == kShareDenyWrite ? 1 : share == kShareExclusive ? 2 : 0;
  int flags = share == kShareDenyWrite ? O_RDONLY : O_RDWR;
  journal_.clear();
  if (mode == 5) return OpenHandle(name, O_RDWR | O_CREAT, lock == 1 ? 2 : lock, false);
  if (mode != 1 && mode != 2) return Status = kFileOpenFailed;
  // A write a killed program left unfinished is finished first.
  const std::string path = ResolveExisting(name);
  const bool held = HeldFile(path) != nullptr;
  if (lock != 0 && !held) ReplayJournal(path);
  const int result = OpenHandle(name, flags, lock, true);
  if (result == kFileGood && lock == 2 && !held) journal_ = path + ".jnl";
  return result;
}

int TRecFile::ReadBytes(char* buf, int64_t n) {
  if (Status != kFileGood) return Status;
  if (!FlushPending()) return Status = kFileWriteError;
  int64_t done = 0;
  while (done < n) {
    const int64_t got = ReadRaw(Position + done, buf + done, n - done);
    if (got < 0) return Status = kFileReadError;
    if (got == 0) break;
    done += got;
  }
  Position += done;
  if (done < n) {
    std::memset(buf + done, 0, static_cast<size_t>(n - done));
    return Status = kFileEnd;
  }
  return Status;
}

int TRecFile::ReadInteger(int32_t& value) {
  unsigned char b[4];
  if (ReadBytes(reinterpret_cast<char*>(b), 4) != kFileGood) return Status;
  value =
      static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
  return Status;
}

int TRecFile::ReadWord(uint16_t& value) {
  unsigned char b[2];
  if (ReadBytes(reinterpret_cast<char*>(b), 2) != kFileGood) return Status;
  value = static_cast<uint16_t>(b[0] | b[1] << 8);
  return Status;
}

int TRecFile::ReadSmallInt(int32_t& value) {
  uint16_t w = 0;
  if (ReadWord(w) == kFileGood) value = static_cast<int16_t>(w);
  return Status;
}

int TRecFile::ReadShortString(std::string& s, int capacity) {
  if (capacity < 0 || capacity > 255) capacity = 255;
  char buf[256];
  if (ReadBytes(buf, capacity + 1) != kFileGood) return Status;
  // A length byte beyond the capacity (a damaged record) is held to it.
  std::size_t len =
      std::min<std::size_t>(static_cast<unsigned char>(buf[0]), static_cast<std::size_t>(capacity));
  s.assign(buf + 1, len);
  return Status;
}

int TRecFile::ReadWideArray(std::vector<uint16_t>& a, int highIndex) {
  std::size_t n = highIndex < 0 ? 0 : static_cast<std::size_t>(highIndex) + 1;
  std::vector<unsigned char> b(n * 2);
  if (ReadBytes(reinterpret_cast<char*>(b.data()), static_cast<int64_t>(b.size())) != kFileGood)
    return Status;
  a.resize(n);
  for (std::size_t i = 0; i < n; ++i) a[i] = static_cast<uint16_t>(b[2 * i] | b[2 * i + 1] << 8);
  return Status;
}

int TRecFile::WriteBytes(const char* buf, int64_t n) {
  if (Status != kFileGood && Status != kFileEnd) return Status;
  if (Handle < 0) return Status = kFileWriteError;
  // Writes gather into one positioned write per record, made at the next
  // seek, read or close, so a record rewritten in place is never half on disk.
  if (pendingStart_ + static_cast<int64_t>(pending_.size()) != Position || pending_.empty()) {
    if (!FlushPending()) return Status = kFileWriteError;
    pendingStart_ = Position;
  }
  pending_.append(buf, static_cast<std::size_t>(n));
  Position += n;
  return Status;
}

int TRecFile::WriteInteger(int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
               static_cast<char>(v >> 24)};
  return WriteBytes(b, 4);
}

int TRecFile::WriteWord(uint16_t value) {
  char b[2] = {static_cast<char>(value), static_cast<char>(value >> 8)};
  return WriteBytes(b, 2);
}

int TRecFile::WriteShortString(std::string_view s, int capacity) {
  if (capacity < 0 || capacity > 255) capacity = 255;
  std::string b(static_cast<std::size_t>(capacity) + 1, '\0');
  std::size_t len = std::min<std::size_t>(s.size(), static_cast<std::size_t>(capacity));
  b[0] = static_cast<char>(len);
  std::memcpy(b.data() + 1, s.data(), len);
  return WriteBytes(b.data(), static_cast<int64_t>(b.size()));
}

int TRecFile::WriteString255(std::string_view s) {
  return WriteShortString(s, 255);
}

int TRecFile::WriteWideArray(const std::vector<uint16_t>& a, int highIndex) {
  std::size_t n = highIndex < 0 ? 0 : static_cast<std::size_t>(highIndex) + 1;
  std::string b(n * 2, '\0');
  for (std::size_t i = 0; i < n && i < a.size(); ++i) {
    b[2 * i] = static_cast<char>(a[i]);
    b[2 * i + 1] = static_cast<char>(a[i] >> 8);
  }
  return WriteBytes(b.data(), static_cast<int64_t>(b.size()));
}

int TRecFile::Seek(int64_t recordNo, int64_t recordSize) {
  if (Handle < 0 || recordNo < 0 || recordSize < 0) return -1;
  if (!FlushPending()) {
    Status = kFileWriteError;
    return -1;
  }
  Position = recordNo * recordSize;
  return 1;
}

int64_t TRecFile::RecordCount(int64_t recordSize) const {
  return recordSize > 0 && FileSize > 0 ? FileSize / recordSize : 0;
}

bool TRecFile::IsWholeRecords(int64_t recordSize) const {
  return recordSize > 0 && FileSize >= 0 && FileSize % recordSize == 0;
}

// ---- shared functions ----

std::vector<std::string> SplitFields(std::string_view text, std::string_view delimiters) {
  if (delimiters.empty()) delimiters = " ,\r\n";
  const bool escapes = text.find('%') != std::string_view::npos;
  std::vector<std::string> fields;
  std::string field;
  bool inField = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (delimiters.find(c) != std::string_view::npos) {
      if (escapes && inField && !field.empty() && field.back() == '%') {
        field.back() = c;  // "%" escapes the delimiter and is dropped
        continue;
      }
      if (inField) fields.push_back(std::move(field));
      field.clear();
      inField = false;
    } else {
      field += c;
      inField = true;
    }
  }
  if (inField) fields.push_back(std::move(field));
  return fields;
}

std::string CapitalizeName(std::string_view name) {
  std::string n(name);
  auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
  if (!n.empty() && lower(n[0])) n[0] = static_cast<char>(n[0] - 32);
  std::size_t blank = n.find(' ');
  if (blank != std::string::npos && blank + 1 < n.size() && lower(n[blank + 1]))
    n[blank + 1] = static_cast<char>(n[blank + 1] - 32);
  return n;
}

std::vector<std::string> ListFiles(std::string_view mask) {
  std::vector<std::string> names;
  for (const std::string& file : MatchFiles(mask))
    names.push_back(CapitalizeName(file.substr(0, file.find('.'))));
  return names;
}

std::vector<std::string> ListFiles(std::string_view mask, std::string_view first) {
  std::vector<std::string> names = ListFiles(mask);
  names.insert(names.begin(), std::string(first));
  return names;
}

}  // namespace tq
