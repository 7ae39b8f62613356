#include "gui/shell/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>

#ifdef TAPQUILL_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include "core/shell/date_time.h"
#include "core/shell/xkb_layouts.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/wayland_keymap.h"

namespace tq {
namespace {

// How long the desktop's settings tool may take to answer.
constexpr int kToolTimeoutMs = 2000;

// A message over a page that was just taken down stands over its still.
void ShowBookStill(bool show) {
  if (TBookForm* book = BookForm()) book->ShowStill(show);
}

QDateTime ToQDateTime(double dateTime) {
  DateParts p = DecodeDateTime(dateTime);
  return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
}

struct XkbLayout {
  const char* name;
  const char* id;
};

// The primary language in the last two hex digits, the sub-language before them.
constexpr XkbLayout kXkbLayouts[] = {
    {"us", "00000409"}, {"gb", "00000809"}, {"ca", "00001009"}, {"de", "00000407"},
    {"ch", "00000807"}, {"fr", "0000040C"}, {"be", "0000080C"}, {"fi", "0000040B"},
    {"se", "0000041D"}, {"no", "00000414"}, {"dk", "00000406"}, {"is", "0000040F"},
    {"nl", "00000413"}, {"es", "0000040A"}, {"pt", "00000816"}, {"br", "00000416"},
    {"it", "00000410"}, {"hu", "0000040E"}, {"pl", "00000415"},
};

// Message texts break lines with CR, LF CR or CR LF; a box wants one LF.
QString MessageText(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

// The layout names of the X server's keyboard: the root window property
// that setxkbmap sets, "rules NUL model NUL layout NUL variant NUL options".
std::optional<QString> XkbLayoutOfServer() {
#ifdef TAPQUILL_HAVE_XCB
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return std::nullopt;
  static const char kName[] = "_XKB_RULES_NAMES";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr);
  if (!atom) return std::nullopt;
  const xcb_atom_t name = atom->atom;
  std::free(atom);
  if (name == XCB_ATOM_NONE) return std::nullopt;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, name, XCB_ATOM_STRING, 0, 1024), nullptr);
  if (!reply) return std::nullopt;
  const QList<QByteArray> fields =
      QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                 xcb_get_property_value_length(reply))
          .split('\0');
  std::free(reply);
  if (fields.size() > 2 && !fields[2].isEmpty()) return QString::fromLatin1(fields[2]);
#endif
  return std::nullopt;
}

QString FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The GNOME desktop's input sources, when its settings tool answers.
std::optional<std::string> GnomeInputSources() {
  if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty()) return std::nullopt;
  QProcess gsettings;
  gsettings.start(QStringLiteral("gsettings"),
                  {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.input-sources"),
                   QStringLiteral("sources")});
  if (!gsettings.waitForFinished(kToolTimeoutMs)) {
    gsettings.kill();
    gsettings.waitForFinished(kToolTimeoutMs);
    return std::nullopt;
  }
  if (gsettings.exitStatus() != QProcess::NormalExit || gsettings.exitCode() != 0)
    return std::nullopt;
  return XkbLayoutOfInputSources(gsettings.readAllStandardOutput().toStdString());
}

}  // namespace

std::optional<std::string> ActiveXkbLayout(LayoutSource* source) {
  auto found = [source](LayoutSource from, std::optional<std::string> layout) {
    if (layout && source) *source = from;
    return layout;
  };
  // The display server the program runs on knows best: the X server's
  // layout, or the keymap the Wayland compositor sends.
  if (std::optional<QString> x11 = XkbLayoutOfServer())
    return found(LayoutSource::kX11, x11->section(',', 0, 0).trimmed().toStdString());
  if (std::optional<std::string> keymap = WaylandKeymapText())
    if (auto layout = XkbLayoutOfKeymap(*keymap)) return found(LayoutSource::kWayland, layout);
  // Then what the desktop's settings and the system's configuration say.
  if (auto layout = GnomeInputSources()) return found(LayoutSource::kDesktopSettings, layout);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (auto layout =
          XkbLayoutOfKdeConfig(FileText(config + QStringLiteral("/kxkbrc")).toStdString()))
    return found(LayoutSource::kDesktopSettings, layout);
  if (auto layout = XkbLayoutOfKeyboardConfig(
          FileText(QStringLiteral("/etc/default/keyboard")).toStdString()))
    return found(LayoutSource::kSystemConfig, layout);
  if (source) *source = LayoutSource::kNone;
  return std::nullopt;
}

std::optional<std::string> LayoutIdOfXkbName(const QString& xkbLayout) {
  QString first = xkbLayout.section(',', 0, 0).trimmed().toLower();
  for (const XkbLayout& l : kXkbLayouts)
    if (first == QLatin1String(l.name)) return std::string(l.id);
  return std::nullopt;
}

QtHost::QtHost() {
  clock_.start();
}

void QtHost::ShowMessage(MessageKind kind, const std::string& caption, const std::string& text) {
  QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                           : kind == MessageKind::Warning ? QMessageBox::Warning
                                                          : QMessageBox::Information;
  QMessageBox box(icon, ToQString(caption), MessageText(text), QMessageBox::Ok, Parent());
  ShowBookStill(true);
  box.exec();
  ShowBookStill(false);
}

bool QtHost::AskYesNo(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Question, ToQString(caption), MessageText(text),
                  QMessageBox::Yes | QMessageBox::No, Parent());
  ShowBookStill(true);
  const bool yes = box.exec() == QMessageBox::Yes;
  ShowBookStill(false);
  return yes;
}

QWidget* QtHost::Parent() const {
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

double QtHost::Now() {
  QDateTime now = QDateTime::currentDateTime();
  QDate d = now.date();
  QTime t = now.time();
  return EncodeDateTime({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()}) +
         t.msec() / 86400000.0;
}

uint32_t QtHost::TickCount() {
  return static_cast<uint32_t>(clock_.elapsed());
}

void QtHost::Sleep(uint32_t ms) {
  QThread::msleep(ms);
}

void QtHost::ProcessMessages() {
  QCoreApplication::processEvents();
}

std::string QtHost::ShortDateText(double dateTime) {
  return FromQString(QLocale().toString(ToQDateTime(dateTime).date(), QLocale::ShortFormat));
}

std::string QtHost::LongTimeText(double dateTime) {
  return FromQString(
      QLocale().toString(ToQDateTime(dateTime).time(), QLocale::LongFormat).section(' ', 0, 0));
}

std::optional<std::string> QtHost::KeyboardLayoutId() {
  std::optional<std::string> layout = ActiveXkbLayout();
  if (!layout) return std::nullopt;
  return LayoutIdOfXkbName(QString::fromStdString(*layout));
}

int QtHost::ScreenWidth() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().width() : 1024;
}

int QtHost::PixelsPerInch() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? static_cast<int>(s->logicalDotsPerInch()) : 96;
}

}  // namespace tq
