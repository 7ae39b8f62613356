#pragma once
// Shared pieces of the records tests: a data folder with a fake host, raw
// records poked together byte by byte at their documented offsets, and a
// child process that holds a file open with a sharing lock.

#include <gtest/gtest.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq::test {

// A fresh data folder as the settings' DataPath, the fake host installed,
// the error log inside the folder and the shared statistics cleared.
class RecordsTest : public ::testing::Test {
 protected:
  RecordsTest();
  ~RecordsTest() override;

  std::string Base() const { return dir / "userbase.kl4"; }
  // Texts of the error boxes shown so far.
  std::vector<std::string> Errors() const;

  TempDir dir;
  FakeHost host;

 private:
  std::string oldDataPath_;
};

// Bytes of a record written by hand, little-endian.
class RawBytes {
 public:
  explicit RawBytes(std::size_t size) : bytes(size, '\0') {}
  RawBytes& Text(std::size_t at, std::string_view s);  // length byte + characters
  RawBytes& I16(std::size_t at, int32_t v);
  RawBytes& I32(std::size_t at, int32_t v);
  RawBytes& Byte(std::size_t at, int v);
  std::string bytes;
};

// Runs a child process that opens `path` with the share mode and keeps it
// open until Release (or the destructor).
class LockHolder {
 public:
  LockHolder(const std::string& path, int share);
  ~LockHolder();
  void Release();
  bool holding() const { return holding_; }

 private:
  pid_t pid_ = -1;
  int ready_[2]{-1, -1}, release_[2]{-1, -1};
  bool holding_ = false;
};

}  // namespace tq::test
