// The job rules and the sending of the embosser stream, against a print service of the
// test's own that can fail at any step.
#include "output/device/device_page.h"
#include "output/embosser/emboss.h"
#include "output/embosser/embosser_pages.h"
#include "output/embosser/embosser_stream.h"
#include "output/printing/fake_spooler.h"
#include "output/printing/spooler.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

class EmbossTest : public SpoolerTest {
 protected:
  // An embosser sheet with ink in a few cells, among them the last line.
  void prepareSheet() {
    std::optional<Page> made = preparePage(embosserPageSpec({}));
    ASSERT_TRUE(made);
    page_ = std::move(*made);
    page_.canvas->setPixel(0, 0, 0);
    page_.canvas->setPixel(67, 70, 0xFF0000);
    page_.canvas->setPixel(131, 131, 0);
  }
  Page page_;
};

TEST_F(EmbossTest, TheSheetGoesAsTheStreamTheBatchRendererWrites) {
  prepareSheet();
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_EQ(fake_.openedTitle, "Pontelix");
  EXPECT_TRUE(told(sendPageToEmbosser(page_)));
  EXPECT_EQ(fake_.sent, embosserStream(pagePixels(page_), BrailleMode::Graphic));
  EXPECT_EQ(fake_.closes, std::vector<bool>{true});
  EXPECT_TRUE(said().empty());
}

TEST_F(EmbossTest, ARefusedStartStopsTheStreamAndStillEndsTheJob) {
  prepareSheet();
  fake_.writesBeforeFailure = 0;
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  // The output itself says nothing: its answer is told by whoever asked.
  const Outcome refused = sendPageToEmbosser(page_);
  EXPECT_TRUE(said().empty());
  EXPECT_FALSE(told(refused));
  EXPECT_EQ(fake_.sent, "");
  // Withdrawn, not finished: half a page must not come out.
  EXPECT_EQ(fake_.closes, std::vector<bool>{false});
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Erro no dispositivo"}));

  // A failure halfway writes no further line.
  fake_.writesBeforeFailure = 3;
  fake_.writesTaken = 0;
  fake_.sent.clear();
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(told(sendPageToEmbosser(page_)));
  EXPECT_EQ(fake_.writesTaken, 3);
  EXPECT_EQ(fake_.closes.back(), false);
}

TEST_F(EmbossTest, AJobRefusedAtTheEndIsAnErrorNotSilence) {
  prepareSheet();
  fake_.finishAccepted = false;
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(told(sendPageToEmbosser(page_)));
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Erro no dispositivo"}));
}

TEST_F(EmbossTest, OneJobAtATime) {
  EXPECT_FALSE(writeRawPrinter("x"));
  EXPECT_FALSE(closeRawPrinterJob());
  EXPECT_FALSE(openRawPrinterJob(""));
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  // Opening again withdraws the job left open.
  ASSERT_TRUE(openRawPrinterJob("Braille"));
  EXPECT_EQ(fake_.closes, std::vector<bool>{false});
  fake_.openSucceeds = false;
  EXPECT_FALSE(openRawPrinterJob("Braille"));
  EXPECT_FALSE(writeRawPrinter("x"));
}

}  // namespace
