#pragma once
// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes; helpers to write and read whole files.

#include <string>
#include <string_view>

namespace tq::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending with "/".
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + std::string(name); }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);

// Makes a folder current for the life of the object (the program works in
// its program directory).
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::string& dir);
  ~ScopedCurrentDir();

 private:
  std::string old_;
};

}  // namespace tq::test
