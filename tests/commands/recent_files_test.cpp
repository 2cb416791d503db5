#include "commands/recent_files.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

TEST(RecentFiles, KeepsFourPathsMostRecentFirstEachOnce) {
  CRecentFileList list;
  for (const char* p : {"/m/a.zev", "/m/b.zev", "/m/c.zev", "/m/d.zev", "/m/e.zev"}) list.Add(p);
  EXPECT_EQ(list.Paths(),
            (std::vector<std::string>{"/m/e.zev", "/m/d.zev", "/m/c.zev", "/m/b.zev"}));
  list.Add("/m/c.zev");
  EXPECT_EQ(list.Paths(),
            (std::vector<std::string>{"/m/c.zev", "/m/e.zev", "/m/d.zev", "/m/b.zev"}));
  list.Remove(1);
  list.Remove(9);
  EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/m/c.zev", "/m/d.zev", "/m/b.zev"}));
}

TEST(RecentFiles, StoredListsAreCleanedWhenRead) {
  CRecentFileList list;
  list.Assign({"", "/a.zev", "/a.zev", "/b.zev", "/c.zev", "/d.zev", "/e.zev"});
  EXPECT_EQ(list.Paths(), (std::vector<std::string>{"/a.zev", "/b.zev", "/c.zev", "/d.zev"}));
}

TEST(RecentFiles, MenuTextsAreNumberedAndShowTheFileName) {
  CRecentFileList list;
  list.Add("/home/u/Tom & Jerry.zev");
  list.Add("/home/u/cars.zev");
  EXPECT_EQ(list.MenuText(0), "&1 cars.zev");
  EXPECT_EQ(list.MenuText(1), "&2 Tom && Jerry.zev");
  EXPECT_EQ(list.MenuText(2), "");
}

}  // namespace
}  // namespace zev
