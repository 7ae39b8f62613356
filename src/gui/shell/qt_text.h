#pragma once
// Conversion between the core's Windows-1252 strings and Qt's Unicode strings.

#include <QString>
#include <string>

namespace tq {

QString ToQString(const std::string& ansi);
// Characters that 1252 cannot hold are dropped.
std::string FromQString(const QString& text);
// The 1252 byte of a typed character, or -1 when it has none.
int AnsiOfChar(QChar c);

}  // namespace tq
