#pragma once
// Reads the two forms of the embosser page back into dots, so that tests can check that
// the stream and the page text describe the same cells.
#include <algorithm>
#include <string>
#include <vector>

#include "output/embosser/embosser_stream.h"

using DotLines = std::vector<std::vector<unsigned>>;

// BRF's upper-case form of a character: "`" is "@", "{" is "[" as "a" is "A".
inline char upperBrf(char c) { return c >= 0x60 && c <= 0x7E ? static_cast<char>(c - 0x20) : c; }

// The stream's lines, each cell decoded through the code table (either case, as BRF
// writers differ), trailing blank cells dropped. A graphics stream must be framed by the
// start and end sequences and the form feed, a texto stream must end with the form feed
// and hold no escape; empty otherwise. Bare line feeds end lines too.
inline DotLines streamDots(const std::string& stream) {
  const std::string start = kEmbosserStart, end = std::string(kEmbosserEnd) + kEmbosserPageEnd;
  const auto endsWith = [&](const std::string& tail) {
    return stream.size() >= tail.size() && stream.compare(stream.size() - tail.size(), tail.size(), tail) == 0;
  };
  std::string body;
  if (stream.rfind(start, 0) == 0) {
    if (stream.size() < start.size() + end.size() || !endsWith(end)) return {};
    body = stream.substr(start.size(), stream.size() - start.size() - end.size());
  } else {
    if (!endsWith(kEmbosserPageEnd) || stream.find('\x1B') != std::string::npos) return {};
    body = stream.substr(0, stream.size() - 1);
  }
  DotLines lines;
  for (size_t at = 0; at < body.size();) {
    const size_t lf = body.find('\n', at);
    if (lf == std::string::npos) return {};
    const size_t stop = lf > at && body[lf - 1] == '\r' ? lf - 1 : lf;
    std::vector<unsigned> cells;
    for (size_t i = at; i < stop; ++i) {
      unsigned pattern = 64;
      for (unsigned p = 0; p < 64; ++p) {
        if (upperBrf(embosserCellCode(p)) == upperBrf(body[i])) pattern = p;
      }
      cells.push_back(pattern);
    }
    while (!cells.empty() && cells.back() == 0) cells.pop_back();
    lines.push_back(std::move(cells));
    at = lf + 1;
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
