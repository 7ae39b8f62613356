#include "core/shell/host.h"

#include <chrono>
#include <ctime>
#include <thread>

#include "core/shell/date_time.h"

namespace tq {
namespace {

class SilentHost final : public Host {
 public:
  void ShowMessage(MessageKind, const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  double Now() override { return SystemNow(); }
  uint32_t TickCount() override {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(ms.count());
  }
  void Sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  void ProcessMessages() override {}
  std::string ShortDateText(double dateTime) override { return FormatShortDate(dateTime); }
  std::string LongTimeText(double dateTime) override { return FormatLongTime(dateTime); }
  std::optional<std::string> KeyboardLayoutId() override { return std::nullopt; }
  int ScreenWidth() override { return 1024; }
  int PixelsPerInch() override { return 96; }
};

SilentHost g_silent;
Host* g_host = &g_silent;

}  // namespace

Host& GetHost() {
  return *g_host;
}
void SetHost(Host* host) {
  g_host = host ? host : &g_silent;
}

}  // namespace tq
