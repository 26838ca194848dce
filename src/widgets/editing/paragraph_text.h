#pragma once
// The paragraph editor's text: paragraphs shown as screen lines of at most a window's
// width, the later lines of a paragraph marked as continuations, and the line
// operations the editor's keys perform on them. Nothing here draws or speaks, so every
// operation can be checked on its own. Texts are UTF-8.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Shown in front of a continuation line; it sounds as a tick when the cursor reaches it.
constexpr char32_t kContinuationMarker = U'·';

// One screen line. A continuation's text begins where the paragraph was split, so the
// blank the split happened at stays in front of it and a paragraph is its lines' texts
// put together. The role is kept apart from the text: a paragraph that itself begins
// with the marker character is still a paragraph.
struct EditorLine {
  std::string text;
  bool continuation = false;
  bool operator==(const EditorLine&) const = default;
};
using EditorLines = std::vector<EditorLine>;

// The text as the screen shows it: the marker in front of a continuation.
std::string shownText(const EditorLine& line);

// Every tab at the start of the line becomes 8 blanks.
std::string expandLeadingTabs(std::string_view line);

// Lines gathered into paragraphs: a line that starts with a blank or a tab, or follows
// an empty line, starts a paragraph; any other non-empty line is added to the paragraph
// before it after one blank; empty lines stay.
std::vector<std::string> gatherParagraphs(const std::vector<std::string>& lines);

// The pieces of a paragraph for a window `width` columns wide (at least 2). The first
// piece holds at most `width` characters, or `width` - 1 when it is itself a
// continuation; every further piece `width` - 1, the marker taking the last column. A
// piece ends before the last blank that still lets it fit, and a word longer than the
// room is cut at the width. An empty text gives one empty piece.
EditorLines wrapParagraph(std::string_view text, int width, bool firstIsContinuation = false);

// Every entry of a list as a paragraph, wrapped; an empty list gives one empty line.
EditorLines wrapParagraphs(const std::vector<std::string>& paragraphs, int width);

// The paragraphs of the lines: each continuation joined to the line before it. A
// continuation with nothing before it starts a paragraph.
std::vector<std::string> joinParagraphs(const EditorLines& lines, size_t from = 0,
                                        size_t to = static_cast<size_t>(-1));

// Where the cursor stands after a paragraph was wrapped again: the line and the 1-based
// column there.
struct TextPlace {
  size_t line = 0;
  int column = 1;
};

// Line k and the continuations after it joined and wrapped again in their place; the
// first piece keeps line k's role. An empty line k is left alone. `offset` is a 0-based
// position in the joined text, counted in characters as columns are; the result is the
// place that position has now.
TextPlace rewrapFrom(EditorLines& lines, size_t k, int width, size_t offset = 0);

// Before line k, an empty line; but a non-empty continuation at k becomes the start of
// a paragraph instead (the blanks in front of it dropped) and nothing is inserted. A k
// past the end appends.
void insertLineAt(EditorLines& lines, size_t k);

// Line k split before its 1-based column c (c > 1): what lies before stays, the rest
// becomes the start of a paragraph on the next line, wrapped with the continuations
// that followed.
void splitLineAt(EditorLines& lines, size_t k, int column, int width);

enum class DeleteResult { Removed, Emptied, NothingToDelete };
// Removes line k; the last line is only emptied (and an empty last line stays as it
// is). A continuation that moves into a removed paragraph start takes its role.
DeleteResult deleteLineAt(EditorLines& lines, size_t k);

// Joins the paragraph that holds line k to the one before it. False when there is none
// to join (the first paragraph, or an empty one); otherwise `k` becomes the line before
// the paragraph's old start.
bool joinWithPrevious(EditorLines& lines, size_t& k, int width);

// Marked lines; -1 when unmarked.
struct Block {
  long start = -1, end = -1;
  bool valid(size_t lineCount) const {
    return start >= 0 && start <= end && end < static_cast<long>(lineCount);
  }
  bool holds(size_t k) const { return static_cast<long>(k) >= start && static_cast<long>(k) <= end; }
};

// The block's lines copied (or moved) in front of line k; false, and nothing changed,
// when the block is not valid or holds line k. After a move the marks cover the lines
// at their new place.
bool copyBlockTo(EditorLines& lines, Block& block, size_t k);
bool moveBlockTo(EditorLines& lines, Block& block, size_t k);

// The block as one text for the clipboard: paragraphs separated by CR LF.
std::string blockClipboardText(const EditorLines& lines, const Block& block);

// The paragraphs inserted, each wrapped, in front of line k, or in front of the start
// of its paragraph when k is a continuation, so that no paragraph is torn apart. `k`
// becomes the first inserted line; returns how many screen lines went in.
size_t insertParagraphsAt(EditorLines& lines, size_t& k, const std::vector<std::string>& paragraphs,
                          int width);

// The first line after `after` whose upper-cased text holds `upperText`; -1 when none.
long findAfter(const EditorLines& lines, size_t after, std::string_view upperText);
