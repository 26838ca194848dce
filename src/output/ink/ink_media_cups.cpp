#include "output/ink/ink_media_cups.h"

#include <cups/cups.h>

namespace {

// A resolution in dots per inch, or 0 when the value is none.
double dotsPerInch(ipp_attribute_t* attribute) {
  if (!attribute || ippGetValueTag(attribute) != IPP_TAG_RESOLUTION) return 0;
  int vertical = 0;
  ipp_res_t units = IPP_RES_PER_INCH;
  const int horizontal = ippGetResolution(attribute, 0, &vertical, &units);
  // One pixel is one dot in both directions only on a square grid; a printer with an
  // oblong grid gets the coarser of the two, the drawing then comes out a little smaller.
  const int dots = horizontal < vertical ? horizontal : vertical;
  if (dots <= 0) return 0;
  return units == IPP_RES_PER_CM ? dots * 2.54 : dots;
}

}  // namespace

InkPageAnswer askInkPage(http_t* http, const std::string& queue) {
  InkPageAnswer answer;
  cups_dest_t* dest = cupsGetNamedDest(http, queue.c_str(), nullptr);
  // An unknown queue is a client error; a lost connection or a scheduler in trouble
  // is a server error.
  answer.answered = dest || cupsLastError() < IPP_STATUS_ERROR_INTERNAL;
  if (!dest) return answer;
  answer.found = true;
  if (cups_dinfo_t* info = cupsCopyDestInfo(http, dest)) {
    ipp_attribute_t* media = cupsFindDestDefault(http, dest, info, "media");
    cups_size_t size{};
    const char* name = media ? ippGetString(media, 0, nullptr) : nullptr;
    if (name && cupsGetDestMediaByName(http, dest, info, name, CUPS_MEDIA_FLAGS_DEFAULT, &size) && size.width > 0 &&
        size.length > 0) {
      answer.media = true;
      answer.page.width = size.width;
      answer.page.length = size.length;
      answer.page.left = size.left;
      answer.page.right = size.right;
      answer.page.top = size.top;
      answer.page.bottom = size.bottom;
    }
    if (const double dpi = dotsPerInch(cupsFindDestDefault(http, dest, info, "printer-resolution")); dpi > 0) {
      answer.resolution = true;
      answer.page.dpi = dpi;
    }
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return answer;
}
