#pragma once
// Helpers for exact-pixel tests: small surfaces and the set of pixels that are not white.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "output/device/device_page.h"
#include "render/canvas.h"
#include "render/drawing_state.h"
#include "render/page.h"

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

// The page of the device as the outputs make it: a screen of the given size, an ink page
// of `inkSide`, the embosser page of `sheet`, a tactile page of `inkSide` tenths of a
// millimetre. Fails the test when it cannot be had.
inline Page devicePage(OutputMode mode, int screenWidth = 200, int screenHeight = 150, int32_t inkSide = 0,
                       const EmbosserSheet& sheet = {}) {
  PageSpec spec;
  switch (mode) {
    case OutputMode::Embosser: spec = embosserPageSpec(sheet); break;
    case OutputMode::InkPrinter: spec = inkPageSpec(inkSide); break;
    case OutputMode::Tactile: spec = tactilePageSpec(inkSide, kDefaultTactileLine); break;
    case OutputMode::Screen: spec = screenPageSpec(screenWidth, screenHeight); break;
  }
  std::optional<Page> page = preparePage(spec);
  EXPECT_TRUE(page) << "no page for mode " << static_cast<int>(mode);
  return page ? std::move(*page) : Page{};
}

// Prepares the page of a device (its ink side and sheet as the test sets them), with
// the default drawing state.
class SurfaceTest : public ::testing::Test {
 protected:
  void prepare(OutputMode mode, int screenWidth = 200, int screenHeight = 150) {
    page = devicePage(mode, screenWidth, screenHeight, inkSide, sheet);
    ASSERT_TRUE(page.canvas);
  }
  PixelCanvas& canvas() { return *page.pixels(); }

  Page page;
  int32_t inkSide = 0;
  EmbosserSheet sheet;
};
