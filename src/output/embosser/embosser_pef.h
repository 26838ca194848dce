#pragma once
// The embosser page as a Portable Embosser Format document: the interchange that
// Braille production tools read and emboss. One volume, one section, one page.
#include <string>

#include "output/embosser/embosser_page.h"

// The document in UTF-8: the volume's cols and rows are the page's cells per line and
// lines, each page line one row of Unicode Braille patterns without its trailing blank
// cells. Its identifier is drawn from the cells, so the same page gives the same bytes.
std::string embosserPagePef(const EmbosserPage& page);
