// The ink page through GDI, on a printer of the test's own whose device context is a
// bitmap in memory. The pixels and the paper the printer tells are compared where Wine's
// own GDI prints them (scripts/windows-test.sh); here, the paths of swell paper, and the
// failures a real printer gives only rarely.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "output/ink/ink_print.h"
#include "output/printing/printer_page_windows.h"
#include "output/printing/spooler_windows.h"

namespace {

// The paper at 100 dpi, 320 x 420 dots (turned in landscape), printable from 10 dots in
// at the top and left, 10 at the right and 30 at the bottom.
constexpr int kWidth = 320, kLength = 420, kOffset = 10;
std::string gCalls;
bool gLandscape = false, gStartDocFails = false, gEndPageFails = false;
HDC gDc = nullptr;  // one bitmap for every job, read after the job's end
uint32_t* gBits = nullptr;

HDC WINAPI fakeCreateDc(LPCSTR, LPCSTR device, LPCSTR, const DEVMODEA* settings) {
  gLandscape = settings && settings->dmOrientation == DMORIENT_LANDSCAPE;
  gCalls += std::string("dc ") + device + (gLandscape ? " landscape;" : ";");
  if (gDc) return gDc;
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), kLength, -kLength, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&gBits), nullptr, 0);
  std::fill(gBits, gBits + kLength * kLength, 0xFFFFFFu);
  SelectObject(gDc = CreateCompatibleDC(nullptr), bitmap);
  return gDc;
}

int WINAPI fakeCaps(HDC, int index) {
  const int across = gLandscape ? kLength : kWidth, down = gLandscape ? kWidth : kLength;
  return std::map<int, int>{{LOGPIXELSX, 100}, {LOGPIXELSY, 100}, {PHYSICALWIDTH, across}, {PHYSICALHEIGHT, down},
                            {PHYSICALOFFSETX, kOffset}, {PHYSICALOFFSETY, kOffset},
                            {HORZRES, across - 2 * kOffset}, {VERTRES, down - 4 * kOffset}}[index];
}

uint32_t printed(int x, int y) { return gBits[y * kLength + x] & 0xFFFFFFu; }

TEST(WindowsInkPage, SwellPathsInLandscapeAndFailuresSaid) {
  const WinspoolCalls spooler = winspoolCalls();
  const GdiPrintCalls gdi = gdiPrintCalls();
  winspoolCalls().openPrinter = [](LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA) -> BOOL {
    return *printer = reinterpret_cast<HANDLE>(1), std::string(name) == "Tinta";
  };
  winspoolCalls().closePrinter = [](HANDLE) -> BOOL { return TRUE; };
  gdiPrintCalls() = {
      [](HWND, HANDLE, LPSTR, PDEVMODEA out, PDEVMODEA in, DWORD mode) -> LONG {
        return mode ? (*out = in ? *in : DEVMODEA{}, IDOK) : sizeof(DEVMODEA);
      },
      fakeCreateDc, fakeCaps,
      [](HDC, const DOCINFOA* doc) { return gCalls += std::string("doc ") + doc->lpszDocName + ";", gStartDocFails ? 0 : 5; },
      [](HDC) { return gCalls += "page;", 1; }, [](HDC) { return gCalls += "endpage;", gEndPageFails ? 0 : 1; },
      [](HDC) { return gCalls += "enddoc;", 1; }, [](HDC) { return gCalls += "abort;", 1; },
      [](HDC) -> BOOL { return gCalls += "delete;", TRUE; }};

  InkPage page;
  EXPECT_FALSE(findInkPage("Nenhuma", false, page).ok);
  // A disc 20 mm wide, 30 mm from the tactile drawing's corner, which is 10 mm inside
  // the printable area: its centre is 40 mm from the paper's corner (157 dots), its
  // radius 39 dots.
  ASSERT_TRUE(findInkPage("Tinta", true, page).ok);
  const auto disc = [](Page& p) { p.canvas->disc(300, 300, 200); };
  ASSERT_TRUE(printInkPage("Tinta", page, InkPaper::Swell, kDefaultTactileLine, disc).ok);
  EXPECT_NE(gCalls.find("dc Tinta landscape;doc Pontelix;page;endpage;enddoc;"), std::string::npos);
  const int centre = 157 - kOffset;
  for (const int d : {-37, 0, 37}) EXPECT_EQ(printed(centre + d, centre) | printed(centre, centre + d), 0u);
  for (const int d : {-42, 42}) EXPECT_EQ(printed(centre + d, centre) & printed(centre, centre + d), 0xFFFFFFu);

  ASSERT_TRUE(findInkPage("Tinta", false, page).ok);
  for (const bool refused : {true, false}) {
    gStartDocFails = refused;
    gEndPageFails = !refused;
    gCalls.clear();
    const Outcome outcome = printInkPage("Tinta", page, InkPaper::Plain, kDefaultTactileLine, [](Page&) {});
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(outcome.told.size(), 1u);
    EXPECT_EQ(outcome.told[0].key, refused ? "PXPROBLI" : "PXERRDSP");
    EXPECT_EQ(gCalls, refused ? "dc Tinta;doc Pontelix;delete;" : "dc Tinta;doc Pontelix;page;endpage;abort;delete;");
  }
  winspoolCalls() = spooler;
  gdiPrintCalls() = gdi;
  DeleteDC(gDc);
}

}  // namespace
