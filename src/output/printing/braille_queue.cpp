// The drivers read each value with grep and cut: the text after the first blank of the
// first line "*Name:", less one quote at either end. A value they could not use makes
// them stop the job, so such a page is not known here either.
//
// The cell margins (TopMargin and the others) are left out on purpose: the drivers keep
// them blank only when they translate text themselves, while a ready BRF document fills
// the whole printable area (the Index embossers are even told so, CH and LP).
#include "output/printing/braille_queue.h"

#include <cstdint>
#include <string>

namespace {

std::string_view attribute(std::string_view ppd, std::string_view name) {
  const std::string key = "*" + std::string(name) + ":";
  for (size_t at = 0; at < ppd.size();) {
    size_t end = ppd.find('\n', at);
    if (end == std::string_view::npos) end = ppd.size();
    std::string_view line = ppd.substr(at, end - at);
    at = end + 1;
    if (!line.starts_with(key)) continue;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    const size_t blank = line.find(' ');
    std::string_view value = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    if (value.starts_with('"')) value.remove_prefix(1);
    if (value.ends_with('"')) value.remove_suffix(1);
    return value;
  }
  return {};
}

bool wholeNumber(std::string_view text, int& number) {
  if (text.empty() || text.size() > 6) return false;
  number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  return true;
}

// A default the drivers read as a number: an optional "Custom." before the digits.
bool numberOption(std::string_view ppd, std::string_view option, int& number) {
  std::string_view value = attribute(ppd, "Default" + std::string(option));
  if (value.starts_with("Custom.")) value.remove_prefix(7);
  return wholeNumber(value, number);
}

// A length in points as hundredths of a millimetre, rounded up at each step exactly as
// the drivers do, with the fraction cut at 15 digits. Margins of a thousand points and
// more are no margins of a sheet and are refused.
bool pointsToHundredthsOfMm(std::string_view points, int& length) {
  const size_t dot = points.find('.');
  const std::string_view whole = points.substr(0, dot);
  std::string fraction(dot == std::string_view::npos ? std::string_view{} : points.substr(dot + 1));
  fraction = (fraction + std::string(15, '0')).substr(0, 15);
  int wholePoints = 0;
  if (!(whole.empty() || wholeNumber(whole, wholePoints)) || wholePoints >= 1000) return false;
  int64_t scaled = int64_t{wholePoints} * 1'000'000'000'000'000;
  for (const char c : fraction) {
    if (c < '0' || c > '9') return false;
  }
  scaled += std::stoll(fraction);
  const int64_t inch = (scaled + 71) / 72;
  const int64_t centimetre = (inch * 254 + 99) / 100;
  length = static_cast<int>((centimetre + 999'999'999'999) / 1'000'000'000'000);
  return true;
}

// "*HWMargins: left bottom right top", in points; none at all is no margin, and a side
// missing repeats the last one given, as the drivers' splitting gives it.
bool readMargins(std::string_view ppd, BrailleDriverLayout& layout) {
  std::string_view rest = attribute(ppd, "HWMargins");
  int* const sides[] = {&layout.marginLeft, &layout.marginBottom, &layout.marginRight, &layout.marginTop};
  for (int* side : sides) {
    const size_t blank = rest.find(' ');
    if (!pointsToHundredthsOfMm(rest.substr(0, blank), *side)) return false;
    if (blank != std::string_view::npos) rest.remove_prefix(blank + 1);
  }
  return true;
}

}  // namespace

BrailleQueue readBrailleDriverDescription(std::string_view ppd) {
  BrailleQueue queue;
  queue.answered = true;
  queue.brailleDriver = !attribute(ppd, "DefaultTextDotDistance").empty();
  if (!queue.brailleDriver) return queue;
  BrailleDriverLayout& layout = queue.layout;
  queue.pageKnown = brailleDriverPageSize(attribute(ppd, "DefaultPageSize"), layout.pageWidth, layout.pageHeight) &&
                    readMargins(ppd, layout) && numberOption(ppd, "TextDotDistance", layout.textDotDistance) &&
                    numberOption(ppd, "TextDots", layout.textDots) &&
                    numberOption(ppd, "LineSpacing", layout.lineSpacing);
  return queue;
}
