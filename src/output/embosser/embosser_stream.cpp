// The embosser receives each cell as the device character of the Braille alphabet, the
// same characters the labels are translated into.
#include "output/embosser/embosser_stream.h"

#include "language/braille_cells.h"

char embosserCellCode(unsigned pattern) {
  return static_cast<char>(brailleCellDeviceCharacter(static_cast<unsigned char>(pattern & 63u)));
}

std::vector<std::string> embosserLines(const EmbosserPage& page) {
  const int lineCount = page.embossedLines();
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(lineCount));
  for (int line = 0; line < lineCount; ++line) {
    std::string text;
    text.reserve(static_cast<size_t>(page.cellsPerLine) + 2);
    for (int cell = 0; cell < page.cellsPerLine; ++cell) text += embosserCellCode(page.cell(line, cell));
    text.erase(text.find_last_not_of(' ') + 1);
    text += "\r\n";
    lines.push_back(std::move(text));
  }
  return lines;
}

std::vector<std::string> embosserLines(const PixelView& surface) { return embosserLines(embosserPage(surface)); }

bool writeEmbosserStream(const PixelView& surface, BrailleMode mode,
                         const std::function<bool(std::string_view bytes)>& write) {
  // An embosser of ordinary Braille cells takes the lines as they are: the graphics
  // codes would be printed as cells.
  const bool graphics = mode == BrailleMode::Graphic;
  if (graphics && !write(kEmbosserStart)) return false;
  for (const std::string& line : embosserLines(surface)) {
    if (!write(line)) return false;
  }
  return (!graphics || write(kEmbosserEnd)) && write(kEmbosserPageEnd);
}

std::string embosserStream(const PixelView& surface, BrailleMode mode) {
  std::string stream;
  writeEmbosserStream(surface, mode, [&](std::string_view bytes) {
    stream += bytes;
    return true;
  });
  return stream;
}
