#pragma once
// The paper an ink printer prints on, and where the square drawing stands on it.
//
// Lengths are in hundredths of a millimetre, the unit the print service reports media
// in; the drawing is placed in printer dots, so that one surface pixel is one dot. The
// printable area is taken on the printer's dot grid (its first whole dot to its last
// whole dot), so the drawing's corner falls on a dot and never leaves the area.
#include <cstdint>

struct InkPage {
  // The media as it goes into the printer (portrait), and its printable margins.
  int32_t width = 21000;
  int32_t length = 29700;
  int32_t left = 0;
  int32_t right = 0;
  int32_t top = 0;
  int32_t bottom = 0;
  double dpi = 300;
};

// A4 at 300 dots per inch, printable to the edges: the page of a printer that tells
// neither its media nor its resolution, and of a PDF written for printing elsewhere.
InkPage defaultInkPage();

// The page as the drawing sees it. Landscape turns the paper a quarter to the left: the
// width and length change places, the left margin becomes the top, the bottom margin
// the left, and so on round.
InkPage orientedPage(const InkPage& portrait, bool landscape);

// The printable area of an oriented page in dots: the first whole dot inside each
// margin, and the width and height of the area from there. Nonsense from a printer
// (negative margins, margins wider than the paper) gives an empty or negative area,
// never an overflow.
struct PrintableDots {
  int64_t left = 0;
  int64_t top = 0;
  int64_t width = 0;
  int64_t height = 0;
};
PrintableDots printableDots(const InkPage& oriented);

// The side of the square drawing: the smaller of the printable width and height.
int64_t inkSideOf(const PrintableDots& area);

// The resolution at which `side` dots span the page's shorter side.
double dpiForSide(const InkPage& page, int64_t side);

// What a print service said about a device's page.
struct InkPageAnswer {
  // False when the print service did not answer in time.
  bool answered = false;
  // False when the print service does not know the device.
  bool found = false;
  // Whether the device told its default media (size and margins) and its default
  // resolution; what it did not tell stays as in defaultInkPage().
  bool media = false;
  bool resolution = false;
  InkPage page;
};

// Hundredths of a millimetre in PostScript points (1/72 inch).
double pointsOf(int64_t hundredthsOfMillimetre);
