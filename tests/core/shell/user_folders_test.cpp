// The per-user folders follow the XDG variables, and a program directory
// apart from the executable, or one that cannot be written, is read-only.

#include "core/shell/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/files/paths.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserFoldersTest, FollowTheXdgVariablesElseTheHome) {
  ScopedEnv home("HOME", "/home/pat");
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserConfigFolder(), "/home/pat/.config/tapquill/");
    EXPECT_EQ(UserDataFolder(), "/home/pat/.local/share/tapquill/");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/srv/conf");
    ScopedEnv data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(UserConfigFolder(), "/srv/conf/tapquill/");
    EXPECT_EQ(UserDataFolder(), "/srv/data/tapquill/");
  }
  {
    // A relative XDG path does not count.
    ScopedEnv config("XDG_CONFIG_HOME", "conf");
    ScopedEnv data("XDG_DATA_HOME", "");
    EXPECT_EQ(UserConfigFolder(), "/home/pat/.config/tapquill/");
    EXPECT_EQ(UserDataFolder(), "/home/pat/.local/share/tapquill/");
  }
}

TEST(UserFoldersTest, AProgramApartFromItsExecutableIsReadOnly) {
  test::TempDir root;
  ForceDirectories(root / "usr/bin");
  ForceDirectories(root / "usr/share/tapquill");
  EXPECT_TRUE(IsReadOnlyProgramDir(root / "usr/share/tapquill", root / "usr/bin"));
  EXPECT_TRUE(IsReadOnlyProgramDir(root / "usr/bin/../share/tapquill", root / "usr/bin"));
  // The build's program directory: the executable beside its material.
  EXPECT_FALSE(IsReadOnlyProgramDir(root / "usr/bin", root / "usr/bin/"));
  EXPECT_FALSE(IsReadOnlyProgramDir(root / "usr/bin/.", root / "usr/bin"));
}

}  // namespace
}  // namespace tq
