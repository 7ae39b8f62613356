// "share init DIR": prepares a data folder that the computers of a class
// share (a mounted network folder). It takes from the program directory the
// two shared settings files and the empty user base, never overwrites a
// file that is already there (a class's students stay), and prints the
// "DataPath=" line each computer's settings need.

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

#include "admin/admin.h"
#include "core/files/paths.h"
#include "core/records/user.h"

namespace tq::admin {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Usage: tapquill-admin share init DIR [--program PROGDIR]\n"
    "  init DIR      prepares DIR as the data folder a class shares: copies\n"
    "                KLCommon.ini and KLKeyb.ini from the program directory and\n"
    "                makes userbase.kl4 from its UserBase.org. A file already in\n"
    "                DIR is kept as it is. Prints the DataPath= line to put in\n"
    "                the [General Settings] of each computer's KLSetup.ini (or of\n"
    "                KLDef.ini in the program directory).\n"
    "PROGDIR is the program directory (default: the current folder).\n"
    "Exit status 2 for a wrong command or a program directory without the\n"
    "files, 1 when DIR cannot be made or a file cannot be copied.\n";

struct SharedFile {
  const char* source;  // in the program directory
  const char* target;  // in the shared folder
};

const SharedFile kSharedFiles[] = {
    {"KLCommon.ini", "KLCommon.ini"},
    {"KLKeyb.ini", "KLKeyb.ini"},
    {"UserBase.org", TUser::kUserbaseName},
};

int Init(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2 || args[1].empty() || args[1][0] == '-') {
    err << kUsage;
    return kExitUsage;
  }
  const std::string given = OptionValue(args, "--program");
  const std::string program =
      IncludeTrailingBackslash(NativePath(given.empty() ? std::string("./") : given));
  for (const SharedFile& f : kSharedFiles)
    if (!FileExists(program + f.source)) {
      err << "tapquill-admin share: " << NativePath(program + f.source)
          << " not found; run in the program directory or give --program\n";
      return kExitUsage;
    }

  std::error_code ec;
  const fs::path folder = fs::absolute(NativePath(args[1]), ec);
  if (ec || !ForceDirectories(folder.string())) {
    err << "tapquill-admin share: cannot make the folder " << folder.string() << "\n";
    return kExitFailure;
  }
  const std::string dir = IncludeTrailingBackslash(folder.lexically_normal().string());
  int failures = 0;
  for (const SharedFile& f : kSharedFiles) {
    const std::string target = dir + f.target;
    if (FileExists(target)) {
      out << "kept    " << NativePath(ResolveExisting(target)) << "\n";
      continue;
    }
    if (!CopyFileTo(program + f.source, target) || !SetNormalAttributes(target)) {
      err << "tapquill-admin share: cannot copy " << NativePath(program + f.source) << " to "
          << NativePath(target) << "\n";
      ++failures;
      continue;
    }
    out << "made    " << NativePath(target) << "\n";
  }
  if (failures) return kExitFailure;
  // Every computer of the class reads and writes the base.
  fs::permissions(NativePath(dir + TUser::kUserbaseName),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::group_write,
                  fs::perm_options::add, ec);
  out << "\nPut this line in the [General Settings] of each computer's KLSetup.ini:\n"
      << "DataPath=" << NativePath(dir) << "\n";
  return kExitOk;
}

}  // namespace

int ShareCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (int code = kExitOk; AnswersUsage(args, kUsage, out, err, code)) return code;
  if (args[0] == "init") return Init(args, out, err);
  err << "tapquill-admin share: unknown command '" << args[0] << "'\n" << kUsage;
  return kExitUsage;
}

}  // namespace tq::admin
