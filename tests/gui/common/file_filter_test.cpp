#include "gui/common/file_filter.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

TEST(QtFileFilter, PairsBecomeDescriptionsWithTheirPatterns) {
  EXPECT_EQ(QtFileFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*|Gleaner Lookup files (Luf*.txt)|Luf*.txt"),
            "Text files (*.txt);;All files (*);;Gleaner Lookup files (Luf*.txt)");
  EXPECT_EQ(QtFileFilter("Hypertext markup (*.htm; *.html)|*.htm;*.html"), "Hypertext markup (*.htm *.html)");
}

TEST(QtFileFilter, OddListsLoseNothingUsable) {
  EXPECT_EQ(QtFileFilter(""), "");
  EXPECT_EQ(QtFileFilter("Dangling (*.x)"), "");          // a description without patterns
  EXPECT_EQ(QtFileFilter("|*.csv"), "*.csv (*.csv)");      // patterns without a description
  EXPECT_EQ(QtFileFilter("Logs|*.log;;|Empty|"), "Logs (*.log)");
}

}  // namespace
}  // namespace gleaner
