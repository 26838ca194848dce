// The PDF is written by hand rather than through a drawing library's PDF surface: such
// a surface converts the whole image to an uncompressed copy before compressing it
// (three quarters of the surface again, 74 MB for an A4 page at 600 dpi), which a
// page of this size cannot afford. The file is small and fixed: seven objects and one
// image compressed with zlib as it is read from the surface.
//
// A drawing's few colours make it a palette image (/Indexed) of the smallest depth that
// holds them (render/palette.h): an A4 page at 600 dpi of the test drawing is 12 MB of
// four-bit indexes to compress instead of 74 MB of RGB, and its pixels decode the same.
// The indexes are compressed with zlib's run-length strategy: measured on the test
// drawing and the examples at 300 and 600 dpi, it takes the same time as levels 1 and 3;
// at 600 dpi its files are smaller than theirs for every drawing (81 kB for the test
// drawing, against 110 kB at level 3), at 300 dpi about the same (one example 20 kB
// against 14 kB). Level 6 takes two to three times as long for a quarter less (61 kB).
// With no predictor in front of it, a run of white is a run of one byte value, which is
// all the run-length strategy looks for. A picture of more than 256 colours stays RGB,
// compressed at zlib's default level as before: a run of one colour other than white
// repeats every three bytes, which runs of one byte value miss.
#include "output/ink/ink_pdf.h"

#include <zlib.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text.h"
#include "render/palette.h"

namespace {

// The comment that follows the header: bytes above 127 tell programs that copy the
// file that it is binary.
constexpr unsigned char kBinaryMark[] = {'%', 0xE2, 0xE3, 0xCF, 0xD3, '\n'};

// Object numbers, in the order they are written.
enum Object : int { kCatalog = 1, kPages, kPage, kContents, kImage, kImageLength, kInfo, kObjectCount };

// A number as PDF writes it: no more digits than a printer can use.
std::string pdfNumber(double value) { return dotDecimal(value, 4); }

// Passes the file on to the sink, counting its bytes so that the cross-reference table
// can give each object's offset. After the first refusal nothing more is passed on.
class PdfOutput {
 public:
  explicit PdfOutput(const ByteSink& sink) : sink_(sink) {}

  bool put(std::string_view text) { return putBytes(text.data(), text.size()); }
  bool putBytes(const void* data, size_t size) {
    if (ok_ && size > 0) ok_ = sink_(data, size);
    written_ += size;
    return ok_;
  }
  bool beginObject(Object number) {
    offsets_[number] = written_;
    return put(std::to_string(number) + " 0 obj\n");
  }
  bool object(Object number, std::string_view body) {
    return beginObject(number) && put(body) && put("\nendobj\n");
  }
  // The cross-reference table and the trailer; each table entry is exactly 20 bytes.
  bool finish() {
    const uint64_t table = written_;
    std::string text = "xref\n0 " + std::to_string(kObjectCount) + "\n0000000000 65535 f \n";
    for (int number = 1; number < kObjectCount; ++number) {
      char entry[32];
      std::snprintf(entry, sizeof entry, "%010llu 00000 n \n", static_cast<unsigned long long>(offsets_[number]));
      text += entry;
    }
    text += "trailer\n<< /Size " + std::to_string(kObjectCount) + " /Root " + std::to_string(kCatalog) +
            " 0 R /Info " + std::to_string(kInfo) + " 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    return put(text);
  }
  bool ok() const { return ok_; }

 private:
  const ByteSink& sink_;
  uint64_t written_ = 0;
  std::array<uint64_t, kObjectCount> offsets_{};
  bool ok_ = true;
};

// How zlib compresses an image's rows.
struct Compression {
  int level;
  int strategy;
};
constexpr Compression kIndexCompression{Z_BEST_SPEED, Z_RLE};
constexpr Compression kRgbCompression{Z_DEFAULT_COMPRESSION, Z_DEFAULT_STRATEGY};

// Compresses `rows` rows of `rowBytes` bytes, each made by fill(y, bytes), into the
// output; `compressed` is the number of bytes the stream took.
template <typename Fill>
bool writeCompressedRows(int rows, size_t rowBytes, const Fill& fill, Compression how, PdfOutput& out,
                         uint64_t& compressed) {
  z_stream zs{};
  if (deflateInit2(&zs, how.level, Z_DEFLATED, MAX_WBITS, 8, how.strategy) != Z_OK) return false;
  std::vector<uint8_t> row(rowBytes);
  std::vector<uint8_t> chunk(1 << 16);
  bool ok = true;
  compressed = 0;
  auto drain = [&](int flush) {
    int result;
    do {
      zs.next_out = chunk.data();
      zs.avail_out = static_cast<uInt>(chunk.size());
      result = deflate(&zs, flush);
      const size_t produced = chunk.size() - zs.avail_out;
      compressed += produced;
      if (result == Z_STREAM_ERROR || !out.putBytes(chunk.data(), produced)) return false;
    } while (zs.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    return true;
  };
  for (int y = 0; ok && y < rows; ++y) {
    fill(y, row.data());
    zs.next_in = row.data();
    zs.avail_in = static_cast<uInt>(row.size());
    ok = drain(Z_NO_FLUSH);
  }
  ok = ok && drain(Z_FINISH);
  deflateEnd(&zs);
  return ok;
}

// The image's colour space and depth: its palette when it has one.
std::string colourSpace(const Palette* palette) {
  if (!palette) return "/ColorSpace /DeviceRGB /BitsPerComponent 8";
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string space = "/ColorSpace [/Indexed /DeviceRGB " + std::to_string(palette->colours().size() - 1) + " <";
  for (const uint32_t colour : palette->colours()) {
    for (int shift = 20; shift >= 0; shift -= 4) space += kHex[colour >> shift & 0xF];
  }
  return space + ">] /BitsPerComponent " + std::to_string(palette->depth());
}

// The image's pixels, as palette indexes when it has a palette, as RGB bytes otherwise.
bool writeCompressedPixels(const PixelView& image, const Palette* palette, PdfOutput& out, uint64_t& compressed) {
  if (!palette) {
    return writeCompressedRows(
        image.height, static_cast<size_t>(image.width) * 3,
        [&](int y, uint8_t* row) { copyRgbRow(image, y, row); }, kRgbCompression, out, compressed);
  }
  return writeCompressedRows(
      image.height, palette->rowBytes(image.width),
      [&](int y, uint8_t* row) { palette->indexRow(image, y, row); }, kIndexCompression, out, compressed);
}

}  // namespace

bool writeInkPagePdf(const PixelView& image, const InkPage& page, const ByteSink& sink) {
  const PrintableDots area = printableDots(page);
  const double pointsPerDot = 72.0 / page.dpi;
  const double pageWidth = pointsOf(page.width), pageHeight = pointsOf(page.length);
  const double imageWidth = image.width * pointsPerDot, imageHeight = image.height * pointsPerDot;
  const double x = static_cast<double>(area.left) * pointsPerDot;
  const double y = pageHeight - static_cast<double>(area.top) * pointsPerDot - imageHeight;

  const std::string contents = "q\n" + pdfNumber(imageWidth) + " 0 0 " + pdfNumber(imageHeight) + " " +
                               pdfNumber(x) + " " + pdfNumber(y) + " cm\n/Im0 Do\nQ\n";
  const std::string ref = " 0 R";
  PdfOutput out(sink);
  out.put("%PDF-1.4\n");
  out.putBytes(kBinaryMark, sizeof kBinaryMark);
  out.object(kCatalog, "<< /Type /Catalog /Pages " + std::to_string(kPages) + ref + " >>");
  out.object(kPages, "<< /Type /Pages /Kids [" + std::to_string(kPage) + ref + "] /Count 1 >>");
  out.object(kPage, "<< /Type /Page /Parent " + std::to_string(kPages) + ref + " /MediaBox [0 0 " +
                        pdfNumber(pageWidth) + " " + pdfNumber(pageHeight) + "] /Resources << /XObject << /Im0 " +
                        std::to_string(kImage) + ref + " >> >> /Contents " + std::to_string(kContents) + ref + " >>");
  out.object(kContents, "<< /Length " + std::to_string(contents.size()) + " >>\nstream\n" + contents + "endstream");

  Palette palette;
  const Palette* indexed = palette.collect(image) ? &palette : nullptr;
  out.beginObject(kImage);
  out.put("<< /Type /XObject /Subtype /Image /Width " + std::to_string(image.width) + " /Height " +
          std::to_string(image.height) +
          " " + colourSpace(indexed) + " /Interpolate false /Filter /FlateDecode /Length " +
          std::to_string(kImageLength) + ref + " >>\nstream\n");
  uint64_t compressed = 0;
  if (!out.ok() || !writeCompressedPixels(image, indexed, out, compressed)) return false;
  out.put("\nendstream\nendobj\n");
  out.object(kImageLength, std::to_string(compressed));
  out.object(kInfo, "<< /Title (Pontelix) /Producer (Pontelix) >>");
  return out.finish();
}
