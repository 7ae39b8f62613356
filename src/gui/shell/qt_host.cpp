#include "gui/shell/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>

#include "core/shell/date_time.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

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

}  // namespace

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
  box.exec();
}

bool QtHost::AskYesNo(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Question, ToQString(caption), MessageText(text),
                  QMessageBox::Yes | QMessageBox::No, Parent());
  return box.exec() == QMessageBox::Yes;
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
  // The XKB layout of the X server, as setxkbmap reports it; the system's
  // keyboard configuration when no X server answers.
  QProcess p;
  p.start("setxkbmap", {"-query"});
  if (p.waitForFinished(500) && p.exitCode() == 0) {
    QRegularExpression re("^layout:\\s*(\\S+)", QRegularExpression::MultilineOption);
    auto m = re.match(QString::fromLocal8Bit(p.readAllStandardOutput()));
    if (m.hasMatch()) return LayoutIdOfXkbName(m.captured(1));
  }
  QFile conf("/etc/default/keyboard");
  if (conf.open(QIODevice::ReadOnly)) {
    QRegularExpression re("^XKBLAYOUT=\"?([^\"\\n]*)", QRegularExpression::MultilineOption);
    auto m = re.match(QString::fromLocal8Bit(conf.readAll()));
    if (m.hasMatch()) return LayoutIdOfXkbName(m.captured(1));
  }
  return std::nullopt;
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
