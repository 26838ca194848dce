#include "output/tactile/tactile_svg.h"

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "platform/text/text.h"
#include "language/command_description.h"
#include "language/reader.h"
#include "output/tactile/tactile_page.h"
#include "output/tactile/tactile_settings.h"
#include "render/page.h"
#include "messages/messages.h"

namespace {

// Writes through a buffer, so that the sink sees large pieces; after the first refusal
// nothing more is passed on.
class SvgOutput {
 public:
  explicit SvgOutput(const ByteSink& sink) : sink_(sink) {}
  SvgOutput& operator<<(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= 1 << 16) flush();
    return *this;
  }
  bool flush() {
    if (ok_ && !buffer_.empty()) ok_ = sink_(buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok_;
  }

 private:
  const ByteSink& sink_;
  std::string buffer_;
  bool ok_ = true;
};

// Text as UTF-8 character data or attribute value.
std::string xmlText(std::string_view text) {
  std::string out;
  for (const char c : asUtf8(text)) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Controls other than tab have no place in XML 1.0.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

class SvgWriter {
 public:
  SvgWriter(SvgOutput& out, const PrintableDots& area) : out_(out), area_(area) {}

  // Millimetres on the paper of a canvas coordinate.
  std::string x(double units) const { return mm(units + static_cast<double>(area_.left)); }
  std::string y(double units) const { return mm(units + static_cast<double>(area_.top)); }
  static std::string mm(double units) { return dotDecimal(units / kVectorUnitsPerMm, 3); }

  void pathData(const std::vector<PathOp>& path) {
    out_ << " d=\"";
    for (const PathOp& o : path) {
      switch (o.kind) {
        case PathOp::Kind::Move: out_ << "M" << point(o.p[0]); break;
        case PathOp::Kind::Line: out_ << "L" << point(o.p[0]); break;
        case PathOp::Kind::Curve: out_ << "C" << point(o.p[0]) << " " << point(o.p[1]) << " " << point(o.p[2]); break;
        case PathOp::Kind::Close: out_ << "Z"; break;
      }
    }
    out_ << "\"";
  }

  void mark(const VectorMark& mark) {
    std::string clip;
    if (!mark.clip.empty()) {
      clip = "recorte" + std::to_string(++clips_);
      out_ << "<clipPath id=\"" << clip << "\"><path";
      pathData(mark.clip);
      out_ << "/></clipPath>\n";
    }
    const char* colour = mark.white ? "#fff" : "#000";
    out_ << "<path";
    pathData(mark.path);
    if (!clip.empty()) out_ << " clip-path=\"url(#" << clip << ")\"";
    if (mark.paint == VectorMark::Paint::Fill) {
      out_ << " fill=\"" << colour << "\"/>\n";
      return;
    }
    const StrokePattern pattern = strokePattern(mark.style, mark.width);
    out_ << " fill=\"none\" stroke=\"" << colour << "\" stroke-width=\"" << mm(mark.width)
         << "\" stroke-linejoin=\"round\" stroke-linecap=\"" << (pattern.roundEnds ? "round" : "butt") << "\"";
    if (!pattern.dashes.empty()) {
      out_ << " stroke-dasharray=\"";
      for (size_t i = 0; i < pattern.dashes.size(); ++i) out_ << (i ? " " : "") << mm(pattern.dashes[i]);
      out_ << "\"";
    }
    out_ << "/>\n";
  }

 private:
  std::string point(const DoublePoint& p) const { return x(p.x) + " " + y(p.y); }

  SvgOutput& out_;
  PrintableDots area_;
  int clips_ = 0;
};

}  // namespace

bool writeTactileSvg(const VectorCanvas& canvas, const InkPage& oriented, const std::vector<std::string>& lines,
                     const ByteSink& sink) {
  SvgOutput out(sink);
  const PrintableDots area = tactileArea(oriented);
  SvgWriter svg(out, area);
  const std::string width = dotDecimal(oriented.width / 100.0, 2), height = dotDecimal(oriented.length / 100.0, 2);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "mm\" height=\"" << height
      << "mm\" viewBox=\"0 0 " << width << " " << height << "\">\n"
      << "<title>" << xmlText(messageText("PXSVGTIT")) << "</title>\n"
      << "<clipPath id=\"folha\"><rect x=\"" << svg.x(0) << "\" y=\"" << svg.y(0) << "\" width=\""
      << SvgWriter::mm(canvas.width()) << "\" height=\"" << SvgWriter::mm(canvas.height()) << "\"/></clipPath>\n"
      << "<g clip-path=\"url(#folha)\">\n";
  const std::vector<std::string> described = describeCommandLines(lines);
  // The points' ringed discs come in a last pass, each in a group of its own line, so
  // that they lie over every line drawn after them.
  for (const bool lastPass : {false, true}) {
    for (const VectorGroup& group : canvas.groups()) {
      const auto inPass = [lastPass](const VectorMark& mark) { return mark.last == lastPass; };
      if (std::none_of(group.marks.begin(), group.marks.end(), inPass)) continue;
      const bool titled = group.line >= 0 && static_cast<size_t>(group.line) < lines.size();
      out << "<g>\n";
      if (titled) {
        out << "<title>" << xmlText(trimControls(lines[group.line])) << "</title>\n";
        if (!described[group.line].empty()) out << "<desc>" << xmlText(described[group.line]) << "</desc>\n";
      }
      for (const VectorMark& mark : group.marks)
        if (inPass(mark)) svg.mark(mark);
      out << "</g>\n";
    }
  }
  out << "</g>\n</svg>\n";
  return out.flush();
}

int saveTactileSvg(const std::string& path, const std::vector<std::string>& lines, const ScriptReports& reports,
                   SaveReport& report) {
  const InkPage paper = defaultInkPage();
  std::string why;
  std::optional<Page> page = prepareTactilePage(paper, configuredTactileLine(), why);
  if (!page) return ENOMEM;
  drawTactileDrawing(*page, false, lines, reports);
  return replaceFileAtomically(path, [&](const ByteSink& sink) {
    return writeTactileSvg(*page->paths(), paper, lines, sink);
  }, &report);
}
