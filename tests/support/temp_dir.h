// A fresh directory for one test, removed with everything in it afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ordalis::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // A path inside the directory.
  std::string path(const std::string& name) const { return (m_root / name).string(); }
  const std::filesystem::path& root() const { return m_root; }

 private:
  std::filesystem::path m_root;
};

// Whole-file helpers for setting up and checking fixtures.
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readBytes(const std::string& path);
void writeText(const std::string& path, const std::string& text);
std::string readText(const std::string& path);

}  // namespace ordalis::test
