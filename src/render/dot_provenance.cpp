#include "render/dot_provenance.h"

#include <algorithm>

namespace {

// A colour no pen, brush or text uses: the earlier ink wears it while a line runs.
constexpr uint32_t kSetAside = 0xFF010203u;
constexpr uint32_t kOpaqueWhite = 0xFF000000u | kWhite;

}  // namespace

DotProvenance::DotProvenance(PixelCanvas& canvas)
    : canvas_(canvas),
      width_(canvas.width()),
      height_(canvas.height()),
      rowWords_(canvas.stride() / 4),
      expected_(static_cast<size_t>(width_) * height_, kOpaqueWhite),
      before_(expected_.size()),
      owner_(expected_.size(), kNoLine),
      previous_(expected_.size(), kNoLine) {}

void DotProvenance::beginLine() {
  uint32_t* pixels = canvas_.editPixels();
  for (const Inked& at : inked_) {
    before_[at.index] = pixels[at.word];
    pixels[at.word] = kSetAside;
  }
  canvas_.endPixelEdit();
}

const std::vector<int32_t>& DotProvenance::endLine(int lineIndex) {
  std::vector<int32_t>& inked = lineDots_;
  inked.clear();
  uint32_t* pixels = canvas_.editPixels();
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = pixels + static_cast<size_t>(y) * rowWords_;
    const uint32_t* expected = expected_.data() + static_cast<size_t>(y) * width_;
    if (std::equal(row, row + width_, expected)) continue;
    for (int x = 0; x < width_; ++x) {
      if (row[x] == expected[x]) continue;
      const int32_t i = y * width_ + x;
      if (row[x] == kOpaqueWhite) {  // erased by the line
        owner_[i] = kNoLine;
        previous_[i] = kNoLine;
        expected_[i] = kOpaqueWhite;
        continue;
      }
      // Ink the line wrote, over white or over earlier ink.
      if (owner_[i] == kNoLine) inked_.push_back({i, static_cast<size_t>(y) * rowWords_ + x});
      if (owner_[i] != kNoLine) previous_[i] = owner_[i];
      owner_[i] = lineIndex;
      expected_[i] = kSetAside;
      before_[i] = row[x];
      inked.push_back(i);
    }
  }
  // What the line left alone gets its colour back; erased pixels leave the list.
  std::erase_if(inked_, [&](const Inked& at) { return owner_[at.index] == kNoLine; });
  for (const Inked& at : inked_) {
    if (pixels[at.word] == kSetAside) pixels[at.word] = before_[at.index];
  }
  canvas_.endPixelEdit();
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
