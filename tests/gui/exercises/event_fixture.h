#pragma once
// What the event page tests share: a book window with the event pages'
// storage form, the shipped keyboard layout, a visitor signed in, a host
// whose clock the test moves (and which may let time pass while a question
// is open), a record of the sounds asked for, and helpers that type into
// the book window the way a student does.

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "gui/exercises/event_registry.h"
#include "gui/exercises/exercise_results.h"
#include "gui/gui_support.h"
#include "gui/shell/book_form.h"
#include "gui/shell/form_view.h"
#include "gui/shell/sounds.h"
#include "support/fake_host.h"

namespace tq::test {

// Seconds as a day count.
constexpr double kSecond = 1.0 / 86400.0;

// A host whose clock runs on while a Yes/No question is open.
class QuestionClockHost : public FakeHost {
 public:
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    now += secondsPerQuestion * kSecond;
    return FakeHost::AskYesNo(caption, text);
  }
  double secondsPerQuestion = 0;
};

class EventPageTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    RegisterEventPages();
    ASSERT_EQ(KeyData().LoadFromFile(TAPQUILL_DATA_DIR "/qwerty.kbd"), kFileGood);
    SetCurrentUser(nullptr);
    SetPlaySoundObserver([this](int slot) { sounds.push_back(slot); });
    SetExerciseResultsReceiver([this](const TextResults& r) { delivered.push_back(r); });
    book->show();
  }
  void TearDown() override {
    SetExerciseResultsReceiver({});
    SetPlaySoundObserver({});
    UnregisterEventPages();
    SetBookForm(nullptr);
    book.reset();
    SetCurrentUser(nullptr);
    ResetApplicationTerminated();
  }

  // Types the characters one by one, the clock moving on before each.
  void Type(const std::string& text, double secondsPerKey = 0.25) {
    for (char c : text) {
      host.now += secondsPerKey * kSecond;
      if (c == '\r')
        QTest::keyClick(book.get(), Qt::Key_Return);
      else if (c == '\b')
        QTest::keyClick(book.get(), Qt::Key_Backspace);
      else
        QTest::keyClick(book.get(), c);
    }
  }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(book.get(), key, modifiers);
  }

  QuestionClockHost host;
  std::unique_ptr<TBookForm> book;
  std::vector<int> sounds;
  std::vector<TextResults> delivered;
};

}  // namespace tq::test
