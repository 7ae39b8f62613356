#pragma once
// Helpers of the GUI tests: a script of steps that runs inside the pages'
// local loops, a program directory laid out from the shipped material, and
// a snapshot of which parent every storage-form control has.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_host.h"
#include "support/temp_dir.h"

class QWidget;

namespace tq::test {

// Steps run one after the other from a timer, so they run inside whatever
// page loop is waiting. A step waits until its condition holds. When the
// script times out it fails the test and ends every page loop.
class PageScript : public QObject {
 public:
  explicit PageScript(int timeoutMs = 15000);
  ~PageScript() override;

  PageScript& When(std::function<bool()> condition, std::function<void()> action);
  PageScript& Then(std::function<void()> action);
  // Runs on every tick before the steps (to watch what is shown).
  void Watch(std::function<void()> watcher) { watcher_ = std::move(watcher); }
  bool Done() const { return next_ == steps_.size(); }

 private:
  void Tick();
  std::vector<std::pair<std::function<bool()>, std::function<void()>>> steps_;
  std::size_t next_ = 0;
  std::function<void()> watcher_;
  QTimer timer_;
  int elapsed_ = 0;
  int timeout_;
};

// A program directory with the shipped settings templates, keyboard file,
// user base template and default course, and a separate folder standing in
// for the per-machine setup folder.
class ProgramDir {
 public:
  ProgramDir();
  const std::string& path() const { return dir_.path(); }
  const std::string& windowsDir() const { return windows_.path(); }
  std::string File(const std::string& name) const { return dir_ / name; }
  // Writes "KLCommon.ini" with these "Common Settings" entries.
  void SetCommon(const std::vector<std::pair<std::string, std::string>>& entries);
  void Remove(const std::string& name);

 private:
  TempDir dir_;
  TempDir windows_;
};

// A test that runs the program in-process on a copy of the whole shipped
// program directory, with a fake host, and puts back the current folder,
// the sound slots and the termination flag that a run changes.
class ShippedProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  FakeHost host;
  TempDir program;
  TempDir windows;
  QString oldDir;
};

// Every control of every storage form with its parent.
using ParentSnapshot = std::vector<std::pair<QWidget*, QWidget*>>;
ParentSnapshot StorageParents();

}  // namespace tq::test
