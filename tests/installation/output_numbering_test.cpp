// Module groups and the numbering of relay and dimmer outputs.
#include "installation/output_numbering.h"

#include <gtest/gtest.h>

namespace ordalis {
namespace {

OutputModule module(uint8_t type, uint8_t address, const std::string& prefix) {
  OutputModule result;
  result.ModuleType = type;
  result.Address = address;
  for (int i = 0; i < 8; ++i) result.Outputs[i].Name.assign(prefix + std::to_string(i));
  return result;
}

TEST(ModuleGroups, RelayAndDimmerTypesAreGrouped) {
  for (int type : {101, 102, 103, 111, 112, 113, 114, 151}) EXPECT_EQ(moduleGroupOf(type), 2) << type;
  for (int type : {131, 140}) EXPECT_EQ(moduleGroupOf(type), 3) << type;
  for (int type : {0, 1, 28, 100, 104, 110, 115, 130, 141, 150, 152, 255})
    EXPECT_EQ(moduleGroupOf(type), 0) << type;
}

class OutputNumbers : public ::testing::Test {
 protected:
  OutputNumbers() {
    installation.OutputModules[0] = module(131, 0, "dim a");
    installation.OutputModules[1] = module(111, 1, "rel b");
    installation.OutputModules[2] = module(151, 1, "rel c");  // same address: never reached
    installation.OutputModules[3] = module(111, 0, "rel d");
    installation.OutputModules[4] = module(140, 2, "dim e");
    installation.OutputModules[5] = module(0, 3, "empty");
  }
  Installation installation;
};

TEST_F(OutputNumbers, OutputNIsFoundByAddressAndPosition) {
  EXPECT_EQ(RelayName(installation, 1).withoutTrailingSpaces(), "rel d0");
  EXPECT_EQ(RelayName(installation, 8).withoutTrailingSpaces(), "rel d7");
  EXPECT_EQ(RelayName(installation, 9).withoutTrailingSpaces(), "rel b0");
  EXPECT_EQ(DimmerName(installation, 3).withoutTrailingSpaces(), "dim a2");
  EXPECT_EQ(DimmerName(installation, 17).withoutTrailingSpaces(), "dim e0");
}

TEST_F(OutputNumbers, TheFirstMatchingModuleInTableOrderWins) {
  EXPECT_EQ(RelayName(installation, 16).withoutTrailingSpaces(), "rel b7");
}

TEST_F(OutputNumbers, UnconnectedOutputsHaveFiftySpaces) {
  EXPECT_EQ(RelayName(installation, 17).str(), std::string(50, ' '));  // no relay module at address 2
  EXPECT_EQ(DimmerName(installation, 9).str(), std::string(50, ' '));
  EXPECT_EQ(RelayName(installation, 25).str(), std::string(50, ' '));  // type 0 is no group
  EXPECT_EQ(RelayName(installation, 0).str(), std::string(50, ' '));
  EXPECT_EQ(RelayName(installation, -8).str(), std::string(50, ' '));
  EXPECT_EQ(locateOutput(installation, kRelayModuleGroup, 100000), nullptr);
}

TEST_F(OutputNumbers, LocatedOutputIsTheModulesRecord) {
  installation.OutputModules[4].Outputs[5].Parameter = 42;
  const ModuleOutput* output = locateOutput(installation, kDimmerModuleGroup, 22);
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->Parameter, 42);
}

}  // namespace
}  // namespace ordalis
