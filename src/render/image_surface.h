#pragma once
// The drawing surface as the image writers and the embosser stream read it.
#include "render/pixel_view.h"

// A view of the current drawing surface's pixels; an empty view (width 0) when there is
// no surface. Valid until the surface is freed or prepared anew.
PixelView surfacePixels();
