#include "gui/gui_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>
#include <cstdio>
#include <filesystem>

#include "core/files/paths.h"
#include "gui/shell/form_view.h"
#include "gui/shell/sounds.h"
#include "gui/storage/storage_form.h"
#include "gui/storage/storage_forms.h"

namespace tq::test {

namespace {
constexpr int kTickMs = 2;
}

PageScript::PageScript(int timeoutMs) : timeout_(timeoutMs) {
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  timer_.start(kTickMs);
}

PageScript::~PageScript() {
  timer_.stop();
}

PageScript& PageScript::When(std::function<bool()> condition, std::function<void()> action) {
  steps_.emplace_back(std::move(condition), std::move(action));
  return *this;
}

PageScript& PageScript::Then(std::function<void()> action) {
  return When([] { return true; }, std::move(action));
}

void PageScript::Tick() {
  if (watcher_) watcher_();
  elapsed_ += kTickMs;
  if (next_ < steps_.size() && steps_[next_].first()) {
    // Queued, so that an action running a page's loop does not hold up
    // this timer (a timer does not fire again while its handler runs).
    QMetaObject::invokeMethod(this, steps_[next_].second, Qt::QueuedConnection);
    ++next_;
    return;
  }
  if (next_ < steps_.size() && elapsed_ > timeout_) {
    ADD_FAILURE() << "page script timed out at step " << next_ + 1;
    next_ = steps_.size();
    TerminateApplication();
  }
}

ProgramDir::ProgramDir() {
  const std::string data = TAPQUILL_DATA_DIR "/";
  for (const char* name :
       {"KLDef.ini", "KLKeyb.ini", "KLCommon.ini", "qwerty.kbd", "UserBase.org", "Beginner.cnt"})
    CopyFileTo(data + name, dir_ / name);
}

void ProgramDir::SetCommon(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string text = "[Common Settings]\r\n";
  for (const auto& [key, value] : entries) text += key + "=" + value + "\r\n";
  WriteFile(dir_ / "KLCommon.ini", text);
}

void ProgramDir::Remove(const std::string& name) {
  std::remove((dir_ / name).c_str());
}

ParentSnapshot StorageParents() {
  ParentSnapshot snapshot;
  for (TStorageForm* form : StorageForms().All())
    for (QWidget* w : form->findChildren<QWidget*>()) snapshot.emplace_back(w, w->parentWidget());
  return snapshot;
}

void ShippedProgramTest::SetUp() {
  host.Install();
  ResetSounds();
  oldDir = QDir::currentPath();
  std::filesystem::copy(
      TAPQUILL_DATA_DIR, program.path(),
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

void ShippedProgramTest::TearDown() {
  ResetSounds();
  QDir::setCurrent(oldDir);
  ResetApplicationTerminated();
}

}  // namespace tq::test
