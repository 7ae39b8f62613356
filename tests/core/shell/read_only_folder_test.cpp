// A program folder on a read-only medium or share: the student is told
// once, with the folder as this system writes it, and the program goes on
// reading without saving.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

// Runs CHECK as a user without rights to the folder (root writes anywhere,
// so a root test run gives the rights up in the child); exits 0 when every
// check held, printing the first that failed otherwise.
template <typename Check>
void AsUnprivileged(Check check) {
  if (::geteuid() == 0 && ::setuid(65534) != 0) {
    std::fprintf(stderr, "cannot give up root\n");
    std::_Exit(2);
  }
  const std::string failed = check();
  if (!failed.empty()) std::fprintf(stderr, "%s\n", failed.c_str());
  std::_Exit(failed.empty() ? 0 : 1);
}

TEST(ReadOnlyFolder, IsReportedOnceAndNothingIsWritten) {
  test::TempDir prog;
  {
    test::FakeHost host;
    host.Install();
    test::WriteFile(prog / "KLDef.ini",
                    "[General Settings]\r\nLanguageID=UK\r\nDataPath=\r\nPlaySounds=1\r\n");
    test::WriteFile(prog / "KLKeyb.ini", "[Keyboard Layouts]\r\nEnglish US=qwerty.kbd\r\n");
    test::WriteFile(prog / "KLCommon.ini", "[General Settings]\r\n[Common Settings]\r\n");
    test::WriteFile(prog / "Beginner.cnt", "");
    SetErrorLogPath(prog / "Errors.log");
    Settings().DataPath = prog.path();
    ASSERT_NE(TUser::CreateUser("Ann"), nullptr);
    Settings().DataPath = ".\\";
    SetErrorLogPath("Errors.log");
  }
  const std::string base = test::ReadFile(prog / "userbase.kl4");
  for (const char* file :
       {"KLDef.ini", "KLKeyb.ini", "KLCommon.ini", "Beginner.cnt", "userbase.kl4", "Errors.log"})
    ::chmod((prog / file).c_str(), 0444);
  ::chmod(prog.path().c_str(), 0555);

  EXPECT_EXIT(AsUnprivileged([&]() -> std::string {
                test::FakeHost host;
                host.Install();
                SetErrorLogPath(prog / "Errors.log");
                Settings() = TProgramSettings{};
                Settings().Create({prog.path(), prog.path()});
                Settings().Load();
                if (!Settings().ReadOnly()) return "not read-only";
                if (host.messages.size() != 1)
                  return "messages: " + std::to_string(host.messages.size());
                const std::string& text = host.messages[0].text;
                const std::string folder = prog.path();
                if (text.find(folder) == std::string::npos) return "no folder in: " + text;
                if (text.find('\\') != std::string::npos) return "a Windows path in: " + text;
                // A known student signs in and studies; nothing is saved, nothing said.
                std::unique_ptr<TUser> ann = TUser::FindUser("Ann");
                if (!ann) return "Ann not found";
                ann->StudyMinutes = 5;
                if (ann->SaveUser() != 1) return "save did not stand down";
                std::unique_ptr<TUser> bo = TUser::CreateUser("Bo");
                if (!bo || bo->Name != "Bo") return "no student from memory";
                Settings().Save();
                if (host.messages.size() != 1 || !host.questions.empty())
                  return "more messages: " + host.messages.back().text;
                return {};
              }),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(test::ReadFile(prog / "userbase.kl4"), base);
  ::chmod(prog.path().c_str(), 0755);
}

}  // namespace
}  // namespace tq
