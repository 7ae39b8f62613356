#pragma once
// A Host for tests: a settable clock, every message recorded, questions
// answered from a script (No when the script is empty).

#include <deque>
#include <string>
#include <vector>

#include "core/shell/host.h"

namespace tq::test {

struct RecordedMessage {
  MessageKind kind;
  std::string caption;
  std::string text;
};

class FakeHost : public Host {
 public:
  FakeHost();
  ~FakeHost() override;  // uninstalls itself if installed

  void ShowMessage(MessageKind kind, const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  double Now() override { return now; }
  uint32_t TickCount() override { return ticks; }
  // Sleeping advances the fake clocks, so retry loops finish at once.
  void Sleep(uint32_t ms) override;
  void ProcessMessages() override { ++processed; }
  std::string ShortDateText(double dateTime) override;
  std::string LongTimeText(double dateTime) override;
  std::optional<std::string> KeyboardLayoutId() override { return layoutId; }
  int ScreenWidth() override { return screenWidth; }
  int PixelsPerInch() override { return pixelsPerInch; }

  // Makes this the program-wide host until destroyed.
  void Install();
  void AnswerNext(bool yes) { answers.push_back(yes); }

  double now = 46000.5;  // 2025-12-09 12:00
  uint32_t ticks = 1000;
  int processed = 0;
  uint32_t slept = 0;
  std::optional<std::string> layoutId = std::string("00000409");
  int screenWidth = 1024;
  int pixelsPerInch = 96;
  std::deque<bool> answers;
  std::vector<RecordedMessage> messages;
  std::vector<RecordedMessage> questions;

 private:
  bool installed_ = false;
};

}  // namespace tq::test
