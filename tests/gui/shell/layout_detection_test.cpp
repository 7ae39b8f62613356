// Finding the active keyboard layout on a real display server. The smoke
// script tests/smoke/layout_detection.sh gives an X server or a Wayland
// compositor a layout and runs this test with what it expects in
// TAPQUILL_EXPECT_LAYOUT (an XKB code, or "none"), TAPQUILL_EXPECT_SOURCE
// and TAPQUILL_EXPECT_NAME; without them there is nothing to compare with
// and the test is skipped.

#include <gtest/gtest.h>

#include <cstdio>

#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "gui/shell/qt_host.h"

namespace tq {
namespace {

const char* SourceName(LayoutSource source) {
  switch (source) {
    case LayoutSource::kX11:
      return "x11";
    case LayoutSource::kWayland:
      return "wayland";
    case LayoutSource::kDesktopSettings:
      return "desktop";
    case LayoutSource::kSystemConfig:
      return "system";
    case LayoutSource::kNone:
      break;
  }
  return "none";
}

TEST(LayoutDetection, FindsTheLayoutTheDesktopWasGiven) {
  const QByteArray expected = qgetenv("TAPQUILL_EXPECT_LAYOUT");
  if (expected.isEmpty()) GTEST_SKIP() << "no display server was given a layout";
  LayoutSource source = LayoutSource::kNone;
  const std::optional<std::string> layout = ActiveXkbLayout(&source);
  EXPECT_EQ(layout.value_or("none"), expected.toStdString());
  EXPECT_STREQ(SourceName(source), qgetenv("TAPQUILL_EXPECT_SOURCE").constData());

  // The name the Settings tab shows beside the automatic choice.
  QtHost host;
  SetHost(&host);
  const std::string name = Settings().DetectedLayoutName();
  SetHost(nullptr);
  // A system file may name any layout; its name is not checked.
  if (!qEnvironmentVariableIsEmpty("TAPQUILL_EXPECT_NAME")) {
    EXPECT_EQ(name, qgetenv("TAPQUILL_EXPECT_NAME").toStdString());
  }
  std::printf("detected layout: %s from %s, shown as \"%s\"\n", layout.value_or("none").c_str(),
              SourceName(source), name.c_str());
}

}  // namespace
}  // namespace tq
