// Reading the whole screen back, and returning the console to its start.
#include "platform/core_internal.h"
#include "platform/text/file_write.h"
#include "platform/screen.h"
#include "platform/text/text.h"

std::vector<std::string> conScreenRows() {
  std::vector<std::string> rows;
  for (int r = 1; r <= kConRows; ++r) {
    std::string row;
    for (int c = 1; c <= kConColumns; ++c) appendUtf8(row, conScreenCell(c, r).ch);
    row.erase(row.find_last_not_of(' ') + 1);
    rows.push_back(row);
  }
  return rows;
}

bool conWriteScreenFile(const std::string& utf8Path) {
  std::string text;
  for (const std::string& row : conScreenRows()) text += row + "\n";
  return replaceFileAtomically(utf8Path, text) == 0;
}

void conReset() {
  conResetKeys();
  conResetPicture();
  conResetBraillePage();
  conResetGrid();
}
