#pragma once
// A print queue made from the print service's braille drivers, which lay a ready Braille
// (BRF) document out on their own page: the page is then the queue's, not the user's.
#include <string_view>

#include "output/embosser/embosser_pages.h"

struct BrailleQueue {
  // False when the print service did not say what the queue is.
  bool answered = false;
  // The queue's driver description offers the braille drivers' TextDotDistance option.
  bool brailleDriver = false;
  // The description sets a page the drivers can lay out; `layout` holds it then.
  bool pageKnown = false;
  BrailleDriverLayout layout;
};

// Reads a queue's driver description (PPD text) as the drivers' shell script reads it:
// the default page size, the hardware margins and the text dot distance, dots and line
// spacing. An answered queue, a braille driver's only when the description offers
// TextDotDistance.
BrailleQueue readBrailleDriverDescription(std::string_view ppd);
