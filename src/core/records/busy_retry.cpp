#include "core/records/busy_retry.h"

#include <cstdio>

#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/host.h"

namespace tq {

int OpenWithRetry(TRecFile& file, std::string_view path, int share, const BusyRetry& retry) {
  Host& host = GetHost();
  for (;;) {
    int result = file.Open(path, 2, share);
    if (result != kFileOpenFailed) return result;
    for (int t = 1; t < retry.tries; ++t) {
      host.ProcessMessages();
      host.Sleep(retry.sleepMs);
      file.Close();
      result = file.Open(path, 2, share);
      if (result == kFileGood) return result;
    }
    file.Close();
    if (!host.AskYesNo("", retry.question)) return result;
  }
}

bool CreateIfMissing(std::string_view path) {
  if (FileExists(path)) return true;
  // Appending creates the file without emptying one that appeared meanwhile.
  std::FILE* f = std::fopen(ResolveExisting(path).c_str(), "ab");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace tq
