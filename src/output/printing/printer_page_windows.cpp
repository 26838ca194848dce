#include "output/printing/printer_page_windows.h"

#include <cairo-win32.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "output/tactile/tactile_pdf.h"
#include "render/image_page.h"

namespace {

GdiPrintCalls gCalls{::DocumentPropertiesA, ::CreateDCA, ::GetDeviceCaps, ::StartDocA, ::StartPage,
                     ::EndPage, ::EndDoc, ::AbortDoc, ::DeleteDC};

// The rows of pixels handed to GDI at a time: the page is never copied whole.
constexpr size_t kBandBytes = 1 << 20;

// What the device context tells of the paper, in the device's dots.
struct DeviceGeometry {
  int dpiX = 0, dpiY = 0;
  int width = 0, height = 0;    // the paper
  int offsetX = 0, offsetY = 0;  // the printable area's corner on it
  int areaWidth = 0, areaHeight = 0;
};

DeviceGeometry measure(HDC dc) {
  DeviceGeometry g;
  g.dpiX = gCalls.deviceCaps(dc, LOGPIXELSX);
  g.dpiY = gCalls.deviceCaps(dc, LOGPIXELSY);
  g.width = gCalls.deviceCaps(dc, PHYSICALWIDTH);
  g.height = gCalls.deviceCaps(dc, PHYSICALHEIGHT);
  g.offsetX = gCalls.deviceCaps(dc, PHYSICALOFFSETX);
  g.offsetY = gCalls.deviceCaps(dc, PHYSICALOFFSETY);
  g.areaWidth = gCalls.deviceCaps(dc, HORZRES);
  g.areaHeight = gCalls.deviceCaps(dc, VERTRES);
  return g;
}

// The device context of the printer's default settings with the paper turned as asked;
// of its defaults as they are when the driver gives no settings to change.
HDC openDeviceContext(HANDLE printer, const std::string& device, bool landscape) {
  char* name = const_cast<char*>(device.c_str());
  const LONG size = gCalls.documentProperties(nullptr, printer, name, nullptr, nullptr, 0);
  std::vector<BYTE> defaults(size > 0 ? size : 0), turned(defaults.size());
  auto* in = reinterpret_cast<DEVMODEA*>(defaults.data());
  auto* out = reinterpret_cast<DEVMODEA*>(turned.data());
  if (size <= 0 || gCalls.documentProperties(nullptr, printer, name, in, nullptr, DM_OUT_BUFFER) != IDOK) {
    return gCalls.createDC("WINSPOOL", name, nullptr, nullptr);
  }
  in->dmFields |= DM_ORIENTATION;
  in->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  // The driver merges the change with the rest of its settings.
  const bool merged = gCalls.documentProperties(nullptr, printer, name, out, in, DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
  return gCalls.createDC("WINSPOOL", name, nullptr, merged ? out : in);
}

// Dots in hundredths of a millimetre; nonsense from a driver stays within the page's range.
int32_t hundredthsOf(int dots, int dpi) {
  return static_cast<int32_t>(std::lround(std::clamp(dots * 2540.0 / dpi, -1e9, 1e9)));
}

// Where the page's pixels and paths go on the device context: `scaleX` and `scaleY`
// device dots to a page dot (one, unless the printer's dots are not square), and the
// device's own offset.
struct Placement {
  double scaleX = 1, scaleY = 1;
  int offsetX = 0, offsetY = 0;
  int x(int64_t dot) const { return static_cast<int>(std::lround(dot * scaleX)) - offsetX; }
  int y(int64_t dot) const { return static_cast<int>(std::lround(dot * scaleY)) - offsetY; }
};

// The pixels as device-independent bitmaps a band of rows at a time, in the view's own
// layout: indexes of 4 or 8 bits with the view's colours, or 32-bit words.
bool paintPixels(HDC dc, const PixelView& image, const PrintableDots& area, const Placement& at) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  const int bits = image.pixels ? 32 : image.depth;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = image.width;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = BI_RGB;
  if (!image.pixels) {
    info.header.biClrUsed = static_cast<DWORD>(image.colourCount);
    for (int i = 0; i < image.colourCount; ++i) {
      const uint32_t c = image.colours[i];
      info.colours[i] = {static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 0};
    }
  }
  const size_t rowBytes = (static_cast<size_t>(image.width) * bits + 7) / 8;
  const size_t dibRowBytes = (rowBytes + 3) & ~size_t{3};
  const int bandRows = static_cast<int>(std::clamp<size_t>(kBandBytes / dibRowBytes, 1, image.height));
  std::vector<uint8_t> band(dibRowBytes * bandRows);
  const auto* first = image.pixels ? reinterpret_cast<const uint8_t*>(image.pixels) : image.indexes;
  const size_t strideBytes = static_cast<size_t>(image.stride) * (image.pixels ? 4 : 1);
  SetStretchBltMode(dc, COLORONCOLOR);
  const int left = at.x(area.left), right = at.x(area.left + image.width);
  for (int y = 0; y < image.height; y += bandRows) {
    const int rows = std::min(bandRows, image.height - y);
    for (int r = 0; r < rows; ++r) std::memcpy(&band[r * dibRowBytes], first + (y + r) * strideBytes, rowBytes);
    info.header.biHeight = -rows;  // top row first
    const int top = at.y(area.top + y), bottom = at.y(area.top + y + rows);
    const int copied = StretchDIBits(dc, left, top, right - left, bottom - top, 0, 0, image.width, rows, band.data(),
                                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
    if (copied == 0 || copied == static_cast<int>(GDI_ERROR)) return false;
  }
  return true;
}

// The paths through Cairo's printing surface, which turns them into GDI's own paths.
bool paintPaths(HDC dc, const VectorCanvas& canvas, const InkPage& oriented, const DeviceGeometry& g) {
  const DoublePoint origin{static_cast<double>(g.offsetX), static_cast<double>(g.offsetY)};
  return paintTactilePage(cairo_win32_printing_surface_create(dc), canvas, oriented, g.dpiX, g.dpiY, origin);
}

bool paintPage(HDC dc, const Page& page, const InkPage& oriented) {
  const DeviceGeometry g = measure(dc);
  if (g.dpiX <= 0 || g.dpiY <= 0) return false;
  if (const VectorCanvas* paths = page.paths()) return paintPaths(dc, *paths, oriented, g);
  const PixelView image = pagePixels(page);
  if (image.width <= 0 || image.height <= 0) return false;
  const Placement at{g.dpiX / oriented.dpi, g.dpiY / oriented.dpi, g.offsetX, g.offsetY};
  return paintPixels(dc, image, printableDots(oriented), at);
}

}  // namespace

GdiPrintCalls& gdiPrintCalls() { return gCalls; }

InkPageAnswer describeGdiPage(HANDLE printer, const std::string& device) {
  InkPageAnswer answer;
  answer.answered = true;
  answer.found = true;
  HDC dc = openDeviceContext(printer, device, false);
  if (!dc) return answer;
  const DeviceGeometry g = measure(dc);
  gCalls.deleteDC(dc);
  if (g.dpiX <= 0 || g.dpiY <= 0) return answer;
  answer.resolution = true;
  answer.page.dpi = g.dpiX;
  if (g.width <= 0 || g.height <= 0) return answer;
  answer.media = true;
  InkPage& p = answer.page;
  p.width = hundredthsOf(g.width, g.dpiX);
  p.length = hundredthsOf(g.height, g.dpiY);
  p.left = hundredthsOf(g.offsetX, g.dpiX);
  p.top = hundredthsOf(g.offsetY, g.dpiY);
  p.right = hundredthsOf(g.width - g.offsetX - g.areaWidth, g.dpiX);
  p.bottom = hundredthsOf(g.height - g.offsetY - g.areaHeight, g.dpiY);
  return answer;
}

PageJob drawGdiPage(HANDLE printer, const std::string& device, std::string_view title, const Page& page,
                    const InkPage& oriented) {
  HDC dc = openDeviceContext(printer, device, oriented.width > oriented.length);
  if (!dc) return PageJob::Refused;
  const std::string name(title);
  DOCINFOA document{sizeof(DOCINFOA), name.c_str(), nullptr, nullptr, 0};
  if (gCalls.startDoc(dc, &document) <= 0) {
    gCalls.deleteDC(dc);
    return PageJob::Refused;
  }
  const bool drawn = gCalls.startPage(dc) > 0 && paintPage(dc, page, oriented) && gCalls.endPage(dc) > 0;
  // A page that did not go whole is withdrawn: the spooler deletes the job.
  const bool ended = drawn ? gCalls.endDoc(dc) > 0 : (gCalls.abortDoc(dc), false);
  gCalls.deleteDC(dc);
  return ended ? PageJob::Printed : PageJob::Failed;
}
