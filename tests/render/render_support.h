#pragma once
// Helpers for exact-pixel tests: small surfaces and the set of pixels that are not white.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "render/canvas.h"
#include "render/drawing_state.h"
#include "render/surface.h"

using PixelSet = std::set<std::pair<int, int>>;

// Every non-white pixel of the canvas as (x, y).
inline PixelSet inkedPixels(const PixelCanvas& canvas) {
  PixelSet inked;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.pixel(x, y) != kWhite) inked.insert({x, y});
    }
  }
  return inked;
}

// Rows of '#' (inked) and '.' (white) for the box [x0, x1) x [y0, y1), one line each.
inline std::string picture(const PixelCanvas& canvas, int x0, int y0, int x1, int y1) {
  std::string text;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) text += canvas.pixel(x, y) == kWhite ? '.' : '#';
    text += '\n';
  }
  return text;
}

// Prepares a surface for the mode (a screen of the given size) with the default drawing
// state, and frees it afterwards.
class SurfaceTest : public ::testing::Test {
 protected:
  void prepare(OutputMode mode, int screenWidth = 200, int screenHeight = 150) {
    outputMode = mode;
    setScreenSurfaceSize(screenWidth, screenHeight);
    ASSERT_TRUE(prepareSurface());
    resetDrawing();
  }
  void TearDown() override {
    freeSurface();
    setScreenSurfaceSize(0, 0);
    clearRenderFault();
  }
  PixelCanvas& canvas() { return *pixelSurface(); }
};
