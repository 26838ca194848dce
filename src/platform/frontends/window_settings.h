#pragma once
// The console window's appearance from section VIDEO (and the Braille mode from
// section BRAILLE) of Tramel.ini, read when the window is created.
#include <string>

#include "platform/frontends/braille_chord.h"

struct WindowSettings {
  std::string face = "Lucida Console";
  int cellWidth = 13;
  int cellHeight = 28;
  int weight = 700;
  bool maximized = false;
  BrailleMode braille = BrailleMode::Off;
};

// workWidth, workHeight: the desktop's work area in pixels, from which the default cell
// size is derived (13 x 28 pixels on a 1024 x 734 work area).
WindowSettings readWindowSettings(int workWidth, int workHeight);
