#include "gui/shell/qt_host.h"

#include <gtest/gtest.h>

#include "core/shell/date_time.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

TEST(QtText, ConvertsAnsiToUnicodeAndBack) {
  const std::string ansi =
      "Gr\xFC\xDF"
      "e \x80 \x93quoted\x94";
  QString text = ToQString(ansi);
  EXPECT_EQ(text, QString::fromUtf8("Grüße € “quoted”"));
  EXPECT_EQ(FromQString(text), ansi);
  // A character without a 1252 code is dropped, not mangled.
  EXPECT_EQ(FromQString(QString::fromUtf8("a中b")), "ab");
  EXPECT_EQ(AnsiOfChar(QChar(0x20AC)), 0x80);
  EXPECT_EQ(AnsiOfChar(QChar(0x4E2D)), -1);
}

TEST(QtHost, XkbLayoutsMapToLayoutIdentifiers) {
  EXPECT_EQ(LayoutIdOfXkbName("us"), "00000409");
  EXPECT_EQ(LayoutIdOfXkbName("gb,us"), "00000809");  // the first layout counts
  EXPECT_EQ(LayoutIdOfXkbName(" DE "), "00000407");
  EXPECT_EQ(LayoutIdOfXkbName("ch"), "00000807");
  EXPECT_EQ(LayoutIdOfXkbName("zz"), std::nullopt);
}

TEST(QtHost, ClockAndDateTexts) {
  QtHost host;
  double now = host.Now();
  EXPECT_NEAR(now, SystemNow(), 2.0 / 86400);
  uint32_t t0 = host.TickCount();
  host.Sleep(20);
  EXPECT_GE(host.TickCount() - t0, 20u);
  double dt = EncodeDateTime({2026, 12, 6, 17, 4, 5});
  EXPECT_NE(host.ShortDateText(dt).find("26"), std::string::npos);
  EXPECT_NE(host.LongTimeText(dt).find("17:04:05"), std::string::npos);
}

}  // namespace
}  // namespace tq
