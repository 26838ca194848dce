#pragma once
// Editing on the talking console: the line editor, the spoken file chooser, screen
// exploration and the paragraph editor. Texts are UTF-8; columns and rows are
// 1-based and window-relative.
#include <string>
#include <string_view>
#include <vector>

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

// Screen exploration: a reading cursor over the grid until Esc.
void conExploreScreen();

// The spoken file chooser.
std::string askFileName(int listHeight, std::string_view filter);
std::string chooseFromFileList(int column, int row, int width, int bottomRow,
                               std::string_view pattern);
int fileChooserLastKey();

// The paragraph editor: a list of texts, one paragraph each, edited line by line in a
// window of the console with speech. Long paragraphs show as several screen lines, the
// later ones behind the marker "·", and come back joined. F9 tells the keys.
struct ParagraphEditorWindow {
  int left = 1, top = 1;  // screen column and row of the top-left corner
  int width = 80, height = 25;
};

// Edits the list in place. joinLines gathers the lines into paragraphs first (a line
// that starts with a blank or a tab, or follows an empty line, starts a paragraph);
// framed draws a border and edits inside it. Esc ends at once when escEndsAtOnce,
// otherwise after a confirmation. The list comes back with one entry per paragraph
// (at least one), leading tabs expanded to 8 blanks each; the screen under the window
// and the text colour come back as they were, and the console window is the whole
// screen again.
void editTextList(std::vector<std::string>& list, bool joinLines, bool framed,
                  const ParagraphEditorWindow& window, bool escEndsAtOnce);
