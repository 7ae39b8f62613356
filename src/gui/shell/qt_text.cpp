#include "gui/shell/qt_text.h"

#include "core/files/ansi.h"

namespace tq {

QString ToQString(const std::string& ansi) {
  QString s;
  s.reserve(static_cast<qsizetype>(ansi.size()));
  for (char c : ansi)
    s.append(QChar(static_cast<char16_t>(AnsiToUnicode(static_cast<unsigned char>(c)))));
  return s;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    int a = UnicodeToAnsi(c.unicode());
    if (a >= 0) out += static_cast<char>(a);
  }
  return out;
}

int AnsiOfChar(QChar c) {
  return UnicodeToAnsi(c.unicode());
}

}  // namespace tq
