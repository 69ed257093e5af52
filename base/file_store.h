// Whole-file reading and writing for the program's small files (clock file,
// installation file, settings file). Each call opens, works and closes the
// file; failures come back as values carrying the platform's error text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ordalis {

struct FileBytes {
  bool ok = false;
  std::vector<uint8_t> bytes;  // the whole file when ok
  std::string error;           // the platform's description when not ok
};

struct FileWriteResult {
  bool ok = false;
  std::string error;  // the platform's description when not ok
};

// Reads the whole file at path, or its first maxBytes bytes.
FileBytes readFileBytes(const std::string& path, size_t maxBytes = SIZE_MAX);

// Replaces the file at path with bytes. The bytes go to a temporary file
// beside the target, which is renamed over the target only after every byte
// was written and the file closed, so a failed write (no access, disk full)
// leaves the old file whole. The temporary file is removed on failure.
// A symbolic link is written through: its target gets the bytes and the link
// stays. A file the user may not write is refused with the platform's reason
// and left as it is.
FileWriteResult replaceFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A file error as the user sees it: the file's name on the line before the
// platform's reason.
std::string FileErrorMessage(const std::string& path, const std::string& error);

// The name of the temporary file that replaceFileBytes writes first.
std::string temporaryFileFor(const std::string& path);

}  // namespace ordalis
