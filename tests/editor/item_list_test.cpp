// Selecting list entries by their item value.
#include "editor/item_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace ordalis {
namespace {

class SelectByItemDataTest : public ::testing::Test {
 protected:
  SelectByItemDataTest() {
    list.add("first", 0x0105);
    list.add("second", 0x0207);
    list.add("third", 0x0105);
    list.SelectionChanged = [this](int index) { reported.push_back(index); };
  }
  ItemList list;
  std::vector<int> reported;
};

TEST_F(SelectByItemDataTest, LastMatchStaysSelectedAndEveryMatchIsReported) {
  EXPECT_EQ(2, SelectByItemData(list, 0x0105));
  EXPECT_EQ(2, list.ListIndex);
  EXPECT_EQ((std::vector<int>{0, 2}), reported);
}

TEST_F(SelectByItemDataTest, NoMatchLeavesTheSelection) {
  list.select(1);
  reported.clear();
  EXPECT_EQ(-1, SelectByItemData(list, 0x0300));
  EXPECT_EQ(1, list.ListIndex);
  EXPECT_TRUE(reported.empty());
}

TEST_F(SelectByItemDataTest, MaskComparesOnlyItsBits) {
  EXPECT_EQ(1, SelectByItemData(list, 0x0200, 0xFF00));
  EXPECT_EQ(2, SelectByItemData(list, 0x0005, 0x00FF));
}

TEST(ItemList, ClearingDropsTheSelection) {
  ItemList list;
  list.add("only", 1);
  list.select(0);
  list.clear();
  EXPECT_TRUE(list.Entries.empty());
  EXPECT_EQ(-1, list.ListIndex);
  EXPECT_EQ(-1, SelectByItemData(list, 1));
}

}  // namespace
}  // namespace ordalis
