// The sharing modes between two processes, as two computers meet on a shared
// data folder: a writers-denied reader and an exclusive writer exclude each
// other; two readers do not.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/files/data_file.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

// Runs `hold` in a child process that keeps the file open until told to
// close it; returns the child's pid. The child writes one byte when it holds
// the file and waits for one byte before it ends.
struct Holder {
  pid_t pid = -1;
  int ready[2]{-1, -1}, release[2]{-1, -1};
};

Holder StartHolder(const std::string& path, int share, bool asText) {
  Holder h;
  EXPECT_EQ(::pipe(h.ready), 0);
  EXPECT_EQ(::pipe(h.release), 0);
  h.pid = ::fork();
  if (h.pid == 0) {
    int status;
    TRecFile rec;
    TTextFile text;
    status = asText ? text.Open(path, 1) : rec.Open(path, 2, share);
    char c = status == kFileGood ? 'y' : 'n';
    if (::write(h.ready[1], &c, 1) != 1) ::_exit(3);
    if (::read(h.release[0], &c, 1) != 1) ::_exit(4);
    ::_exit(0);
  }
  char c = 0;
  EXPECT_EQ(::read(h.ready[0], &c, 1), 1);
  EXPECT_EQ(c, 'y');
  return h;
}

void StopHolder(Holder& h) {
  char c = 'x';
  EXPECT_EQ(::write(h.release[1], &c, 1), 1);
  int status = 0;
  ::waitpid(h.pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (int fd : {h.ready[0], h.ready[1], h.release[0], h.release[1]}) ::close(fd);
}

TEST(Sharing, ReaderAndExclusiveWriterExcludeEachOther) {
  test::TempDir dir;
  const std::string path = dir / "userbase.kl4";
  test::WriteFile(path, std::string(100, 'u'));

  // Another process reads with writers denied: an exclusive open is busy.
  Holder reader = StartHolder(path, TRecFile::kShareDenyWrite, false);
  TRecFile exclusive;
  EXPECT_EQ(exclusive.Open(path, 2, TRecFile::kShareExclusive), kFileOpenFailed);
  TRecFile secondReader;  // readers share
  EXPECT_EQ(secondReader.Open(path, 1, TRecFile::kShareDenyWrite), kFileGood);
  secondReader.Close();
  StopHolder(reader);
  TRecFile afterwards;
  EXPECT_EQ(afterwards.Open(path, 2, TRecFile::kShareExclusive), kFileGood);
  afterwards.Close();

  // And the reverse: an exclusive holder makes a reader busy.
  Holder writer = StartHolder(path, TRecFile::kShareExclusive, false);
  TRecFile denied;
  EXPECT_EQ(denied.Open(path, 1, TRecFile::kShareDenyWrite), kFileOpenFailed);
  TTextFile text;
  EXPECT_EQ(text.Open(path, 1), kFileOpenFailed);
  StopHolder(writer);
  EXPECT_EQ(denied.Open(path, 1, TRecFile::kShareDenyWrite), kFileGood);
}

TEST(Sharing, TextReaderBlocksAnExclusiveWriter) {
  test::TempDir dir;
  const std::string path = dir / "course.cnt";
  test::WriteFile(path, "line\r\n");
  Holder reader = StartHolder(path, 0, true);
  TRecFile exclusive;
  EXPECT_EQ(exclusive.Open(path, 2, TRecFile::kShareExclusive), kFileOpenFailed);
  StopHolder(reader);
}

TEST(Sharing, TwoObjectsOfOneProcessConflictToo) {
  test::TempDir dir;
  const std::string path = dir / "t.klt";
  test::WriteFile(path, "x");
  TRecFile a, b;
  ASSERT_EQ(a.Open(path, 2, TRecFile::kShareExclusive), kFileGood);
  EXPECT_EQ(b.Open(path, 1, TRecFile::kShareDenyWrite), kFileOpenFailed);
  a.Close();
  EXPECT_EQ(b.Open(path, 1, TRecFile::kShareDenyWrite), kFileGood);
}

}  // namespace
}  // namespace tq
