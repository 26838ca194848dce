// The paragraph editor's keys that work beyond the current line: blocks, the clipboard,
// search, reading on, the draft and the help.
#include <algorithm>

#include "platform/console.h"
#include "widgets/editing/paragraph_session.h"
#include "platform/text/file_write.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "platform/text/text_file.h"
#include "messages/messages.h"

namespace {

constexpr int kWhite = 15, kYellow = 14;
constexpr int kEmptyLinePauseMs = 200;
constexpr int kSpeechPollMs = 10;
constexpr size_t kMaxPaste = 65000;
// A file read in may not make the text longer than this many screen lines, so that a
// file of nothing but line ends can't take the memory.
constexpr size_t kMaxScreenLines = 200000;
constexpr const char* kDefaultDraftName = "rascunho.$$$";

// The paragraphs as a text file: Windows-1252 while it holds every character, else
// UTF-8, every line ended by CR LF. 0 or the errno of the failure; the old file is
// untouched by a failure.
int writeParagraphs(const std::string& name, const std::vector<std::string>& paragraphs) {
  const ProjectEncoding encoding = encodingThatHolds(paragraphs, ProjectEncoding::Windows1252);
  return replaceFileAtomically(name, encodeProjectText(paragraphs, encoding));
}

std::vector<std::string> withTabsExpanded(std::vector<std::string> lines) {
  for (std::string& line : lines) line = expandLeadingTabs(line);
  return lines;
}

void sayAndWait(const std::string& text) {
  if (!text.empty()) spkSay(text);
  while (spkBusy()) conPause(kSpeechPollMs);
}

// One line of text in the window, which scrolls when it is full.
void writeRow(const std::string& text) {
  conWrite(conVisible(text));
  // A row filled to the edge has already moved the cursor down.
  if (conColumn() != 1) conWriteLine();
}

constexpr const char* kBlockChoices[] = {
    "PXEDBLI", "PXEDBLF", "PXEDBLT", "PXEDBLD", "PXEDBLC", "PXEDBLM", "PXEDBLG", "PXEDBLL",
};

constexpr const char* kHelpPages[] = {"PXEDAJ1", "PXEDAJ2", "PXEDAJ3", "PXEDAJ4"};

void sayKey(const char* key) { spkSay(messageText(key)); }

}  // namespace

void ParagraphSession::blockCommand() {
  sayKey("PXEDBLOCO");
  const PressedKey k = readPressedKey();
  const char32_t letter = k.ext == 0 ? upperCaseOf(static_cast<char32_t>(k.ch)) : 0;
  const long last = static_cast<long>(lines.size()) - 1;
  const long here = static_cast<long>(current);
  switch (letter) {
    case 'I': block.start = here; return sayKey("PXEDBLINI");
    case 'F': block.end = here; return sayKey("PXEDBLFIM");
    case 'T': block = {0, last}; return sayKey("PXEDBLTUDO");
    case 'D': block = {}; return sayKey("PXEDBLDESM");
    case 'C':
      sayKey("PXEDBLCOP");
      // Nothing is copied without a valid block, or into the block itself.
      if (!copyBlockTo(lines, block, current)) spkClick();
      return;
    case 'M':
      sayKey("PXEDBLMOV");
      if (!moveBlockTo(lines, block, current)) spkClick();
      current = std::min(current, lines.size() - 1);
      return;
    case 'G': return writeBlock();
    case 'L': return readBlock();
    default:
      sayKey("PXEDBLERR");
      for (const char* choice : kBlockChoices) sayKey(choice);
  }
}

void ParagraphSession::writeBlock() {
  if (!block.valid(lines.size()))
    return sayKey("PXEDBLNENH");
  const std::optional<std::string> name = askText(messageText("PXEDARQGRV"));
  if (!name || name->empty() || !mayReplace(*name)) return spkClick();
  const auto paragraphs = ::joinParagraphs(lines, static_cast<size_t>(block.start),
                                           static_cast<size_t>(block.end) + 1);
  sayKey(writeParagraphs(*name, paragraphs) == 0 ? "PXEDBLGRV" : "PXEDBLNGRV");
}

void ParagraphSession::readBlock() {
  const std::optional<std::string> name = askFileToRead(messageText("PXEDARQLER"));
  if (!name || name->empty()) return spkClick();
  ProjectText text;
  const int error = readProjectFile(*name, text);
  // A NUL means the file is no text of ours (UTF-16, a program): none of it goes in.
  if (error != 0 || text.cutAtNul || lines.size() + text.lines.size() > kMaxScreenLines) {
    return reportReadError();
  }
  sayKey("PXEDBLLIDO");
  size_t at = current;
  const size_t count = insertParagraphsAt(lines, at, withTabsExpanded(std::move(text.lines)), width);
  if (count == 0) return;
  current = at;
  block = {static_cast<long>(at), static_cast<long>(at + count) - 1};
  cursorColumn = 1;
}

void ParagraphSession::copyBlockToClipboard() {
  if (!block.valid(lines.size())) return spkClick();
  conCopyToClipboard(blockClipboardText(lines, block));
}

void ParagraphSession::pasteClipboard() {
  const std::string text = conPasteFromClipboard(kMaxPaste + 1);
  if (text.empty()) return spkClick();
  size_t at = current;
  const size_t count = insertParagraphsAt(lines, at, withTabsExpanded(splitTextLines(text)), width);
  current = std::min(at + count, lines.size() - 1);
  cursorColumn = 1;
}

void ParagraphSession::askAndSearch() {
  const std::optional<std::string> answer = askText(messageText("PXEDBUSCA"));
  if (!answer) return;
  searchText = toUpperText(*answer);
  search();
}

void ParagraphSession::search() {
  if (searchText.empty()) return;
  const long found = findAfter(lines, current, searchText);
  if (found >= 0) {
    current = static_cast<size_t>(found) - 1;
  } else if (current + 1 < lines.size()) {
    spkClick();
    spkClick();
  }
  lineDown();
}

void ParagraphSession::readOn() {
  conClear();
  size_t i = current;
  std::string paragraph = lines[i].text;
  writeRow(shownText(lines[i]));
  bool stopped = false;
  while (++i < lines.size()) {
    if (conKeyPending()) {
      stopped = true;
      break;
    }
    const EditorLine& line = lines[i];
    if (!line.continuation) {
      sayAndWait(paragraph);
      paragraph.clear();
    }
    paragraph += line.text;
    writeRow(shownText(line));
    if (line.text.empty()) conPause(kEmptyLinePauseMs);
  }
  if (stopped) {
    spkStop();
    current = i;
  } else {
    sayAndWait(paragraph);
    current = lines.size() - 1;
    for (int n = 0; n < 3; ++n) spkClick();
    conFlushKeys();
    sayKey("PXEDFIMLEI");
  }
  topLine = std::min(topLine, current);
  if (current >= topLine + static_cast<size_t>(height)) topLine = current - static_cast<size_t>(height) + 1;
  cursorColumn = 1;
}

void ParagraphSession::saveDraft(bool forgetName) {
  if (forgetName) draftName.clear();
  if (draftName.empty()) {
    const std::optional<std::string> answer = askText(messageText("PXEDARQGRV"));
    if (!answer) return;
    // The draft's own name is there to be written over, again and again.
    if (!answer->empty() && !mayReplace(*answer)) return spkClick();
    draftName = answer->empty() ? kDefaultDraftName : *answer;
  }
  sayKey(writeParagraphs(draftName, ::joinParagraphs(lines)) == 0 ? "PXEDRASGRV" : "PXEDRASNGRV");
}

void ParagraphSession::help() {
  spkClick();
  spkClick();
  conClear();
  for (size_t page = 0; page < std::size(kHelpPages); ++page) {
    conSetTextColour(page % 2 == 0 ? kYellow : kWhite);
    if (page == 0) {
      writeRow(messageText("PXEDAJTIT"));
      sayKey("PXEDAJTIT");
    }
    const std::string text = messageText(kHelpPages[page]);
    for (const EditorLine& piece : wrapParagraph(text, width)) writeRow(shownText(piece));
    spkSay(text);
    if (readPressedKey().is(key::kEsc)) break;
  }
  spkClick();
  spkClick();
  conSetTextColour(kWhite);
  conClear();
}

bool ParagraphSession::mayReplace(const std::string& name) {
  return !projectPathExists(name) || askYes(messageText("PXEDSUBST"));
}

bool ParagraphSession::confirmEnd() { return askYes(messageText("PXEDCONFIM")); }
