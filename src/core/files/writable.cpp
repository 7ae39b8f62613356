#include "core/files/writable.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/files/paths.h"

namespace tq {

bool CanWriteFolder(std::string_view folder) {
  std::string probe = NativePath(folder);
  if (!probe.empty() && probe.back() != '/') probe += '/';
  probe += ".tapquill-write-test-" + std::to_string(::getpid());
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EEXIST;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool CanWriteFile(std::string_view path) {
  const std::string native = NativePath(path);
  if (::access(native.c_str(), F_OK) != 0) return true;
  return ::access(native.c_str(), W_OK) == 0;
}

}  // namespace tq
