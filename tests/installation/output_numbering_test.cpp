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

// Output n by address and position, the first matching module in table order
// winning; unconnected outputs (no module at the address, type 0, n <= 0)
// have fifty spaces.
TEST_F(OutputNumbers, OutputNIsFoundByAddressAndPosition) {
  const std::string none(50, ' ');
  const struct {
    bool relay;
    int n;
    std::string name;
  } cases[] = {{true, 1, "rel d0"}, {true, 8, "rel d7"},  {true, 9, "rel b0"},  {true, 16, "rel b7"},
               {false, 3, "dim a2"}, {false, 17, "dim e0"}, {true, 17, none},     {false, 9, none},
               {true, 25, none},     {true, 0, none},       {true, -8, none}};
  for (const auto& c : cases) {
    const auto name = c.relay ? RelayName(installation, c.n) : DimmerName(installation, c.n);
    EXPECT_EQ(c.name == none ? name.str() : name.withoutTrailingSpaces(), c.name) << c.relay << " " << c.n;
  }
  EXPECT_EQ(locateOutput(installation, kRelayModuleGroup, 100000), nullptr);
  // The located output is the module's own record.
  installation.OutputModules[4].Outputs[5].Parameter = 42;
  const ModuleOutput* output = locateOutput(installation, kDimmerModuleGroup, 22);
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->Parameter, 42);
}

}  // namespace
}  // namespace ordalis
