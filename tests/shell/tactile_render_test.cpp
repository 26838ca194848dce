// The tactile drawing read back as a printer and a touch reader read it: the PDF drawn
// by poppler without smoothing at the printer's resolution, the SVG by librsvg.
#include <algorithm>
#include <cstdint>
#include <sstream>

#include "pdf_probe.h"
#include "render/image_decode.h"
#include "shell/render_process.h"

namespace {

struct Raster {
  int width = 0, height = 0;
  std::vector<std::uint8_t> grey;
  bool black(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && grey[static_cast<size_t>(y) * width + x] < 128;
  }
};

class TactileRender : public RenderCommand {
 protected:
  // The page as poppler draws it: without smoothing, as a printer's raster does, or
  // smoothed, as librsvg draws.
  Raster pdfRaster(const std::string& pdf, int dpi, bool smooth = false) {
    const std::string prefix = (dir_ / "raster").string();
    std::system(("pdftoppm -r " + std::to_string(dpi) + " -gray" + (smooth ? "" : " -aa no -aaVector no") + " '" +
                 (dir_ / pdf).string() + "' '" + prefix + "'")
                    .c_str());
    std::istringstream in(read(prefix + "-1.pgm"));
    Raster r;
    std::string magic;
    int maxValue = 0;
    in >> magic >> r.width >> r.height >> maxValue;
    in.get();
    r.grey.resize(static_cast<size_t>(r.width) * r.height);
    in.read(reinterpret_cast<char*>(r.grey.data()), static_cast<std::streamsize>(r.grey.size()));
    return r;
  }
  Raster svgRaster(const std::string& svg, int dpi) {
    const std::string png = (dir_ / "svg.png").string(), d = std::to_string(dpi);
    std::system(("rsvg-convert -d " + d + " -p " + d + " -b white '" + (dir_ / svg).string() + "' -o '" + png + "'").c_str());
    Raster r;
    for (const std::uint32_t argb : decodePng(read(png), r.width, r.height)) r.grey.push_back((argb >> 8) & 0xFF);
    return r;
  }
  // The lengths and centres of the black runs along a row or a column, in pixels.
  static std::vector<std::pair<int, double>> runs(const Raster& r, bool alongRow, int at) {
    std::vector<std::pair<int, double>> found;
    const int end = alongRow ? r.width : r.height;
    for (int i = 0; i < end;) {
      if (!(alongRow ? r.black(i, at) : r.black(at, i))) {
        ++i;
        continue;
      }
      int j = i;
      while (j < end && (alongRow ? r.black(j, at) : r.black(at, j))) ++j;
      found.emplace_back(j - i, (i + j - 1) / 2.0);
      i = j;
    }
    return found;
  }
};

constexpr double kPxPerMmAt300 = 300 / 25.4;
int px(double mm) { return static_cast<int>(mm * kPxPerMmAt300); }

TEST_F(TactileRender, LinesAndBrailleHaveTheirTactileSizesInPureBlackAndWhite) {
  // On A4 the drawing is 190 mm square, 10 mm from every edge: -20..20 spans it across, 1
  // unit is 4,75 mm; -15..15 down, 1 unit is 6,33 mm.
  write("p.pxg", "RT -20 0 20 0\nTB -10 10 ll\n");
  for (const auto& [option, mm] : {std::pair{"", 1.0}, {"--line-width=0,5", 0.5}, {"--line-width=2", 2.0}}) {
    ASSERT_EQ(render(std::string(option) + " --mode=tactile p.pxg -o p.pdf").status, 0) << option;
    const Raster r = pdfRaster("p.pdf", 300);
    ASSERT_EQ(r.width, px(210.0) + 1);
    const auto line = runs(r, false, px(150));
    ASSERT_EQ(line.size(), 1u) << option;
    EXPECT_NEAR(line[0].first / kPxPerMmAt300, mm, 0.1) << option;
    EXPECT_NEAR(line[0].second / kPxPerMmAt300, 105, 0.2) << option;
    EXPECT_TRUE(std::all_of(r.grey.begin(), r.grey.end(), [](std::uint8_t g) { return g == 0 || g == 255; })) << option;
  }
  const Raster r = pdfRaster("p.pdf", 300);
  // The axis keeps 10 mm of paper at either end.
  const auto axis = runs(r, true, px(105));
  ASSERT_EQ(axis.size(), 1u);
  EXPECT_NEAR(axis[0].first / kPxPerMmAt300, 190, 0.5);
  EXPECT_NEAR(axis[0].second / kPxPerMmAt300, 105, 0.5);
  // "l" is dots 1-2-3: three dots down the left column of each cell.
  const auto down = runs(r, false, px(57.55));
  ASSERT_EQ(down.size(), 4u);  // the three dots, then the line
  EXPECT_NEAR((down[1].second - down[0].second) / kPxPerMmAt300, 2.5, 0.1);
  EXPECT_NEAR((down[2].second - down[1].second) / kPxPerMmAt300, 2.5, 0.1);
  EXPECT_NEAR(down[0].first / kPxPerMmAt300, 1.5, 0.1);
  const auto across = runs(r, true, px(41.72));
  ASSERT_EQ(across.size(), 2u);
  EXPECT_NEAR((across[1].second - across[0].second) / kPxPerMmAt300, 6, 0.1);
}

// A point on a line is a 3 mm disc in a 1 mm ring of paper, over a line drawn after it too.
TEST_F(TactileRender, APointOnALineStandsInARingOfPaper) {
  write("p.pxg", "PT 0 0\nRT -20 0 20 0\n");
  ASSERT_EQ(render("--mode=tactile p.pxg -o p.pdf").status, 0);
  ASSERT_EQ(render("p.pxg -o p.svg").status, 0);
  for (const Raster& r : {pdfRaster("p.pdf", 300), svgRaster("p.svg", 300)}) {
    const auto row = runs(r, true, px(105));
    ASSERT_EQ(row.size(), 3u);
    EXPECT_NEAR(row[1].first / kPxPerMmAt300, 3, 0.1);
    EXPECT_NEAR(row[1].second / kPxPerMmAt300, 105, 0.2);
    const double before = row[1].second - row[1].first / 2.0 - (row[0].second + row[0].first / 2.0);
    EXPECT_NEAR(before / kPxPerMmAt300, 1, 0.1);
    EXPECT_NEAR(row[0].first, row[2].first, 2);
  }
}

TEST_F(TactileRender, TheSvgDrawsWhatThePdfDrawsAndTitlesEachDrawingLine) {
  const std::vector<std::string> drawing = {
      "EX -20 0 20 0 2", "CC 1 2 1",  "RT -15 5 15 5", "CC 2 3 2", "RT -15 8 15 8",   "CC 1 1 1",
      "CI -8 -6 4",      "EL 8 -6 5 2", "PT 0 3",      "ST -18 -14 -12 -9", "RG 10 8 5 4", "GR -18 -13 -10 -10 2 1",
      "PO 1 -12 5 -13 9 -10", "TX -18 13 Curso de Física", "TB 16 14.5 borda direita", "HI 12 -14 1 2 3 1"};
  std::string script;
  for (const std::string& line : drawing) script += line + "\n";
  write("p.pxg", script);
  ASSERT_EQ(render("--mode=tactile p.pxg -o p.pdf").status, 0);
  ASSERT_EQ(render("p.pxg -o p.svg").status, 0);
  ASSERT_EQ(std::system(("xmllint --noout '" + (dir_ / "p.svg").string() + "'").c_str()), 0);
  const Raster pdf = pdfRaster("p.pdf", 150, true), svg = svgRaster("p.svg", 150);
  ASSERT_EQ(pdf.width, svg.width);
  ASSERT_EQ(pdf.height, svg.height);
  // Every black pixel of one has a black pixel within one pixel in the other.
  const auto near = [](const Raster& r, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (r.black(x + dx, y + dy)) return true;
    return false;
  };
  int blacks = 0, strays = 0;
  for (int y = 0; y < pdf.height; ++y) {
    for (int x = 0; x < pdf.width; ++x) {
      blacks += pdf.black(x, y);
      strays += (pdf.black(x, y) && !near(svg, x, y)) + (svg.black(x, y) && !near(pdf, x, y));
    }
  }
  EXPECT_GT(blacks, 10000);
  EXPECT_EQ(strays, 0);

  // One titled group for every line that draws (the pens draw nothing), with what it draws.
  const std::string text = read(dir_ / "p.svg");
  size_t groups = 0;
  for (size_t at = text.find("<g>\n<title>"); at != std::string::npos; at = text.find("<g>\n<title>", at + 1)) ++groups;
  EXPECT_EQ(groups, drawing.size() - 3);
  EXPECT_NE(text.find("<title>CI -8 -6 4</title>\n<desc>círculo de centro (-8; -6) e raio 4</desc>"), std::string::npos);
  EXPECT_NE(text.find("<desc>rótulo em braille em (16; 14,5): borda direita</desc>"), std::string::npos);
  EXPECT_NE(text.find("width=\"210mm\" height=\"297mm\" viewBox=\"0 0 210 297\""), std::string::npos);
}

// Of a label of 65 000 letters only the letters near the page are kept: small files, the same picture.
TEST_F(TactileRender, ALabelRunningFarOffThePageKeepsOnlyTheLettersNearIt) {
  for (const auto& [name, letters] : {std::pair{std::string("longe"), 65000}, {"curto", 60}}) {
    write(name + ".pxg", "TX -19 0 " + std::string(letters, 'W') + "\n");
    for (const char* kind : {".pdf", ".svg"}) ASSERT_EQ(render("--mode=tactile " + name + ".pxg -o " + name + kind).status, 0);
  }
  EXPECT_LT(fs::file_size(dir_ / "longe.svg") + fs::file_size(dir_ / "longe.pdf"), 200000u);
  EXPECT_EQ(pdfRaster("longe.pdf", 50).grey, pdfRaster("curto.pdf", 50).grey);
  EXPECT_EQ(svgRaster("longe.svg", 50).grey, svgRaster("curto.svg", 50).grey);
}

TEST_F(TactileRender, AnEmptyScriptIsABlankPageAndWrongChoicesAreRefused) {
  write("empty.pxg", "");
  ASSERT_EQ(render("--mode=tactile empty.pxg -o e.pdf").status, 0);
  const Raster blank = pdfRaster("e.pdf", 50);
  EXPECT_TRUE(std::all_of(blank.grey.begin(), blank.grey.end(), [](std::uint8_t g) { return g == 255; }));
  EXPECT_TRUE(pdfImages((dir_ / "e.pdf").string()).empty());
  ASSERT_EQ(render("--landscape --size=297x420 empty.pxg -o e.svg").status, 0);
  EXPECT_NE(read(dir_ / "e.svg").find("width=\"420mm\" height=\"297mm\""), std::string::npos);
  for (const char* wrong : {"--mode=tactile empty.pxg -o x.png", "--mode=ink empty.pxg -o x.svg",
                            "--line-width=3 empty.pxg -o x.svg", "--line-width=fino empty.pxg -o x.svg"}) {
    const ProcessResult run = render(wrong);
    EXPECT_EQ(run.status, 2) << wrong;
    EXPECT_NE(run.err.find("pontelix render:"), std::string::npos) << wrong;
  }
}

}  // namespace
