#include "app/ExportCommand.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(ExportCommand, PageChoices) {
  struct Case {
    std::string choice;
    int pageCount;
    std::vector<int> pages;
  };
  const Case cases[] = {
      {"", 3, {1, 2, 3}},   {"all", 2, {1, 2}}, {"2", 3, {2}},  {"2-3", 5, {2, 3}},
      {"2-9", 3, {2, 3}},   {"4", 3, {}},       {"0", 3, {}},   {"3-2", 3, {}},
      {"x", 3, {}},         {"-2", 3, {}},      {"1-", 3, {}},  {"99999999999", 3, {}},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(ChoosePages(c.choice, c.pageCount, error), c.pages) << c.choice;
    EXPECT_EQ(error.empty(), !c.pages.empty()) << c.choice;
  }
}

}  // namespace
}  // namespace tesmor
