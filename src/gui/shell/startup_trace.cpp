#include "gui/shell/startup_trace.h"

#include <time.h>
#include <unistd.h>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tq {
namespace {

// Milliseconds since the process started, from the kernel's start time of
// the process (in clock ticks since boot) and the time since boot now.
double MsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  // The fields after the command name (which may hold blanks) in brackets.
  std::istringstream rest(line.substr(line.rfind(')') + 2));
  std::string field;
  for (int i = 3; i < 22 && rest >> field; ++i) {
  }
  unsigned long long startTicks = 0;
  rest >> startTicks;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool Enabled() {
  static const bool enabled = std::getenv("TAPQUILL_STARTUP_TRACE") != nullptr;
  return enabled;
}

class PaintMark : public QObject {
 public:
  PaintMark(QWidget* widget, const char* what) : QObject(widget), what_(what) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      StartupMark(what_);
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  const char* what_;
};

}  // namespace

void StartupMark(const char* what) {
  if (Enabled()) std::fprintf(stderr, "startup: %s after %.0f ms\n", what, MsSinceProcessStart());
}

void StartupMarkOnPaint(QWidget* widget, const char* what) {
  if (Enabled() && widget) new PaintMark(widget, what);
}

}  // namespace tq
