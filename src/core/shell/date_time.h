#pragma once
// Date-times as day counts since 1899-12-30, the unit every stored date and
// every timing of the program uses.

#include <string>

namespace tq {

struct DateParts {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

double EncodeDateTime(const DateParts& p);
DateParts DecodeDateTime(double dateTime);
// The local time of the system clock as a day count.
double SystemNow();
// Plain formats used where no platform format is at hand: "2026-12-06", "17:04:05".
std::string FormatShortDate(double dateTime);
std::string FormatLongTime(double dateTime);

}  // namespace tq
