// The ink page through GDI, on a printer of the test's own: its device context is a
// bitmap in memory, so the pixels that reach it are compared with the page's.
#include <gtest/gtest.h>

#include <string>

#include "output/ink/ink_print.h"
#include "output/printing/printer_page_windows.h"
#include "output/printing/spooler_windows.h"
#include "render/image_page.h"

namespace {

std::string gCalls;
bool gEndPageFails = false;
bool gStartDocFails = false;
// The printer's paper at 100 dpi: 320 x 420 dots with 10 dots unprintable at the top
// and left and at least 10 at the right and bottom; turned in landscape.
constexpr int kPaperWidth = 320, kPaperLength = 420, kOffset = 10;
bool gLandscape = false;
HDC gDc = nullptr;
uint32_t* gBits = nullptr;
HANDLE const kPrinter = reinterpret_cast<HANDLE>(0x4321);

BOOL WINAPI fakeOpen(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA) {
  if (std::string(name) != "Tinta") return FALSE;
  *printer = kPrinter;
  return TRUE;
}
BOOL WINAPI fakeClose(HANDLE) { return TRUE; }

LONG WINAPI fakeProperties(HWND, HANDLE, LPSTR, PDEVMODEA out, PDEVMODEA in, DWORD mode) {
  if (mode == 0) return sizeof(DEVMODEA);
  *out = in ? *in : DEVMODEA{};
  if (!in) out->dmOrientation = DMORIENT_PORTRAIT;
  return IDOK;
}

// A white bitmap as wide as the printable area, in the paper's turn.
HDC WINAPI fakeCreateDc(LPCSTR driver, LPCSTR device, LPCSTR, const DEVMODEA* settings) {
  gLandscape = settings && settings->dmOrientation == DMORIENT_LANDSCAPE;
  gCalls += std::string("dc ") + driver + " " + device + (gLandscape ? " landscape;" : " portrait;");
  if (gDc) return gDc;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kPaperLength, -kPaperLength, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  gBits = static_cast<uint32_t*>(bits);
  std::fill(gBits, gBits + kPaperLength * kPaperLength, 0xFFFFFFu);
  gDc = CreateCompatibleDC(nullptr);
  SelectObject(gDc, bitmap);
  return gDc;
}
int WINAPI fakeCaps(HDC, int index) {
  const int across = gLandscape ? kPaperLength : kPaperWidth, down = gLandscape ? kPaperWidth : kPaperLength;
  switch (index) {
    case LOGPIXELSX: case LOGPIXELSY: return 100;
    case PHYSICALWIDTH: return across;
    case PHYSICALHEIGHT: return down;
    case PHYSICALOFFSETX: case PHYSICALOFFSETY: return kOffset;
    case HORZRES: return across - 2 * kOffset;
    case VERTRES: return down - 3 * kOffset;
  }
  return 0;
}
int WINAPI fakeStartDoc(HDC, const DOCINFOA* document) {
  gCalls += std::string("doc ") + document->lpszDocName + ";";
  return gStartDocFails ? 0 : 5;
}
int WINAPI fakeStartPage(HDC) { return gCalls += "page;", 1; }
int WINAPI fakeEndPage(HDC) { return gCalls += "endpage;", gEndPageFails ? 0 : 1; }
int WINAPI fakeEndDoc(HDC) { return gCalls += "enddoc;", 1; }
int WINAPI fakeAbortDoc(HDC) { return gCalls += "abort;", 1; }
BOOL WINAPI fakeDeleteDc(HDC) { return gCalls += "delete;", TRUE; }

class WindowsInkPage : public ::testing::Test {
 protected:
  void SetUp() override {
    savedSpooler_ = winspoolCalls();
    savedGdi_ = gdiPrintCalls();
    winspoolCalls().openPrinter = fakeOpen;
    winspoolCalls().closePrinter = fakeClose;
    gdiPrintCalls() = {fakeProperties, fakeCreateDc, fakeCaps,    fakeStartDoc, fakeStartPage,
                       fakeEndPage,    fakeEndDoc,   fakeAbortDoc, fakeDeleteDc};
    gCalls.clear();
    gEndPageFails = gStartDocFails = false;
  }
  void TearDown() override {
    winspoolCalls() = savedSpooler_;
    gdiPrintCalls() = savedGdi_;
    if (gDc) DeleteDC(gDc);
    gDc = nullptr;
  }
  static uint32_t printed(int x, int y) { return gBits[y * kPaperLength + x] & 0xFFFFFFu; }
  WinspoolCalls savedSpooler_{};
  GdiPrintCalls savedGdi_{};
};

// Three colours in four corners and across the middle, on an odd width of page.
void drawColours(Page& page) {
  page.canvas->setPixel(0, 0, 0xFF0000);
  page.canvas->setPixel(page.canvas->width() - 1, page.canvas->height() - 1, 0x0000FF);
  for (int x = 0; x < page.canvas->width(); x += 2) page.canvas->setPixel(x, 100, 0x00A000);
}

TEST_F(WindowsInkPage, ThePrinterTellsItsPaperAndThePageReachesItDotForDot) {
  InkPage page;
  ASSERT_TRUE(findInkPage("Tinta", false, page).ok);
  EXPECT_EQ(page.dpi, 100);
  const PrintableDots area = printableDots(page);
  EXPECT_EQ(area.left, kOffset);
  EXPECT_EQ(area.top, kOffset);
  EXPECT_EQ(area.width, kPaperWidth - 2 * kOffset);
  EXPECT_EQ(area.height, kPaperLength - 3 * kOffset);

  ASSERT_TRUE(printInkPage("Tinta", page, InkPaper::Plain, kDefaultTactileLine, drawColours).ok);
  EXPECT_EQ(gCalls, "dc WINSPOOL Tinta portrait;delete;dc WINSPOOL Tinta portrait;doc Pontelix;page;endpage;enddoc;delete;");
  std::optional<Page> expected = preparePage(inkPageSpec(static_cast<int32_t>(area.width)));
  ASSERT_TRUE(expected);
  drawColours(*expected);
  const PixelView pixels = pagePixels(*expected);
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) ASSERT_EQ(printed(x, y), pixels.at(x, y) & 0xFFFFFFu) << x << "," << y;
  }
}

TEST_F(WindowsInkPage, SwellPaperIsDrawnAsPathsInLandscape) {
  InkPage page;
  ASSERT_TRUE(findInkPage("Tinta", true, page).ok);
  // A disc 20 mm wide, 30 mm from the tactile drawing's corner, which is 10 mm inside
  // the printable area: its centre is 40 mm from the paper's, less the printer's offset.
  const auto disc = [](Page& p) { p.canvas->disc(300, 300, 200); };
  ASSERT_TRUE(printInkPage("Tinta", page, InkPaper::Swell, kDefaultTactileLine, disc).ok);
  EXPECT_NE(gCalls.find("dc WINSPOOL Tinta landscape;doc Pontelix;page;endpage;enddoc;"), std::string::npos);
  const int centre = static_cast<int>(40 / 25.4 * 100) - kOffset;
  EXPECT_EQ(printed(centre, centre), 0u);
  // 10 mm is 39 dots: black inside the disc, white a little beyond it.
  for (const int across : {-37, 37}) {
    EXPECT_EQ(printed(centre + across, centre), 0u);
    EXPECT_EQ(printed(centre, centre + across), 0u);
  }
  for (const int beyond : {-42, 42}) {
    EXPECT_EQ(printed(centre + beyond, centre), 0xFFFFFFu);
    EXPECT_EQ(printed(centre, centre + beyond), 0xFFFFFFu);
  }
}

TEST_F(WindowsInkPage, ARefusedJobAndAPageThatFailsAreSaidAndNothingIsLeft) {
  InkPage page;
  ASSERT_TRUE(findInkPage("Tinta", false, page).ok);
  EXPECT_FALSE(findInkPage("Nenhuma", false, page).ok);
  // The job refused at its start, then a page that fails at its end: each said, and
  // the second aborted.
  const auto failure = [&](const char* calls, const char* key) {
    gCalls.clear();
    const Outcome outcome = printInkPage("Tinta", page, InkPaper::Plain, kDefaultTactileLine, drawColours);
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.told.size(), 1u);
    EXPECT_EQ(outcome.told[0].key, key);
    EXPECT_EQ(gCalls, calls);
  };
  gStartDocFails = true;
  failure("dc WINSPOOL Tinta portrait;doc Pontelix;delete;", "PXPROBLI");
  gStartDocFails = false;
  gEndPageFails = true;
  failure("dc WINSPOOL Tinta portrait;doc Pontelix;page;endpage;abort;delete;", "PXERRDSP");
}

}  // namespace
