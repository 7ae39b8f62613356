#pragma once
// What the core asks of the platform: dialogs, the clock, the event pump, the
// keyboard layout and the screen. The GUI implements it with Qt; tests use a
// fake with a settable clock and scripted answers.

#include <cstdint>
#include <optional>
#include <string>

namespace tq {

enum class MessageKind { Information, Warning, Error };

class Host {
 public:
  virtual ~Host() = default;

  // A modal box with one OK button. Texts are Windows-1252.
  virtual void ShowMessage(MessageKind kind, const std::string& caption,
                           const std::string& text) = 0;
  // A modal question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;

  // Local date-time as a day count since 1899-12-30 (fraction = time of day).
  virtual double Now() = 0;
  // Milliseconds since some start; 32 bits, wraps around.
  virtual uint32_t TickCount() = 0;
  virtual void Sleep(uint32_t ms) = 0;
  // Handles pending window events (a no-op without a window).
  virtual void ProcessMessages() = 0;

  // The short date and long time of a date-time, in the user's format.
  virtual std::string ShortDateText(double dateTime) = 0;
  virtual std::string LongTimeText(double dateTime) = 0;

  // The active keyboard layout as eight hex digits ("00000409"), if known.
  virtual std::optional<std::string> KeyboardLayoutId() = 0;

  virtual int ScreenWidth() = 0;
  virtual int PixelsPerInch() = 0;
};

// The program-wide host. Until one is installed, a silent host answers (no
// dialogs, "No" to every question, the system clock).
Host& GetHost();
void SetHost(Host* host);

}  // namespace tq
