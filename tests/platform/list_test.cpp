// Ordered shared-object list: order, counts, first-occurrence removal and changes during iteration.
#include <gtest/gtest.h>

#include <string>

#include "list.h"

namespace {

struct Item {
  int id;
};
using Ptr = std::shared_ptr<Item>;

std::vector<int> ids(List<Item>& l) {
  std::vector<int> out;
  for (const auto& p : l) out.push_back(p->id);
  return out;
}

struct ListTest : ::testing::Test {
  List<Item> list;
  std::vector<Ptr> items;
  void SetUp() override {
    for (int i = 0; i < 5; ++i) {
      items.push_back(std::make_shared<Item>(Item{i}));
      list.add_last(items.back());
    }
  }
};

TEST_F(ListTest, KeepsOrderAndCountsAndRemovesOnlyTheFirstOccurrence) {
  list.add_first(items[4]);
  EXPECT_EQ(ids(list), (std::vector<int>{4, 0, 1, 2, 3, 4}));
  EXPECT_EQ(list.count(), 6u);
  EXPECT_TRUE(list.remove(items[4]));
  EXPECT_EQ(ids(list), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(list.contains(items[4]));
  EXPECT_FALSE(list.remove(std::make_shared<Item>(Item{9})));
  EXPECT_EQ(list.first()->id, 0);
  EXPECT_EQ(List<Item>::from_array(list.to_array()).count(), 5u);
  list.clear();
  EXPECT_TRUE(list.is_empty());
  EXPECT_EQ(list.first(), nullptr);
}

TEST_F(ListTest, RemovingTheVisitedOrALaterElementDuringIterationKeepsTheWalkIntact) {
  std::vector<int> seen;
  for (const auto& p : list) {
    if (!p) {  // the element in hand vanished under the caller
      ADD_FAILURE() << "visited element became empty";
      continue;
    }
    seen.push_back(p->id);
    if (p->id == 1) {
      list.remove(p);  // itself
      EXPECT_NE(p, nullptr) << "the element being visited must stay usable after removing itself";
    }
    if (p && p->id == 2) list.remove(items[3]);  // one further on
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 4}));
  EXPECT_EQ(ids(list), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(list.count(), 3u);
  EXPECT_FALSE(list.contains(items[1]));
}

// The game's objects remove themselves from the list that owns them while it is walked: the
// object must live until its own update returns.
TEST(ListOwnership, AnElementHeldOnlyByTheListSurvivesRemovingItselfDuringIteration) {
  List<Item> list;
  std::weak_ptr<Item> watch;
  {
    auto only = std::make_shared<Item>(Item{7});
    watch = only;
    list.add_last(std::move(only));
  }
  bool alive_after_remove = false;
  for (const auto& p : list) {
    list.remove(p.get());
    alive_after_remove = !watch.expired();
  }
  EXPECT_TRUE(alive_after_remove);
  EXPECT_TRUE(watch.expired()) << "released once the walk is over";
  EXPECT_TRUE(list.is_empty());
}

TEST_F(ListTest, ClearDuringIterationStopsTheWalkAndAddsDuringItFollowTheirEnd) {
  std::vector<int> seen;
  for (const auto& p : list) {
    seen.push_back(p->id);
    if (p->id == 1) list.clear();
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1}));
  EXPECT_TRUE(list.is_empty());
  EXPECT_TRUE(ids(list).empty());

  list.add_last(items[0]);
  seen.clear();
  for (const auto& p : list) {
    seen.push_back(p->id);
    if (p->id == 0) {
      list.add_last(items[1]);   // visited by this walk
      list.add_first(items[2]);  // not visited by it
    }
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1}));
  EXPECT_EQ(ids(list), (std::vector<int>{2, 0, 1}));
}

}  // namespace
