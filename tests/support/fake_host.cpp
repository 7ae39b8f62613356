#include "support/fake_host.h"

#include "core/shell/date_time.h"

namespace tq::test {

FakeHost::FakeHost() = default;

FakeHost::~FakeHost() {
  if (installed_) SetHost(nullptr);
}

void FakeHost::Install() {
  SetHost(this);
  installed_ = true;
}

void FakeHost::ShowMessage(MessageKind kind, const std::string& caption, const std::string& text) {
  messages.push_back({kind, caption, text});
}

bool FakeHost::AskYesNo(const std::string& caption, const std::string& text) {
  questions.push_back({MessageKind::Information, caption, text});
  if (answers.empty()) return false;
  bool yes = answers.front();
  answers.pop_front();
  return yes;
}

void FakeHost::Sleep(uint32_t ms) {
  slept += ms;
  ticks += ms;
  now += ms / 86400000.0;
}

std::string FakeHost::ShortDateText(double dateTime) {
  return FormatShortDate(dateTime);
}
std::string FakeHost::LongTimeText(double dateTime) {
  return FormatLongTime(dateTime);
}

}  // namespace tq::test
