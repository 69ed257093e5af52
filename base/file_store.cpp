// Whole-file reading, and writing through a temporary file and a rename.
#include "base/file_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace ordalis {

namespace {

std::string lastError() { return std::strerror(errno); }

// The file that a write to path lands in: a symbolic link is followed to its
// target (a chain of links to its end), so the link itself stays a link.
std::filesystem::path writtenFile(const std::filesystem::path& path) {
  constexpr int kMaxLinks = 40;
  std::filesystem::path file = path;
  std::error_code ec;
  for (int hop = 0; hop < kMaxLinks && std::filesystem::is_symlink(file, ec); ++hop) {
    const std::filesystem::path target = std::filesystem::read_symlink(file, ec);
    if (ec) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file;
}

// An existing file that the user may not write refuses the write with the
// platform's own reason, as writing it in place would; opening it for update
// changes nothing in it.
std::optional<std::string> refusalToWrite(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return std::nullopt;
  std::FILE* open = std::fopen(file.string().c_str(), "r+b");
  if (!open) return lastError();
  std::fclose(open);
  return std::nullopt;
}

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

std::string FileErrorMessage(const std::string& path, const std::string& error) {
  return path + "\n\r" + error;
}

std::string temporaryFileFor(const std::string& path) { return path + ".tmp~"; }

FileWriteResult replaceFileBytes(const std::string& linkOrPath, const std::vector<uint8_t>& bytes) {
  FileWriteResult result;
  const std::string path = writtenFile(linkOrPath).string();
  if (std::optional<std::string> refused = refusalToWrite(path)) {
    result.error = *refused;
    return result;
  }
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
