#include "admin/admin.h"

#include <cstdio>
#include <iostream>

#include "core/files/ansi.h"

namespace tq::admin {

// Command groups, each in its own source file (declare it here and add its
// row to kGroups).
int CourseCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int KbdCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int UsersCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);
int ShareCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

namespace {

struct Group {
  const char* name;
  const char* summary;
  CommandFn run;
};

const Group kGroups[] = {
    {"course", "course contents files: lessons, exercises, events, messages", CourseCommand},
    {"kbd", "keyboard layout files: show every key and loader message", KbdCommand},
    {"users", "the user base: list the students, show one, export a CSV", UsersCommand},
    {"share", "a data folder a class shares: prepare it from the program directory", ShareCommand},
    {nullptr, nullptr, nullptr},
};

void PrintHelp(std::ostream& out) {
  out << "Usage: tapquill-admin COMMAND [ARGS...]\n\nCommands:\n";
  for (const Group* g = kGroups; g->name; ++g) out << "  " << g->name << "  " << g->summary << "\n";
  out << "\n'tapquill-admin COMMAND --help' describes a command.\n";
}

}  // namespace

int Run(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(args.empty() ? err : out);
    return args.empty() ? kExitUsage : kExitOk;
  }
  for (const Group* g = kGroups; g->name; ++g)
    if (args[0] == g->name) return g->run(CommandArgs(args.begin() + 1, args.end()), out, err);
  err << "tapquill-admin: unknown command '" << args[0] << "'\n";
  PrintHelp(err);
  return kExitUsage;
}

int RunAdmin(int argc, char** argv) {
  CommandArgs args(argv + 1, argv + argc);
  return Run(args, std::cout, std::cerr);
}

std::string OptionValue(const CommandArgs& args, const std::string& option) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == option) return args[i + 1];
  return {};
}

bool HasFlag(const CommandArgs& args, const std::string& flag) {
  for (const std::string& a : args)
    if (a == flag) return true;
  return false;
}

bool AnswersUsage(const CommandArgs& args, const char* usage, std::ostream& out, std::ostream& err,
                  int& code) {
  if (args.empty()) {
    err << usage;
    code = kExitUsage;
    return true;
  }
  if (HasFlag(args, "--help") || HasFlag(args, "-h") || args[0] == "help") {
    out << usage;
    code = kExitOk;
    return true;
  }
  return false;
}

std::string JsonString(const std::string& ansi) {
  std::string out = "\"";
  for (char c : AnsiToUtf8(ansi)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace tq::admin
