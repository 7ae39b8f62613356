#include "core/shell/date_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace tq {
namespace {

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
long DaysFromCivil(int y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe) + static_cast<int>(era) * 400 + (m <= 2);
}

const long kEpochOffset = DaysFromCivil(1899, 12, 30);

}  // namespace

double EncodeDateTime(const DateParts& p) {
  double days = static_cast<double>(
      DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
      kEpochOffset);
  return days + (p.hour * 3600.0 + p.minute * 60.0 + p.second) / 86400.0;
}

DateParts DecodeDateTime(double dateTime) {
  DateParts p;
  double whole = std::floor(dateTime);
  long secs = std::lround((dateTime - whole) * 86400.0);
  if (secs >= 86400) {
    whole += 1;
    secs -= 86400;
  }
  CivilFromDays(static_cast<long>(whole) + kEpochOffset, p.year, p.month, p.day);
  p.hour = static_cast<int>(secs / 3600);
  p.minute = static_cast<int>(secs / 60 % 60);
  p.second = static_cast<int>(secs % 60);
  return p;
}

double SystemNow() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return EncodeDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min, local.tm_sec});
}

std::string FormatShortDate(double dateTime) {
  DateParts p = DecodeDateTime(dateTime);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
  return buf;
}

std::string FormatLongTime(double dateTime) {
  DateParts p = DecodeDateTime(dateTime);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  return buf;
}

}  // namespace tq
