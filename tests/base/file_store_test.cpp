// Whole-file writing: the target is replaced only by a complete new file.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_store.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

namespace fs = std::filesystem;

TEST(ReplaceFileBytes, WritesTheWholeFileAndLeavesNoTemporaryBehind) {
  test::TempDir dir;
  const std::string path = dir.path("a.bin");
  test::writeBytes(path, std::vector<uint8_t>(5000, 7));
  ASSERT_TRUE(replaceFileBytes(path, {1, 2, 3}).ok);
  EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), test::readBytes(path));
  EXPECT_FALSE(fs::exists(temporaryFileFor(path)));
}

TEST(ReplaceFileBytes, KeepsTheAccessRightsOfTheFileItReplaces) {
  test::TempDir dir;
  const std::string path = dir.path("shared.ini");
  test::writeText(path, "[Global]\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write);
  ASSERT_TRUE(replaceFileBytes(path, {'x'}).ok);
  EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write,
            fs::status(path).permissions() & fs::perms::all);
}

TEST(ReplaceFileBytes, AFailedWriteReportsTheReasonAndKeepsTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.path("missing-folder/a.bin");
  FileWriteResult result = replaceFileBytes(path, {1});
  EXPECT_FALSE(result.ok);
  EXPECT_NE(std::string::npos, result.error.find("No such file")) << result.error;
}

TEST(ReadFileBytes, ReportsAMissingFileAndADirectory) {
  test::TempDir dir;
  EXPECT_FALSE(readFileBytes(dir.path("none")).ok);
  FileBytes directory = readFileBytes(dir.root().string());
  EXPECT_FALSE(directory.ok);
  EXPECT_FALSE(directory.error.empty());
}

}  // namespace
}  // namespace ordalis
