#pragma once
// The talking console: an 80 x 25 grid of Unicode characters with colour
// attributes, a text window, a cursor, a key queue and one picture overlay.
// Platform-free; a frontend (frontend.h) shows it and feeds keys. Editing on it (the
// line editor, the file chooser, exploration, the paragraph editor) is a floor above,
// in widgets/editing/editing.h.
// All texts are UTF-8, and each character takes one cell. Columns and rows are 1-based
// and window-relative unless said otherwise.
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kConColumns = 80;
constexpr int kConRows = 25;

struct ConCell {
  char32_t ch = U' ';
  unsigned char attr = 0x0F;
};

struct KeyPair {
  int first = 0;
  int second = 0;
  bool operator==(const KeyPair&) const = default;
};

// Text output at the cursor in the current attribute (printable characters, CR, LF
// with scrolling, backspace, BEL; other control characters ignored).
void conWrite(std::string_view text);
void conWriteLine(std::string_view text = {});

void conGoto(int column, int row);
int conColumn();
int conRow();
void conClear();
void conClearEol();
void conSetTextColour(int colour);
void conSetBackColour(int colour);
int conTextAttr();  // the current attribute byte
void conSetWindow(int left, int top, int right, int bottom);  // screen coordinates
// The text with every control character (below 32) shown as a blank, so that a field or a
// list shows one cell per character and never moves the cursor, beeps or scrolls.
std::string conVisible(std::string_view text);
ConCell conReadCell(int column, int row);
void conRepaint();
void conShowMagnified(std::string_view text, int cursorPos);
void conPause(int milliseconds);

void conCopyToClipboard(std::string_view text);
std::string conPasteFromClipboard(size_t capacity);

// The overlay: an uncompressed BMP with a 40-byte info header. False (and the old
// overlay kept) for anything else.
bool conLoadPicture(const std::string& fileName);
void conShowPicture(int x, int y);
void conHidePicture();

// Keys.
bool conKeyWaiting();
// Like conKeyWaiting, for code that only listens for an interruption (speech, sounds):
// keys the user has pressed count, but a key script does not type its next key here. A
// scripted user is patient: it hears every message out and types when the program asks.
bool conKeyPending();
// A typed character as its Unicode code point; an extended key as 0 and its code.
char32_t conGetKey();
// When on, the next key read is dropped if it is Enter: an Enter that only confirms what
// was typed before (the builder's two letters) does not reach the form that follows.
void conDropNextEnter(bool on);
// Waits as conGetKey does until a key is queued, and leaves it there.
void conWaitForKey();
KeyPair conGetKeyPair();
// One key as a whole: a character, or an extended key's code (the third byte of a Shift
// sequence, with shift set).
struct ConKey {
  int code = 0;
  bool extended = false;
  bool shift = false;
};
ConKey conReadKeyEvent();
KeyPair conPeekKey();
void conFlushKeys();

// The services' own start: reads the TRAMEL switches FALANDO, ECOAROPCAO and FALARTUDO,
// writing "Sim" for each one that is missing. Before it runs all three are on.
void conStartServices();
// TRAMEL/FALANDO: the line editor speaks typed characters (F4 switches it).
bool conSpeaksTyping();
void conSetSpeaksTyping(bool on);
// TRAMEL/ECOAROPCAO: conGetKeyPair plays the typed key's letter.
bool conEchoesKeys();
bool conSpeaksEverything();  // TRAMEL/FALARTUDO, stored only
// Speak the current time (hours and minutes) and the date.
void conSayTime();
void conSayDate();
