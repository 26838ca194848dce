#include "render/dot_provenance.h"

namespace {

// A colour no pen, brush or text uses: the earlier ink wears it while a line runs.
constexpr uint32_t kSetAside = 0xFF010203u;
constexpr uint32_t kOpaqueWhite = 0xFF000000u | kWhite;

}  // namespace

DotProvenance::DotProvenance(Canvas& canvas)
    : canvas_(canvas),
      width_(canvas.width()),
      height_(canvas.height()),
      rowWords_(canvas.stride() / 4),
      before_(static_cast<size_t>(width_) * height_),
      owner_(before_.size(), kNoLine),
      shared_(before_.size(), false) {}

void DotProvenance::beginLine() {
  uint32_t* pixels = canvas_.editPixels();
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = pixels + static_cast<size_t>(y) * rowWords_;
    for (int x = 0; x < width_; ++x) {
      const size_t i = static_cast<size_t>(y) * width_ + x;
      before_[i] = row[x];
      if (row[x] != kOpaqueWhite) row[x] = kSetAside;
    }
  }
  canvas_.endPixelEdit();
}

std::vector<int32_t> DotProvenance::endLine(int lineIndex) {
  std::vector<int32_t> inked;
  uint32_t* pixels = canvas_.editPixels();
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = pixels + static_cast<size_t>(y) * rowWords_;
    for (int x = 0; x < width_; ++x) {
      const size_t i = static_cast<size_t>(y) * width_ + x;
      if (row[x] == kSetAside) {
        row[x] = before_[i];
      } else if (row[x] == kOpaqueWhite) {  // white as before, or erased by the line
        owner_[i] = kNoLine;
        shared_[i] = false;
      } else {  // ink the line wrote, over white or over earlier ink
        shared_[i] = shared_[i] || owner_[i] != kNoLine;
        owner_[i] = lineIndex;
        inked.push_back(static_cast<int32_t>(i));
      }
    }
  }
  canvas_.endPixelEdit();
  return inked;
}

int DotProvenance::owner(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kNoLine;
  return owner_[static_cast<size_t>(y) * width_ + x];
}

bool DotProvenance::shared(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return shared_[static_cast<size_t>(y) * width_ + x];
}
