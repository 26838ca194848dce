#pragma once
// The paragraph editor: a list of texts, one paragraph each, edited line by line in a
// window of the console with speech. Long paragraphs show as several screen lines, the
// later ones behind the marker "·", and come back joined. F9 tells the keys.
#include <string>
#include <vector>

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
