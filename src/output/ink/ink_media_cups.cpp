#include "output/ink/ink_media_cups.h"

#include <cups/cups.h>

#include "output/printing/cups_library.h"

namespace {

// A resolution in dots per inch, or 0 when the value is none.
double dotsPerInch(ipp_attribute_t* attribute) {
  if (!attribute || cups().ippGetValueTag(attribute) != IPP_TAG_RESOLUTION) return 0;
  int vertical = 0;
  ipp_res_t units = IPP_RES_PER_INCH;
  const int horizontal = cups().ippGetResolution(attribute, 0, &vertical, &units);
  // One pixel is one dot in both directions only on a square grid; a printer with an
  // oblong grid gets the coarser of the two, the drawing then comes out a little smaller.
  const int dots = horizontal < vertical ? horizontal : vertical;
  if (dots <= 0) return 0;
  return units == IPP_RES_PER_CM ? dots * 2.54 : dots;
}

}  // namespace

std::string cupsQueueUri(const std::string& queue) {
  char uri[HTTP_MAX_URI];
  cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups().ippPort(),
                          "/printers/%s", queue.c_str());
  return uri;
}

InkPageAnswer askInkPage(http_t* http, const std::string& queue) {
  InkPageAnswer answer;
  // The queue as a destination of our own making: the library's lookup (cupsGetNamedDest)
  // asks again over its default connection, which has no deadline, when it fails.
  std::string uri = cupsQueueUri(queue);
  cups_option_t printerUri{const_cast<char*>("printer-uri-supported"), uri.data()};
  cups_dest_t queueDest{const_cast<char*>(queue.c_str()), nullptr, 0, 1, &printerUri};
  cups_dest_t* dest = &queueDest;
  cups_dinfo_t* info = cups().cupsCopyDestInfo(http, dest);
  // An unknown queue is a client error; a lost connection or a scheduler in trouble
  // is a server error.
  answer.answered = info || cups().cupsLastError() < IPP_STATUS_ERROR_INTERNAL;
  if (!info) return answer;
  answer.found = true;
  ipp_attribute_t* media = cups().cupsFindDestDefault(http, dest, info, "media");
  cups_size_t size{};
  const char* name = media ? cups().ippGetString(media, 0, nullptr) : nullptr;
  if (name && cups().cupsGetDestMediaByName(http, dest, info, name, CUPS_MEDIA_FLAGS_DEFAULT, &size) &&
      size.width > 0 && size.length > 0) {
    answer.media = true;
    answer.page.width = size.width;
    answer.page.length = size.length;
    answer.page.left = size.left;
    answer.page.right = size.right;
    answer.page.top = size.top;
    answer.page.bottom = size.bottom;
  }
  if (const double dpi = dotsPerInch(cups().cupsFindDestDefault(http, dest, info, "printer-resolution")); dpi > 0) {
    answer.resolution = true;
    answer.page.dpi = dpi;
  }
  cups().cupsFreeDestInfo(info);
  return answer;
}
