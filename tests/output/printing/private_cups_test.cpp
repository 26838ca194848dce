// The private scheduler the printing tests share: its queues deliver what a printer
// would receive, raw or through the system's filters.
#include <gtest/gtest.h>

#include "private_cups.h"

namespace {

TEST(PrivateCups, ARawQueueDeliversTheBytesUnchangedUnderTheJobsTitle) {
  PrivateCups cups;
  ASSERT_EQ(cups.failure(), "");
  ASSERT_TRUE(cups.addRawQueue("Crua"));
  ScratchDir dir;
  const std::string bytes("\x1B" "1a\r\n\0\xFF\x0C", 8);
  writeBytes(dir.file("job.bin"), bytes);
  ASSERT_TRUE(cups.command("lp -d Crua -t Teste -o raw '" + dir.file("job.bin") + "'"));
  const auto jobs = cups.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups.jobList();
  EXPECT_EQ(jobs[0].bytes, bytes);
  EXPECT_EQ(jobs[0].title, "Teste");
  EXPECT_EQ(jobs[0].queue, "Crua");
}

TEST(PrivateCups, AQueueFromADriverDescriptionPassesTheFilters) {
  const std::string ppd = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
  if (!std::filesystem::exists(ppd)) GTEST_SKIP() << "no " << ppd;
  PrivateCups cups;
  ASSERT_EQ(cups.failure(), "");
  ASSERT_TRUE(cups.addQueueFromPpd("Tinta", ppd));
  ScratchDir dir;
  writeBytes(dir.file("texto.txt"), "Uma linha de texto.\n");
  ASSERT_TRUE(cups.command("lp -d Tinta '" + dir.file("texto.txt") + "'"));
  const auto jobs = cups.waitForJobs(1);
  ASSERT_EQ(jobs.size(), 1u) << cups.jobList();
  // The generic driver wraps the page description in printer job language.
  EXPECT_NE(jobs[0].bytes.find("%PDF-"), std::string::npos) << cups.errorLog();
}

}  // namespace
