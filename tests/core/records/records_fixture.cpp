#include "records_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include "core/files/data_file.h"
#include "core/records/difficult_keys.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"

namespace tq::test {

RecordsTest::RecordsTest() {
  host.Install();
  oldDataPath_ = Settings().DataPath;
  Settings().DataPath = dir.path();
  SetErrorLogPath(dir / "Errors.log");
  DifficultKeys().Clear();
  SetCurrentUser(nullptr);
}

RecordsTest::~RecordsTest() {
  SetCurrentUser(nullptr);
  DifficultKeys().Clear();
  SetQuitHandler(nullptr);
  Settings().DataPath = oldDataPath_;
  SetErrorLogPath("Errors.log");
}

std::vector<std::string> RecordsTest::Errors() const {
  std::vector<std::string> texts;
  for (const RecordedMessage& m : host.messages)
    if (m.kind == MessageKind::Error) texts.push_back(m.text);
  return texts;
}

RawBytes& RawBytes::Text(std::size_t at, std::string_view s) {
  bytes.at(at) = static_cast<char>(s.size());
  bytes.replace(at + 1, s.size(), s);
  return *this;
}

RawBytes& RawBytes::I16(std::size_t at, int32_t v) {
  bytes.at(at) = static_cast<char>(v & 0xFF);
  bytes.at(at + 1) = static_cast<char>((v >> 8) & 0xFF);
  return *this;
}

RawBytes& RawBytes::I32(std::size_t at, int32_t v) {
  I16(at, v & 0xFFFF);
  return I16(at + 2, (v >> 16) & 0xFFFF);
}

RawBytes& RawBytes::Byte(std::size_t at, int v) {
  bytes.at(at) = static_cast<char>(v);
  return *this;
}

LockHolder::LockHolder(const std::string& path, int share) {
  if (::pipe(ready_) != 0 || ::pipe(release_) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    TRecFile file;
    char c = file.Open(path, 2, share) == kFileGood ? 'y' : 'n';
    if (::write(ready_[1], &c, 1) != 1) ::_exit(3);
    if (::read(release_[0], &c, 1) != 1) ::_exit(4);
    ::_exit(0);
  }
  char c = 0;
  holding_ = ::read(ready_[0], &c, 1) == 1 && c == 'y';
}

void LockHolder::Release() {
  if (pid_ <= 0) return;
  char c = 'x';
  if (::write(release_[1], &c, 1) != 1) ADD_FAILURE() << "holder gone";
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  holding_ = false;
  for (int fd : {ready_[0], ready_[1], release_[0], release_[1]}) ::close(fd);
}

LockHolder::~LockHolder() {
  Release();
}

}  // namespace tq::test
