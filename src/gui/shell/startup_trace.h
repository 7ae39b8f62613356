#pragma once
// A measuring aid: with TAPQUILL_STARTUP_TRACE set in the environment, the
// program writes to standard error how long after its process started it
// reached each mark ("first window", "cover page"). Silent otherwise.

class QWidget;

namespace tq {

void StartupMark(const char* what);
// Marks when the widget has been painted for the first time.
void StartupMarkOnPaint(QWidget* widget, const char* what);

}  // namespace tq
