#pragma once
// The Host of the running program: Qt message boxes, the system clock, the
// event pump, the desktop's keyboard layout and the primary screen.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "core/shell/host.h"

namespace tq {

class QtHost : public Host {
 public:
  QtHost();
  // Message boxes are centred on this window when set.
  void SetParentWindow(QWidget* window) { parent_ = window; }

  void ShowMessage(MessageKind kind, const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  double Now() override;
  uint32_t TickCount() override;
  void Sleep(uint32_t ms) override;
  void ProcessMessages() override;
  std::string ShortDateText(double dateTime) override;
  std::string LongTimeText(double dateTime) override;
  std::optional<std::string> KeyboardLayoutId() override;
  int ScreenWidth() override;
  int PixelsPerInch() override;

 private:
  // The window a box is centred on: the one set, else the active one.
  QWidget* Parent() const;
  QPointer<QWidget> parent_;
  QElapsedTimer clock_;
};

// Where the active keyboard layout was found.
enum class LayoutSource { kNone, kX11, kWayland, kDesktopSettings, kSystemConfig };

// The XKB code of the active keyboard layout ("de"): the X server's, else
// the Wayland compositor's keymap, else the desktop's input-source settings
// (GNOME, KDE), else /etc/default/keyboard; nothing when none answers.
std::optional<std::string> ActiveXkbLayout(LayoutSource* source = nullptr);

// The Windows layout identifier of an XKB layout name ("us" -> "00000409").
std::optional<std::string> LayoutIdOfXkbName(const QString& xkbLayout);

}  // namespace tq
