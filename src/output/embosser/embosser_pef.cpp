#include "output/embosser/embosser_pef.h"

#include <cstdint>
#include <cstdio>

#include "platform/frontends/braille_patterns.h"

namespace {

// FNV-1a over the cells and the page's size.
uint64_t pageDigest(const EmbosserPage& page) {
  uint64_t hash = 14695981039346656037ull;
  const auto mix = [&](unsigned byte) {
    hash ^= byte & 0xFFu;
    hash *= 1099511628211ull;
  };
  mix(static_cast<unsigned>(page.cellsPerLine));
  mix(static_cast<unsigned>(page.lines));
  for (const unsigned char cell : page.cells) mix(cell);
  return hash;
}

}  // namespace

std::string embosserPagePef(const EmbosserPage& page) {
  char identifier[40];
  std::snprintf(identifier, sizeof identifier, "pontelix-%016llx", static_cast<unsigned long long>(pageDigest(page)));
  std::string pef =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<pef version=\"2008-1\" xmlns=\"http://www.daisy.org/ns/2008/pef\">\n"
      "  <head>\n"
      "    <meta xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
      "      <dc:format>application/x-pef+xml</dc:format>\n"
      "      <dc:identifier>" + std::string(identifier) + "</dc:identifier>\n"
      "    </meta>\n"
      "  </head>\n"
      "  <body>\n"
      "    <volume cols=\"" + std::to_string(page.cellsPerLine) + "\" rows=\"" + std::to_string(page.lines) +
      "\" rowgap=\"0\" duplex=\"false\">\n"
      "      <section>\n"
      "        <page>\n";
  for (int line = 0; line < page.lines; ++line) {
    int end = page.cellsPerLine;
    while (end > 0 && page.cell(line, end - 1) == 0) --end;
    if (end == 0) {
      pef += "          <row/>\n";
      continue;
    }
    pef += "          <row>";
    for (int column = 0; column < end; ++column) pef += braillePatternUtf8(page.cell(line, column));
    pef += "</row>\n";
  }
  pef +=
      "        </page>\n"
      "      </section>\n"
      "    </volume>\n"
      "  </body>\n"
      "</pef>\n";
  return pef;
}
