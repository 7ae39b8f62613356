#include "support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tq::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string tmpl = (fs::temp_directory_path() / "tapquill-XXXXXX").string();
  char* made = ::mkdtemp(tmpl.data());
  path_ = std::string(made ? made : tmpl.c_str()) + "/";
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& dir) {
  char buf[4096];
  if (::getcwd(buf, sizeof buf)) old_ = buf;
  if (::chdir(dir.c_str()) != 0) std::abort();
}

ScopedCurrentDir::~ScopedCurrentDir() {
  if (!old_.empty() && ::chdir(old_.c_str()) != 0) std::abort();
}

}  // namespace tq::test
