// Reading the whole screen back, and returning the console to its start.
#include <cstdio>

#include "console/core_internal.h"
#include "console/screen.h"
#include "console/text.h"

std::vector<std::string> conScreenRows() {
  std::vector<std::string> rows;
  for (int r = 1; r <= kConRows; ++r) {
    std::string row;
    for (int c = 1; c <= kConColumns; ++c) row += static_cast<char>(conScreenCell(c, r).ch);
    row.erase(row.find_last_not_of(' ') + 1);
    rows.push_back(cp1252ToUtf8(row));
  }
  return rows;
}

bool conWriteScreenFile(const std::string& utf8Path) {
  std::FILE* f = std::fopen(utf8Path.c_str(), "wb");
  if (!f) return false;
  for (const std::string& row : conScreenRows()) {
    std::fwrite(row.data(), 1, row.size(), f);
    std::fputc('\n', f);
  }
  return std::fclose(f) == 0;
}

void conReset() {
  conResetKeys();
  conResetPicture();
  conResetGrid();
}
