// A write lands where the user meant it: through a link into its target, and
// never over a file the user may not write.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "base/file_store.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

namespace fs = std::filesystem;

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
