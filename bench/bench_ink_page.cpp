// The ink page as a PDF: time to compress the test drawing on an A4 page at 300 and
// 600 dpi, and the memory it costs beyond the surface. Each memory figure comes from a
// child process of its own (its peak resident size, from wait4), with and without the
// writing, so that one measurement's high-water mark does not hide the next. Beside
// ours, the same page through Cairo's PDF surface, the road not taken: it converts the
// whole image to an uncompressed copy before compressing it.
#include <benchmark/benchmark.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "output/device/device_page.h"
#include "output/ink/ink_pdf.h"
#include "render/figures.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

InkPage a4(double dpi) {
  InkPage page = defaultInkPage();
  page.dpi = dpi;
  return page;
}

Page drawPage(const InkPage& paper) {
  std::optional<Page> page = preparePage(inkPageSpec(static_cast<int32_t>(inkSideOf(printableDots(paper)))));
  if (!page) std::abort();
  renderTestDrawing(*page);
  return std::move(*page);
}

size_t writeOurs(const Page& drawn, const InkPage& page) {
  size_t bytes = 0;
  if (!writeInkPagePdf(pagePixels(drawn), page, [&](const void*, size_t size) {
        bytes += size;
        return true;
      }))
    std::abort();
  return bytes;
}

cairo_status_t countCairo(void* closure, const unsigned char*, unsigned int size) {
  *static_cast<size_t*>(closure) += size;
  return CAIRO_STATUS_SUCCESS;
}

// Cairo's PDF takes an image surface of 32-bit pixels, made here from the page.
cairo_surface_t* imageSurface(const PixelView& view) {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, view.width, view.height);
  auto* pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
  const int words = cairo_image_surface_get_stride(image) / 4;
  for (int y = 0; y < view.height; ++y) {
    for (int x = 0; x < view.width; ++x) pixels[static_cast<size_t>(y) * words + x] = view.at(x, y);
  }
  cairo_surface_mark_dirty(image);
  return image;
}

size_t writeCairo(const Page& drawn, const InkPage& page) {
  size_t bytes = 0;
  cairo_surface_t* image = imageSurface(pagePixels(drawn));
  cairo_surface_t* pdf = cairo_pdf_surface_create_for_stream(countCairo, &bytes, pointsOf(page.width), pointsOf(page.length));
  cairo_t* cr = cairo_create(pdf);
  cairo_scale(cr, 72.0 / page.dpi, 72.0 / page.dpi);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_show_page(cr);
  cairo_destroy(cr);
  cairo_surface_finish(pdf);
  cairo_surface_destroy(pdf);
  cairo_surface_destroy(image);
  return bytes;
}

enum class Writer { None, Ours, Cairo };

// The peak resident size, in megabytes, of a child that draws the page and writes it.
double childPeakMegabytes(const InkPage& page, Writer writer) {
  const pid_t pid = fork();
  if (pid == 0) {
    const Page drawn = drawPage(page);
    if (writer == Writer::Ours) writeOurs(drawn, page);
    if (writer == Writer::Cairo) writeCairo(drawn, page);
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  return usage.ru_maxrss / 1024.0;
}

void BM_InkPagePdf(benchmark::State& state) {
  const InkPage page = a4(static_cast<double>(state.range(0)));
  const Writer writer = static_cast<Writer>(state.range(1));
  size_t bytes = 0;
  {
    const Page drawn = drawPage(page);
    for (auto _ : state) bytes = writer == Writer::Ours ? writeOurs(drawn, page) : writeCairo(drawn, page);
  }
  const double surfaceOnly = childPeakMegabytes(page, Writer::None);
  state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024;
  state.counters["surface_peak_MB"] = surfaceOnly;
  state.counters["writing_extra_MB"] = childPeakMegabytes(page, writer) - surfaceOnly;
  state.SetLabel(writer == Writer::Ours ? "ours" : "cairo pdf surface");
}
BENCHMARK(BM_InkPagePdf)
    ->Args({300, static_cast<int>(Writer::Ours)})
    ->Args({600, static_cast<int>(Writer::Ours)})
    ->Args({600, static_cast<int>(Writer::Cairo)})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
