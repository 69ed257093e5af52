// Whole-file writing: the target is replaced only by a complete new file,
// through a link into its target, and never over a file the user may not write.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

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

TEST(FileRights, AWriteThroughALinkFillsItsTargetAndKeepsTheLink) {
  test::TempDir dir;
  fs::create_directory(dir.path("real"));
  test::writeText(dir.path("real/house.clk"), "old");
  fs::create_symlink("real/house.clk", dir.path("house.clk"));
  ASSERT_TRUE(replaceFileBytes(dir.path("house.clk"), {'n', 'e', 'w'}).ok);
  EXPECT_TRUE(fs::is_symlink(dir.path("house.clk")));
  EXPECT_EQ(test::readText(dir.path("real/house.clk")), "new");
}

// The refusal is checked as an ordinary user: the write runs in a child
// that gives up any administrator rights, in a folder where anyone may
// rename files, as a replace-by-rename would.
TEST(FileRights, AFileTheUserMayNotWriteIsRefusedWithThePlatformsReasonAndKept) {
  test::TempDir dir;
  fs::permissions(dir.root(), fs::perms::all);
  const std::string path = dir.path("locked.clk");
  test::writeText(path, "kept");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EXIT(
      {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) std::_Exit(2);
        const FileWriteResult written = replaceFileBytes(path, {'x'});
        std::fprintf(stderr, "%s\n", written.error.c_str());
        std::_Exit(written.ok ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "Permission denied");
  EXPECT_EQ(test::readText(path), "kept");
}

}  // namespace
}  // namespace ordalis
