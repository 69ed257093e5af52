// The fuzz target's clock-file seeds are the files our writer makes today.
// To write them anew after a deliberate change of the format:
//   ORDALIS_REWRITE_SEEDS=1 build/tests/test_tools --gtest_filter='ClockFileSeeds.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"
#include "tools/fixtures/clock_file_seeds.h"

namespace ordalis {
namespace {

const std::filesystem::path kSeeds = std::filesystem::path(ORDALIS_SOURCE_DIR) / "tests/fuzz/seeds/clock_file";

TEST(ClockFileSeeds, TheCheckedInSeedsAreWhatTheWriterMakes) {
  const bool rewrite = std::getenv("ORDALIS_REWRITE_SEEDS") != nullptr;
  if (rewrite) std::filesystem::create_directories(kSeeds);
  for (const auto& [name, bytes] : fixtures::ClockFileSeeds()) {
    const std::string path = (kSeeds / name).string();
    if (rewrite) test::writeBytes(path, bytes);
    EXPECT_EQ(bytes, test::readBytes(path)) << name;
  }
}

}  // namespace
}  // namespace ordalis
