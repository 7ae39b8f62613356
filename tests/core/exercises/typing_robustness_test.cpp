// Any key in any order, on texts with odd bytes and on displays too small
// for their words: the sessions never leave their state, and the progress
// stays within 0..100. Run under the sanitizers this also checks that no
// index leaves its text or word list.

#include <gtest/gtest.h>

#include <string>

#include "core/exercises/keyboard_drill.h"
#include "core/exercises/text_session.h"
#include "core/shell/random.h"

namespace tq {
namespace {

const char* const kTexts[] = {
    "",
    "\r\n\r\n",
    "one",
    "a\tb\r\n\r\nc\xFF"
    "d\n\ne",
    "\"\244|w\"credit only\r\n",
    "averyveryverylongwordthatfillsthewholedisplayandmore short\r\nx y z\r\n",
    "ab\0cd ef",
};

std::string TextAt(int i) {
  // The last text carries a zero byte, which ends it.
  return i == 6 ? std::string("ab\0cd ef", 8) : std::string(kTexts[i]);
}

char RandomKey() {
  static const char keys[] = "abcdxyz .,\r\b\t\x1B\xFF\xE9";
  return keys[RandomInt(sizeof keys - 1)];
}

TEST(TypingRobustnessTest, RandomKeysNeverBreakTheTextSessions) {
  Randomize(11);
  FixedFontMetrics font(10, 16);
  for (TextKind kind : {TextKind::Text, TextKind::Exam, TextKind::Sentence, TextKind::Paragraph}) {
    for (int i = 0; i < 7; ++i) {
      TextSession s(font, font);
      s.TypingView().SetClientSize(60, 30);
      TextSessionParams p;
      p.Kind = kind;
      p.Text = TextAt(i);
      p.SentenceLoop = 1;
      p.SentenceMaxLoop = 3;
      s.Show(p);
      double now = 46000.5;
      for (int k = 0; k < 400; ++k) {
        now += RandomInt(300) / 1e6;
        s.KeyPress(RandomKey(), now);
        ASSERT_GE(s.Progress(), 0);
        ASSERT_LE(s.Progress(), 100);
        ASSERT_LE(s.TypingView().TypedText().size(), TWordInfo::kMaxText);
      }
      const TextResults r = s.Finish(3);
      EXPECT_GE(r.Ticks, 0);
      EXPECT_LE(r.Accuracy, 100.0f);
    }
  }
}

TEST(TypingRobustnessTest, RandomKeysNeverBreakTheDrills) {
  Randomize(12);
  FixedFontMetrics font(10, 16);
  TKeyDataExt noLayout;
  for (int i = 0; i < 7; ++i) {
    const DrillParams p{TextAt(i), "abc", 2, 3, i % 2 == 0};
    WordDrill word(font, font, noLayout);
    NewKeysDrill keys(font, noLayout);
    KeyboardDrill board(font, noLayout);
    CustomKeyboardDrill* drills[] = {&word, &keys, &board};
    for (CustomKeyboardDrill* d : drills) {
      d->Show(p);
      double now = 46000.5;
      for (int k = 0; k < 400; ++k) {
        now += RandomInt(30) / 86400.0 / 10;
        d->KeyPress(RandomKey(), now);
        d->Tick(now);
        ASSERT_GE(d->Progress(), 0);
        ASSERT_LE(d->Progress(), 100);
      }
      d->Finish();
    }
  }
}

}  // namespace
}  // namespace tq
