#pragma once
// The talking console: an 80 x 25 grid of Windows-1252 characters with colour
// attributes, a text window, a cursor, a key queue, a line editor, a file chooser and
// one picture overlay. Platform-free; a frontend (frontend.h) shows it and feeds keys.
// All texts are Windows-1252. Columns and rows are 1-based and window-relative unless
// said otherwise.
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kConColumns = 80;
constexpr int kConRows = 25;

struct ConCell {
  unsigned char ch = ' ';
  unsigned char attr = 0x0F;
};

struct KeyPair {
  int first = 0;
  int second = 0;
  bool operator==(const KeyPair&) const = default;
};

// Text output at the cursor in the current attribute (printable bytes, CR, LF with
// scrolling, backspace, BEL; other control bytes ignored).
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
ConCell conReadCell(int column, int row);
void conRepaint();
void conShowMagnified(std::string_view text, int cursorPos);
void conExploreScreen();
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
unsigned char conGetKey();
// Waits as conGetKey does until a key is queued, and leaves it there.
void conWaitForKey();
KeyPair conGetKeyPair();
KeyPair conPeekKey();
void conFlushKeys();

// The line editor; returns the code that ended editing (see keys.h).
int conEditLine(std::string& text, int column, int row, bool editable, int visibleWidth,
                int maxLength);
// conEditLine with the cursor starting at the 1-based position `cursor` of the text;
// on return `cursor` holds the position where editing ended.
int conEditLineFrom(std::string& text, int column, int row, bool editable, int visibleWidth,
                    int maxLength, int& cursor);
int conEditLineToEdge(std::string& text, int column, int row, bool editable, int maxLength);
std::string conReadLine();
// While the paragraph editor runs, Ctrl+C and Ctrl+V end a line edit with 3 and 22, and
// the first key typed into a line inserts instead of replacing the line.
void conSetParagraphEditorMode(bool on);

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

// The spoken file chooser.
std::string askFileName(int listHeight, std::string_view filter);
std::string chooseFromFileList(int column, int row, int width, int bottomRow,
                               std::string_view pattern);
int fileChooserLastKey();
