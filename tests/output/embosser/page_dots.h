#pragma once
// Reads the two forms of the embosser page back into dots, so that tests can check that
// the stream and the page text describe the same cells.
#include <algorithm>
#include <string>
#include <vector>

#include "output/embosser/embosser_stream.h"

using DotLines = std::vector<std::vector<unsigned>>;

// The stream's lines between the start and end sequences, each cell decoded through the
// code table; empty when the stream is not framed as the embosser expects.
inline DotLines streamDots(const std::string& stream) {
  const std::string start = kEmbosserStart, end = std::string(kEmbosserEnd) + kEmbosserPageEnd;
  if (stream.rfind(start, 0) != 0 || stream.size() < start.size() + end.size() ||
      stream.compare(stream.size() - end.size(), end.size(), end) != 0) {
    return {};
  }
  const std::string body = stream.substr(start.size(), stream.size() - start.size() - end.size());
  DotLines lines;
  for (size_t at = 0; at < body.size();) {
    const size_t crlf = body.find("\r\n", at);
    if (crlf == std::string::npos) return {};
    std::vector<unsigned> cells;
    for (size_t i = at; i < crlf; ++i) {
      unsigned pattern = 64;
      for (unsigned p = 0; p < 64; ++p) {
        if (embosserCellCode(p) == body[i]) pattern = p;
      }
      cells.push_back(pattern);
    }
    lines.push_back(std::move(cells));
    at = crlf + 2;
  }
  return lines;
}

// The page text's lines, each character U+2800..U+283F decoded to its dots (anything
// else becomes 64, which no cell has).
inline DotLines pageTextDots(const std::string& text) {
  DotLines lines(1);
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '\n') {
      lines.emplace_back();
      ++i;
    } else if (i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xE2 &&
               (static_cast<unsigned char>(text[i + 1]) & 0xFE) == 0xA0) {
      const unsigned code = ((static_cast<unsigned char>(text[i + 1]) & 0x03) << 6) |
                            (static_cast<unsigned char>(text[i + 2]) & 0x3F);
      lines.back().push_back(code < 64 ? code : 64);
      i += 3;
    } else {
      lines.back().push_back(64);
      ++i;
    }
  }
  if (lines.back().empty()) lines.pop_back();  // after the last line feed
  return lines;
}

// Line by line the same cells; a line only one of them has must be blank.
inline bool sameDots(const DotLines& stream, const DotLines& text) {
  if (stream.empty()) return false;
  for (size_t i = 0; i < std::max(stream.size(), text.size()); ++i) {
    const std::vector<unsigned> none;
    if ((i < stream.size() ? stream[i] : none) != (i < text.size() ? text[i] : none)) return false;
  }
  return true;
}
