// A small installation filled in code for the catalogue tests, with English
// text tables.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/texts.h"
#include "editor/item_list.h"
#include "installation/installation.h"

namespace ordalis::test {

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest() { texts.FillTextTables(); }

  // A relay module (type 111) or dimmer module (type 131) at an address,
  // in table entry slot, with names for some of its eight outputs.
  OutputModule& addModule(int slot, uint8_t moduleType, uint8_t address) {
    OutputModule& module = installation.OutputModules[slot];
    module.ModuleType = moduleType;
    module.Address = address;
    return module;
  }

  std::vector<std::string> textsOf(const ItemList& list) const {
    std::vector<std::string> result;
    for (const ListEntry& entry : list.Entries) result.push_back(entry.Text);
    return result;
  }
  std::vector<int> codesOf(const ItemList& list) const {
    std::vector<int> result;
    for (const ListEntry& entry : list.Entries) result.push_back(entry.ItemData);
    return result;
  }

  Texts texts;
  Installation installation;
};

}  // namespace ordalis::test
