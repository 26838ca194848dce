// The real descriptions are read in spooler_cups_test.cpp; here the values they never hold.
#include "output/printing/braille_queue.h"

#include <gtest/gtest.h>

namespace {

TEST(BrailleQueue, MarginsRoundUpAsTheDriversRoundThemAndAnUnusableValueLeavesThePageUnknown) {
  const struct {
    const char *pageSize, *margins, *dots;
    int left, top;  // -1: the page is unknown
  } cases[] = {{"A4", "\"72 0 0 0.5\"", "Custom.320", 2540, 18}, {"Letter", "", "220", 0, 0},
               {"Custom.210x297mm", "0", "250", -1, -1},         {"A4", "x 0 0 0", "250", -1, -1},
               {"A4", "1000 0 0 0", "250", -1, -1},              {"A4", "0", "2,5", -1, -1}};
  for (const auto& c : cases) {
    const std::string ppd = std::string("*DefaultPageSize: ") + c.pageSize + "\r\n*HWMargins: " + c.margins +
                            "\r\n*DefaultTextDotDistance: " + c.dots + "\n*DefaultTextDots: 6\n*DefaultLineSpacing: 500\n";
    const BrailleQueue queue = readBrailleDriverDescription(ppd);
    EXPECT_EQ(std::pair(queue.pageKnown ? queue.layout.marginLeft : -1, queue.pageKnown ? queue.layout.marginTop : -1),
              std::pair(c.left, c.top)) << ppd;
  }
  EXPECT_FALSE(readBrailleDriverDescription("*DefaultPageSize: A4\n").brailleDriver);
}

}  // namespace
