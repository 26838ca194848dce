#pragma once
// Which command line made each dot: while a script runs on a checking canvas, every line
// is watched, and each pixel remembers the last line that wrote it and the one before.
// Only the check of the page pays for it; real outputs never do. Its memory follows the
// canvas, never the script: no line's dots are kept once the line has ended.
#include <cstdint>
#include <vector>

#include "render/pixel_canvas.h"

class DotProvenance {
 public:
  static constexpr int kNoLine = -1;

  // Precondition: the canvas outlives the recorder and keeps its size. The canvas is
  // made to keep a byte a pixel; std::bad_alloc when the memory cannot be had.
  explicit DotProvenance(PixelCanvas& canvas);

  // Before the line runs: the ink already there is set aside, so that whatever the
  // line writes, even over earlier ink in the same colour, can be told apart.
  void beginLine();
  // After the line: records the pixels it inked (their indices, row by row) and gives
  // back the earlier ink wherever it wrote nothing. Returns those pixels, valid until the
  // next line ends; a pixel the line turned white is not among them.
  const std::vector<int32_t>& endLine(int lineIndex);

  int width() const { return width_; }
  int height() const { return height_; }
  // The last line that inked the pixel, or kNoLine; kNoLine outside the canvas.
  int owner(int x, int y) const;
  // The line that inked the pixel before its owner did, or kNoLine: of three lines or
  // more over one dot, the last two are known.
  int previous(int x, int y) const;
  // True when more than one line inked it.
  bool shared(int x, int y) const { return previous(x, y) != kNoLine; }

 private:
  PixelCanvas& canvas_;
  int width_, height_;
  uint8_t white_, setAside_;  // the canvas's indexes of white and of the ink set aside
  // The canvas as it should read while a line runs and writes nothing: white, the ink set
  // aside; a row that still reads so is passed over with one comparison.
  std::vector<uint8_t> expected_;
  std::vector<uint8_t> before_;  // the colours set aside, at the inked pixels
  std::vector<int32_t> inked_;   // the pixels with an owner, row by row as owner_ counts
  std::vector<int32_t> owner_;
  std::vector<int32_t> previous_;
  std::vector<int32_t> lineDots_;  // what endLine returns
};
