#pragma once
// The state of one run of the paragraph editor, shared by the files that implement its
// keys. Only the paragraph editor includes this.
#include <optional>
#include <string>
#include <string_view>

#include "widgets/editing/paragraph_text.h"
#include "widgets/popup.h"

struct ParagraphSession {
  EditorLines lines;
  // The editing area in screen coordinates; the console window is set to it.
  int left = 1, top = 1, width = 80, height = 25;
  bool escEndsAtOnce = false;

  size_t current = 0;
  size_t topLine = 0;
  Block block;
  std::string searchText;  // upper case
  std::string draftName;
  // 1-based position in the current line's text where the next edit starts.
  int cursorColumn = 1;

  // paragraph_editor.cpp: the screen, movement and the line keys.
  void redraw();
  void placeCursor();
  // Speaks the current line (a tick first for an empty or continuation line) unless the
  // user has already typed on.
  void announceCurrent();
  // Edits the current line with the line editor; returns the key that ended the edit.
  PressedKey editCurrent();
  void lineUp();
  void lineDown();
  void pageUp();
  void pageDown();
  void toTop();
  void toBottom();
  void newLineBelow();
  void insertOrSplit();
  void deleteCurrent();
  void joinParagraphs();

  // paragraph_commands.cpp: the keys that work on the whole text.
  void blockCommand();
  void writeBlock();
  // Reads a file in at the current line; the block marks then cover what came in.
  void readBlock();
  void copyBlockToClipboard();
  void pasteClipboard();
  void askAndSearch();
  void search();
  void readOn();
  void saveDraft(bool forgetName);
  void help();
  bool confirmEnd();
  // A file written under a name the user typed replaces an existing one only when the
  // user agrees, so that a slip never overwrites a lesson's project.
  bool mayReplace(const std::string& name);

  // paragraph_prompts.cpp: questions on the window's last row, yellow on red.
  // A text answer (up to 200 characters); nothing when the user pressed Esc.
  std::optional<std::string> askText(std::string_view question);
  // A file name, typed or, when the first key is an extended key, picked from a list.
  std::optional<std::string> askFileToRead(std::string_view question);
  // One key, echoed; true for S in either case.
  bool askYes(std::string_view question);
  // Says the failure and waits for the user to answer.
  void reportReadError();
};
