#include "output/tactile/tactile_pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "output/ink/ink_pdf.h"
#include "output/tactile/tactile_page.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

void tracePath(cairo_t* cr, const std::vector<PathOp>& path) {
  cairo_new_path(cr);
  for (const PathOp& o : path) {
    switch (o.kind) {
      case PathOp::Kind::Move: cairo_move_to(cr, o.p[0].x, o.p[0].y); break;
      case PathOp::Kind::Line: cairo_line_to(cr, o.p[0].x, o.p[0].y); break;
      case PathOp::Kind::Curve: cairo_curve_to(cr, o.p[0].x, o.p[0].y, o.p[1].x, o.p[1].y, o.p[2].x, o.p[2].y); break;
      case PathOp::Kind::Close: cairo_close_path(cr); break;
    }
  }
}

void paintMark(cairo_t* cr, const VectorMark& mark) {
  cairo_save(cr);
  if (!mark.clip.empty()) {
    tracePath(cr, mark.clip);
    cairo_clip(cr);
  }
  const double level = mark.white ? 1.0 : 0.0;
  cairo_set_source_rgb(cr, level, level, level);
  tracePath(cr, mark.path);
  if (mark.paint == VectorMark::Paint::Fill) {
    cairo_fill(cr);
  } else {
    const StrokePattern pattern = strokePattern(mark.style, mark.width);
    cairo_set_line_width(cr, mark.width);
    cairo_set_dash(cr, pattern.dashes.data(), static_cast<int>(pattern.dashes.size()), 0);
    cairo_set_line_cap(cr, pattern.roundEnds ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

cairo_status_t passOn(void* closure, const unsigned char* data, unsigned int length) {
  const ByteSink& sink = *static_cast<const ByteSink*>(closure);
  return sink(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool paintTactilePage(cairo_surface_t* surface, const VectorCanvas& canvas, const InkPage& oriented, double unitsPerInchX,
                      double unitsPerInchY, DoublePoint origin) {
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, -origin.x, -origin.y);
  const PrintableDots area = tactileArea(oriented);
  // The drawing's corner on the printable area's, in the surface's units per tenth of a
  // millimetre.
  const double perInch = 25.4 * kVectorUnitsPerMm;
  cairo_scale(cr, unitsPerInchX / perInch, unitsPerInchY / perInch);
  cairo_translate(cr, static_cast<double>(area.left), static_cast<double>(area.top));
  cairo_rectangle(cr, 0, 0, canvas.width(), canvas.height());
  cairo_clip(cr);
  for (const bool lastPass : {false, true}) {
    for (const VectorGroup& group : canvas.groups()) {
      for (const VectorMark& mark : group.marks)
        if (mark.last == lastPass) paintMark(cr, mark);
    }
  }
  cairo_show_page(cr);
  const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return drawn && written;
}

bool writeTactilePdf(const VectorCanvas& canvas, const InkPage& oriented, const ByteSink& sink) {
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(passOn, const_cast<ByteSink*>(&sink), pointsOf(oriented.width), pointsOf(oriented.length));
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Pontelix");
  return paintTactilePage(surface, canvas, oriented, 72, 72, {0, 0});
}

bool writePagePdf(const Page& page, const InkPage& oriented, const ByteSink& sink) {
  if (const VectorCanvas* paths = page.paths()) return writeTactilePdf(*paths, oriented, sink);
  return writeInkPagePdf(pagePixels(page), oriented, sink);
}
