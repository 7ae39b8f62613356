#pragma once
// tapquill-admin: commands over the core for whoever looks after an
// installation. Commands run in-process, so tests call Run directly.

#include <ostream>
#include <string>
#include <vector>

namespace tq::admin {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

using CommandArgs = std::vector<std::string>;
using CommandFn = int (*)(const CommandArgs& args, std::ostream& out, std::ostream& err);

// args excludes the program name: {"users", "list", "--data", "DIR"}.
int Run(const CommandArgs& args, std::ostream& out, std::ostream& err);
int RunAdmin(int argc, char** argv);

// Small helpers shared by the commands.
// The value after an option ("--data DIR"); empty when absent.
std::string OptionValue(const CommandArgs& args, const std::string& option);
bool HasFlag(const CommandArgs& args, const std::string& flag);
// A command with sub-commands answers no sub-command (usage error) and a
// request for help (usage) alike: true with CODE set when it has answered.
bool AnswersUsage(const CommandArgs& args, const char* usage, std::ostream& out, std::ostream& err,
                  int& code);
// Text for JSON output: 1252 converted to UTF-8, quotes and controls escaped.
std::string JsonString(const std::string& ansi);

}  // namespace tq::admin
