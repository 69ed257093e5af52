// ordalis-cli functions and describe over an installation file made by our
// own fixture builder.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "installation/installation.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

using test::CliRun;

class CatalogueCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
    Installation installation;
    OutputModule& relays = installation.OutputModules[0];
    relays.ModuleType = 111;
    relays.Outputs[4].Name.assign("Kitchen");
    relays.Outputs[4].Value = 150;
    relays.Outputs[4].Kind = 'L';
    installation.LocalMoods[0].Name.assign("Evening");
    installation.LocalMoods[0].Entries[0] = {1, 5, 255};
    installation.LocalMoods[0].Entries[1] = {1, 5, 0};
    test::writeBytes(dir.path("home.nbt"), fixtures::BuildInstallationFile(installation));
    test::writeText(dir.path("broken.nbt"), "QZZ and nothing more");
  }

  CliRun Run(const std::string& arguments) { return test::RunCli(arguments, dir.root().string()); }

  nlohmann::json Json(const std::string& arguments) {
    const CliRun run = Run(arguments);
    EXPECT_EQ(0, run.exitCode) << run.err;
    return nlohmann::json::parse(run.out, nullptr, false);
  }

  nlohmann::json TypeEntry(const nlohmann::json& catalogue, int code) {
    for (const auto& type : catalogue["types"])
      if (type["code"] == code) return type;
    return nullptr;
  }

  test::TempDir dir;
};

TEST_F(CatalogueCommands, FunctionsShowTheEditorsTypesTextsAndPreviews) {
  const nlohmann::json catalogue = Json("--json functions " + dir.path("home.nbt"));
  std::vector<int> codes;
  for (const auto& type : catalogue["types"]) codes.push_back(type["code"]);
  EXPECT_EQ((std::vector<int>{1, 2, 5, 8, 9, 10, 54, 51, 52, 66, 65, 15, 14, 4, 3, 53}), codes);
  EXPECT_EQ("Relays", TypeEntry(catalogue, 1)["text"]);
  const nlohmann::json relays = TypeEntry(catalogue, 1)["functions"];
  ASSERT_EQ(1u, relays.size());
  EXPECT_EQ(261, relays[0]["code"]);
  EXPECT_EQ(" 05 Kitchen", relays[0]["text"]);
  EXPECT_EQ("REL  05 Kitchen 150 VA LightPoint", relays[0]["preview"]);
  const nlohmann::json moods = TypeEntry(catalogue, 8)["functions"];
  ASSERT_EQ(1u, moods.size());
  EXPECT_EQ("REL  05 Kitchen On\r\nREL  05 Kitchen Off", moods[0]["preview"]);
  EXPECT_EQ(6u, TypeEntry(catalogue, 14)["functions"].size());
  EXPECT_TRUE(TypeEntry(catalogue, 66)["functions"].empty());
}

TEST_F(CatalogueCommands, RefusedFileGivesTheReadersMessage) {
  const CliRun run = Run("--json functions " + dir.path("broken.nbt"));
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ("No VANTREL file!\n", run.err);
  EXPECT_EQ("", run.out);
  EXPECT_EQ(1, Run("describe --nbt " + dir.path("missing.nbt") + " --type 1 --number 5").exitCode);
}

TEST_F(CatalogueCommands, DescribeGivesTextExistenceAndLevel) {
  const nlohmann::json relay =
      Json("--json describe --nbt " + dir.path("home.nbt") + " --type 1 --number 5 --style 3 --level 255");
  EXPECT_EQ("REL  05 Kitchen", relay["function_text"]);
  EXPECT_EQ(true, relay["exists"]);
  EXPECT_EQ("On", relay["value_text"]);

  const nlohmann::json unknown =
      Json("--json describe --nbt " + dir.path("home.nbt") + " --type 99 --number 7 --style 3");
  EXPECT_EQ("Function: 99 7", unknown["function_text"]);
  EXPECT_TRUE(unknown["value_text"].is_null());

  const nlohmann::json blank = Json("--json describe --nbt " + dir.path("home.nbt") + " --type 5 --number 12");
  EXPECT_EQ("", blank["function_text"]);
  EXPECT_EQ(false, blank["exists"]);
}

}  // namespace
}  // namespace ordalis
