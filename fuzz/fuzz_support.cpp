#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/files/held_files.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"

namespace tq::fuzz {
namespace {

class QuietHost : public Host {
 public:
  void ShowMessage(MessageKind, const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  double Now() override { return 46000.5; }
  uint32_t TickCount() override { return ticks_ += 1000; }
  void Sleep(uint32_t ms) override { ticks_ += ms; }
  void ProcessMessages() override {}
  std::string ShortDateText(double) override { return "09/12/2025"; }
  std::string LongTimeText(double) override { return "12:00:00"; }
  std::optional<std::string> KeyboardLayoutId() override { return std::string("00000409"); }
  int ScreenWidth() override { return 1024; }
  int PixelsPerInch() override { return 96; }

 private:
  uint32_t ticks_ = 0;
};

std::string MakeScratch() {
  std::string root = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  std::string tmpl = root + "/tapquill-fuzz-XXXXXX";
  if (!mkdtemp(tmpl.data())) std::abort();
  return tmpl + "/";
}

}  // namespace

const std::string& Scratch() {
  static const std::string dir = MakeScratch();
  static QuietHost host;
  SetHost(&host);
  if (ErrorLogPath() != "/dev/null") SetErrorLogPath("/dev/null");
  if (Settings().DataPath != dir) Settings().DataPath = dir;
  return dir;
}

std::string HoldInput(const std::string& name, const uint8_t* data, std::size_t size) {
  const std::string path = Scratch() + name;
  HoldFile(path, size > 0 ? std::string_view(reinterpret_cast<const char*>(data), size)
                          : std::string_view());
  return path;
}

std::pair<std::string, std::string> HoldInputPair(const std::string& first,
                                                  const std::string& second, const uint8_t* data,
                                                  std::size_t size) {
  const std::string_view all =
      size > 0 ? std::string_view(reinterpret_cast<const char*>(data), size) : std::string_view();
  const std::size_t mark = all.find(kSecondFileMark);
  const std::string_view one = all.substr(0, mark);
  const std::string_view two = mark == std::string_view::npos
                                   ? std::string_view()
                                   : all.substr(mark + sizeof kSecondFileMark - 1);
  const std::string firstPath = Scratch() + first, secondPath = Scratch() + second;
  HoldFile(firstPath, one);
  HoldFile(secondPath, two);
  return {firstPath, secondPath};
}

}  // namespace tq::fuzz
