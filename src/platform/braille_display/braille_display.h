#pragma once
// A refreshable braille display, taken from the BRLTTY daemon while the program shows
// something of its own on it (the embosser page during V) and given back afterwards.
// Backends are picked by file: braille_display_brlapi.cpp (the daemon's client library,
// reached only through platform/platform_backends.h) and the recording display of the
// headless frontend; without either there is no display, and nothing changes.
#include <memory>
#include <string>
#include <vector>

// What the display's own keys ask for. The command the program does not know is Other.
enum class DisplayCommand { None, LineUp, LineDown, PanLeft, PanRight, Top, Bottom, PreviousDifferent, NextDifferent, Other };

class BrailleDisplay {
 public:
  // Gives the display back.
  virtual ~BrailleDisplay() = default;
  virtual int width() const = 0;  // cells in a row
  virtual int rows() const { return 1; }
  // Shows width() x rows() cells, row by row (bit 0 = dot 1 ... bit 7 = dot 8); missing
  // cells are blank. False once the display is gone (the daemon ended, the link broke).
  virtual bool write(const std::vector<unsigned char>& cells) = 0;
  // The next command of the display's keys, None when no key was pressed; never waits.
  virtual DisplayCommand readCommand() { return DisplayCommand::None; }
};

// The display for one view, or null when there is none: no daemon answers where the
// environment says (BRLAPI_HOST, BRLAPI_AUTH), it refuses, or the program was built
// without the platform's backends. While it lives, the display's keys arrive in the key
// queue as the keyboard's movement keys: the line keys as Ctrl+Up and Ctrl+Down, panning
// as Ctrl+PgUp and Ctrl+PgDn, top and bottom as Ctrl+Home and Ctrl+End, the previous and
// next different line as PgUp and PgDn, and any other key of the display as Esc.
std::unique_ptr<BrailleDisplay> conTakeBrailleDisplay();

// The headless frontend's display (--braille-display): 40 cells in one row, present from
// the moment this is turned on, recording every write.
void conRecordBrailleDisplay(bool on);
// The writes so far, each as one line of Unicode Braille patterns (UTF-8), every cell
// of the row written, blank ones as U+2800.
const std::vector<std::string>& conBrailleDisplayRecord();

// Called by the key pump: queues the keys of the display the program holds.
void conPollBrailleDisplay();
