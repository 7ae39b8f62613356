#pragma once
// Opening a record file that other programs of a network installation may
// hold: a busy file is tried 15 times, 200 ms apart, with the window kept
// responsive, and then the student is asked whether to go on waiting.

#include <string>
#include <string_view>

namespace tq {

class TRecFile;

struct BusyRetry {
  int tries = 15;
  unsigned sleepMs = 200;
  std::string question;  // asked (Yes/No, no caption) after every full round of tries
};

// Opens an existing file (TRecFile mode 2 with the given share) and retries
// while the result is busy (-2). Returns the last open result: 1 with the
// file open, -2 when the student answered No, any other result at once.
int OpenWithRetry(TRecFile& file, std::string_view path, int share, const BusyRetry& retry);

// Creates an empty file when none exists, never emptying one that another
// program created meanwhile. True when the file exists afterwards.
bool CreateIfMissing(std::string_view path);

}  // namespace tq
