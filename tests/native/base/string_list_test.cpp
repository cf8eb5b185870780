#include "base/string_list.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/scope_guard.h"

TEST(StringList, ItemsKeepTheirObjectsThroughExchange) {
  TObject a, b;
  TStringList list;
  EXPECT_EQ(list.AddObject("one", &a), 0);
  EXPECT_EQ(list.AddObject("two", &b), 1);
  list.Exchange(0, 1);
  EXPECT_EQ(list.Get(0), "two");
  EXPECT_EQ(list.GetObject(0), &b);
  EXPECT_EQ(list.GetObject(1), &a);
  EXPECT_EQ(list.IndexOf("ONE"), 1);
  EXPECT_EQ(list.IndexOf("three"), -1);
  EXPECT_EQ(list.Text(), "two\r\none\r\n");
}

TEST(StringList, OutOfRangeIndicesRaise) {
  TStringList list;
  list.Add("x");
  EXPECT_THROW(list.Get(1), Exception);
  EXPECT_THROW(list.Exchange(0, -1), Exception);
  EXPECT_THROW(list.Delete(5), Exception);
  EXPECT_EQ(list.Count(), 1);
}

TEST(TScopeGuard, RunsOnExitAndKeepsTheFirstFailure) {
  int closed = 0;
  {
    auto guard = OnScopeExit([&] { ++closed; });
  }
  EXPECT_EQ(closed, 1);
  {
    auto guard = OnScopeExit([&] { ++closed; });
    guard.Dismiss();
  }
  EXPECT_EQ(closed, 1);
  try {
    auto guard = OnScopeExit([&] {
      ++closed;
      throw Exception("closing failed");
    });
    throw Exception("first");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "first");
  }
  EXPECT_EQ(closed, 2);
  EXPECT_THROW(
      {
        auto guard = OnScopeExit([] { throw Exception("closing failed"); });
      },
      Exception);
}
