// Whole-file reading, and writing through a temporary file and a rename.
#include "base/file_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace ordalis {

namespace {

std::string lastError() { return std::strerror(errno); }

}  // namespace

FileBytes readFileBytes(const std::string& path, size_t maxBytes) {
  FileBytes result;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    result.error = lastError();
    return result;
  }
  uint8_t buffer[4096];
  size_t got;
  while (result.bytes.size() < maxBytes &&
         (got = std::fread(buffer, 1, std::min(sizeof buffer, maxBytes - result.bytes.size()), file)) > 0)
    result.bytes.insert(result.bytes.end(), buffer, buffer + got);
  bool failed = std::ferror(file) != 0;
  if (failed) result.error = lastError();
  std::fclose(file);
  result.ok = !failed;
  if (failed) result.bytes.clear();
  return result;
}

std::string temporaryFileFor(const std::string& path) { return path + ".tmp~"; }

FileWriteResult replaceFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FileWriteResult result;
  const std::string temporary = temporaryFileFor(path);
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) {
    result.error = lastError();
    return result;
  }
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                 std::fflush(file) == 0;
  if (!written) result.error = lastError();
  if (std::fclose(file) != 0 && written) {
    written = false;
    result.error = lastError();
  }
  std::error_code ec;
  if (written) {
    // The new file keeps the access rights of the one it replaces.
    auto old = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(old))
      std::filesystem::permissions(temporary, old.permissions(), ec);
    std::filesystem::rename(temporary, path, ec);
    if (!ec) {
      result.ok = true;
      return result;
    }
    result.error = ec.message();
  }
  std::filesystem::remove(temporary, ec);
  return result;
}

}  // namespace ordalis
