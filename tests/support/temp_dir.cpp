// Temporary directories and file helpers for tests.
#include "temp_dir.h"

#include <atomic>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace ordalis::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  m_root = std::filesystem::temp_directory_path() /
           ("ordalis-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(m_root);
  std::filesystem::create_directories(m_root);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(m_root, ec);
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::string& path, const std::string& text) {
  writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string readText(const std::string& path) {
  auto bytes = readBytes(path);
  return {bytes.begin(), bytes.end()};
}

}  // namespace ordalis::test
