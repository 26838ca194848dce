#include "render/dot_provenance.h"

#include <algorithm>
#include <new>

namespace {

// A colour no pen, brush or text uses: the earlier ink wears it while a line runs.
constexpr uint32_t kSetAsideColour = rgb(1, 2, 3);

PixelCanvas& wholeBytes(PixelCanvas& canvas) {
  if (!canvas.keepWholeBytes()) throw std::bad_alloc();
  return canvas;
}

}  // namespace

// The canvas is made to keep a byte a pixel before anything reads its indexes.
DotProvenance::DotProvenance(PixelCanvas& canvas)
    : canvas_(wholeBytes(canvas)),
      width_(canvas.width()),
      height_(canvas.height()),
      white_(canvas.colourIndex(kWhite)),
      setAside_(canvas.colourIndex(kSetAsideColour)),
      expected_(static_cast<size_t>(width_) * height_, white_),
      before_(expected_.size()),
      owner_(expected_.size(), kNoLine),
      previous_(expected_.size(), kNoLine) {}

void DotProvenance::beginLine() {
  uint8_t* pixels = canvas_.indexes();
  for (const int32_t at : inked_) {
    before_[at] = pixels[at];
    pixels[at] = setAside_;
  }
}

const std::vector<int32_t>& DotProvenance::endLine(int lineIndex) {
  std::vector<int32_t>& inked = lineDots_;
  inked.clear();
  uint8_t* pixels = canvas_.indexes();
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = pixels + static_cast<size_t>(y) * width_;
    const uint8_t* expected = expected_.data() + static_cast<size_t>(y) * width_;
    if (std::equal(row, row + width_, expected)) continue;
    for (int x = 0; x < width_; ++x) {
      if (row[x] == expected[x]) continue;
      const int32_t i = y * width_ + x;
      if (row[x] == white_) {  // erased by the line
        owner_[i] = kNoLine;
        previous_[i] = kNoLine;
        expected_[i] = white_;
        continue;
      }
      // Ink the line wrote, over white or over earlier ink.
      if (owner_[i] == kNoLine) inked_.push_back(i);
      if (owner_[i] != kNoLine) previous_[i] = owner_[i];
      owner_[i] = lineIndex;
      expected_[i] = setAside_;
      before_[i] = row[x];
      inked.push_back(i);
    }
  }
  // What the line left alone gets its colour back; erased pixels leave the list.
  std::erase_if(inked_, [&](int32_t at) { return owner_[at] == kNoLine; });
  for (const int32_t at : inked_) {
    if (pixels[at] == setAside_) pixels[at] = before_[at];
  }
  return inked;
}

int DotProvenance::owner(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kNoLine;
  return owner_[static_cast<size_t>(y) * width_ + x];
}

int DotProvenance::previous(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kNoLine;
  return previous_[static_cast<size_t>(y) * width_ + x];
}
