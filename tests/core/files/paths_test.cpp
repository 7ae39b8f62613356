#include "core/files/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace tq {
namespace {

dev_t DeviceOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

// A folder on another file system than the temporary folder: /dev/shm (a
// tmpfs on Linux); empty when there is none.
std::string OtherFileSystemFolder(const std::string& here) {
  std::string tmpl = "/dev/shm/tapquill-XXXXXX";
  if (DeviceOf("/dev/shm") == 0 || DeviceOf("/dev/shm") == DeviceOf(here)) return {};
  char* made = ::mkdtemp(tmpl.data());
  return made ? std::string(made) + "/" : std::string();
}

TEST(PathsTest, MovesNeverReplaceAndCrossFileSystems) {
  test::TempDir dir;
  const std::string other = OtherFileSystemFolder(dir.path());
  if (other.empty()) GTEST_SKIP() << "no second file system (/dev/shm) to move onto";
  struct Case {
    std::string from, to;
  } cases[] = {{dir / "a.org", dir / "a.kl4"}, {dir / "b.org", other + "b.kl4"}};
  for (const Case& c : cases) {
    const std::string bytes = std::string(20000, 'x') + "end";
    test::WriteFile(c.from, bytes);
    test::WriteFile(c.to, "old");
    // An existing file is never replaced.
    EXPECT_FALSE(MoveFileTo(c.from, c.to));
    EXPECT_EQ(test::ReadFile(c.to), "old");
    ASSERT_TRUE(DeleteFileAt(c.to));
    EXPECT_TRUE(MoveFileTo(c.from, c.to)) << c.to;
    EXPECT_FALSE(FileExists(c.from)) << c.to;
    EXPECT_EQ(test::ReadFile(c.to), bytes);
  }
  std::string cleanup = "rm -rf '" + other + "'";
  EXPECT_EQ(std::system(cleanup.c_str()), 0);
}

}  // namespace
}  // namespace tq
