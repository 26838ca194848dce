#pragma once
// The check of the page: the script run on the embosser sheet of the chosen page, every
// dot traced to the line that made it, and what would surprise the author on paper told
// before the paper is spent. Texts are UTF-8.
#include <string>
#include <vector>

#include "render/page.h"

struct PageCheck {
  bool ran = false;  // false when no sheet could be had
  // One sentence each, in the order of the lines, every one naming its line as the line
  // errors count them and the line's text.
  std::vector<std::string> findings;
  // How many lines drew, and which part of the page the drawing fills.
  std::string summary;
  // The page's dots, width x height of them row by row: the line that inked each one
  // last, or -1.
  int width = 0, height = 0;
  std::vector<int> dotLines;
  // From a dot's column and row back to the user's x and y, as the script left the
  // domain: x = (column - offsetX) / scaleX.
  double scaleX = 1, offsetX = 0, scaleY = 1, offsetY = 0;
};

// Runs the lines on the embosser sheet with a margin around it, so that what the page
// would clip is seen. Nothing is heard.
PageCheck checkPage(const std::vector<std::string>& lines, const EmbosserSheet& sheet);
