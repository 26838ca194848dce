// The ink page's way to the print service, against a service of the test's own that can
// fail at any step: what is sent, what is said, and what is refused before any job.
#include "output/ink/ink_print.h"

#include <algorithm>

#include "heard_in_order.h"
#include "output/ink/ink_pdf.h"
#include "output/printing/fake_spooler.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

class InkPrintTest : public SpoolerTest {
 protected:
  // A small page: 1 inch by 2 at 100 dpi, so the surface is 100 pixels a side.
  static InkPage smallPage() { return InkPage{2540, 5080, 0, 0, 0, 0, 100}; }
  // Draws one red pixel, as a script would.
  static void drawMark(Page& page) { page.canvas->setPixel(3, 4, 0xFF0000); }
};

TEST_F(InkPrintTest, ThePageGoesAsOnePdfJobNamedPontelix) {
  ASSERT_TRUE(told(printInkPage("Tinta/rascunho", smallPage(), InkPaper::Plain, kDefaultTactileLine, drawMark)));
  EXPECT_EQ(fake_.openedDevice, "Tinta/rascunho");
  EXPECT_EQ(fake_.openedTitle, "Pontelix");
  EXPECT_EQ(fake_.openedFormat, JobFormat::Pdf);
  EXPECT_EQ(fake_.closes, std::vector<bool>{true});
  EXPECT_TRUE(said().empty());
  // The expected page, from a page drawn the same way.
  std::optional<Page> drawn = preparePage(inkPageSpec(100));
  ASSERT_TRUE(drawn);
  drawMark(*drawn);
  std::string expected;
  writeInkPagePdf(pagePixels(*drawn), smallPage(), [&](const void* data, size_t size) {
    expected.append(static_cast<const char*>(data), size);
    return true;
  });
  EXPECT_EQ(fake_.sent, expected);
}

TEST_F(InkPrintTest, ARefusedJobIsSaidAndAPageCutShortIsWithdrawn) {
  fake_.openSucceeds = false;
  EXPECT_FALSE(told(printInkPage("Tinta", smallPage(), InkPaper::Plain, kDefaultTactileLine, drawMark)));
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Problemas na impressora."}));
  EXPECT_TRUE(fake_.closes.empty());

  fake_.openSucceeds = true;
  fake_.writesBeforeFailure = 5;
  EXPECT_FALSE(told(printInkPage("Tinta", smallPage(), InkPaper::Plain, kDefaultTactileLine, drawMark)));
  EXPECT_EQ(fake_.closes, std::vector<bool>{false});
  EXPECT_EQ(said().back(), "say: Erro no dispositivo");

  // The service refuses the finished page.
  fake_.writesBeforeFailure = -1;
  fake_.finishAccepted = false;
  EXPECT_FALSE(told(printInkPage("Tinta", smallPage(), InkPaper::Plain, kDefaultTactileLine, drawMark)));
  EXPECT_EQ(said().back(), "say: Erro no dispositivo");
}

TEST_F(InkPrintTest, APageTooLargeOrWithoutAreaIsRefusedBeforeAnyJob) {
  InkPage fine = smallPage();
  fine.dpi = 20000;  // 20000 x 40000 dots
  EXPECT_FALSE(told(printInkPage("Tinta", fine, InkPaper::Plain, kDefaultTactileLine, drawMark)));
  EXPECT_EQ(said().back(), "say: A página tem 20000 pontos de lado; o Pontelix desenha no máximo 16384.");
  InkPage none = smallPage();
  none.left = 3000;
  EXPECT_FALSE(told(printInkPage("Tinta", none, InkPaper::Plain, kDefaultTactileLine, drawMark)));
  EXPECT_EQ(said().back(), "say: A impressora informa uma página sem área de impressão.");
  EXPECT_EQ(fake_.opened, 0);
}

TEST_F(InkPrintTest, ThePageFoundIsTurnedAndWhatWasAssumedIsSaid) {
  fake_.page.page = InkPage{21590, 27940, 635, 635, 1270, 1270, 600};
  InkPage page;
  ASSERT_TRUE(told(findInkPage("Tinta/rascunho", true, page)));
  EXPECT_EQ(fake_.askedPage, "Tinta/rascunho");
  EXPECT_EQ(page.width, 27940);
  EXPECT_EQ(page.dpi, 600);
  EXPECT_TRUE(said().empty());

  fake_.page = InkPageAnswer{true, true, false, false, InkPage{}};
  ASSERT_TRUE(told(findInkPage("Crua", false, page)));
  EXPECT_EQ(said().back(),
            "say: A impressora não informa o papel nem a resolução: assumido papel A4 a 300 pontos por polegada.");
  EXPECT_EQ(page.width, 21000);
  EXPECT_EQ(page.dpi, 300);
  fake_.page.media = true;
  ASSERT_TRUE(told(findInkPage("Crua", false, page)));
  EXPECT_EQ(said().back(), "say: A impressora não informa a resolução: assumidos 300 pontos por polegada.");
  fake_.page.media = false;
  fake_.page.resolution = true;
  ASSERT_TRUE(told(findInkPage("Crua", false, page)));
  EXPECT_EQ(said().back(), "say: A impressora não informa o papel: assumido papel A4.");
}

TEST_F(InkPrintTest, AnUnknownPrinterOrASilentServiceIsSaid) {
  fake_.page = InkPageAnswer{true, false, false, false, InkPage{}};
  InkPage page;
  EXPECT_FALSE(told(findInkPage("Sumida", false, page)));
  EXPECT_EQ(said().back(), "say: A impressora Sumida não foi encontrada.");
  fake_.page = InkPageAnswer{};
  EXPECT_FALSE(told(findInkPage("Tinta", false, page)));
  EXPECT_EQ(said().back(), "say: O serviço de impressão não responde.");
}

}  // namespace
