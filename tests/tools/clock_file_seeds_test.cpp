// The fuzz target's clock-file seeds are the files our writer makes today.
// To write them anew after a deliberate change of the format:
//   ORDALIS_REWRITE_SEEDS=1 build/tests/test_tools --gtest_filter='ClockFileSeeds.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "clock/clock_file.h"
#include "support/temp_dir.h"
#include "tools/fixtures/clock_file_seeds.h"

namespace ordalis {
namespace {

std::filesystem::path seedDirectory() {
  return std::filesystem::path(ORDALIS_SOURCE_DIR) / "tests" / "fuzz" / "seeds" / "clock_file";
}

TEST(ClockFileSeeds, TheCheckedInSeedsAreWhatTheWriterMakes) {
  const bool rewrite = std::getenv("ORDALIS_REWRITE_SEEDS") != nullptr;
  if (rewrite) std::filesystem::create_directories(seedDirectory());
  for (const auto& [name, bytes] : fixtures::ClockFileSeeds()) {
    const std::string path = (seedDirectory() / name).string();
    if (rewrite) test::writeBytes(path, bytes);
    EXPECT_EQ(bytes, test::readBytes(path)) << name;
  }
}

TEST(ClockFileSeeds, CoverWholeDamagedAndForeignModelFiles) {
  int whole = 0, cut = 0, otherModel = 0;
  for (const auto& [name, bytes] : fixtures::ClockFileSeeds()) {
    ClockFileDecoded decoded = DecodeClockFile(bytes);
    EXPECT_TRUE(decoded.magicOk) << name;
    (decoded.trailerOk ? whole : cut)++;
    if (decoded.content.model > 4) ++otherModel;
  }
  EXPECT_GE(whole, 5);
  EXPECT_GE(cut, 3);
  EXPECT_EQ(1, otherModel);
}

}  // namespace
}  // namespace ordalis
