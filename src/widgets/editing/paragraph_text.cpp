#include "widgets/editing/paragraph_text.h"

#include <algorithm>

#include "platform/text/text.h"
#include "platform/text/utf8.h"

namespace {

using Diff = EditorLines::difference_type;

Diff at(size_t index) { return static_cast<Diff>(index); }

void dropLeadingBlanks(std::string& text) { text.erase(0, text.find_first_not_of(' ')); }

// One past the last continuation that follows line k.
size_t paragraphEnd(const EditorLines& lines, size_t k) {
  size_t end = k + 1;
  while (end < lines.size() && lines[end].continuation) ++end;
  return end;
}

size_t paragraphStart(const EditorLines& lines, size_t k) {
  while (k > 0 && lines[k].continuation) --k;
  return k;
}

TextPlace rewrapAlways(EditorLines& lines, size_t k, int width, size_t offset) {
  const size_t end = paragraphEnd(lines, k);
  std::string joined;
  for (size_t i = k; i < end; ++i) joined += lines[i].text;
  EditorLines pieces = wrapParagraph(joined, width, lines[k].continuation);
  TextPlace place{k, 1};
  size_t start = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const size_t length = characterCount(pieces[i].text);
    if (offset < start + length || i + 1 == pieces.size()) {
      place = {k + i, static_cast<int>(std::min(offset - std::min(offset, start), length)) + 1};
      break;
    }
    start += length;
  }
  lines.erase(lines.begin() + at(k), lines.begin() + at(end));
  lines.insert(lines.begin() + at(k), pieces.begin(), pieces.end());
  return place;
}

}  // namespace

std::string shownText(const EditorLine& line) {
  return line.continuation ? utf8Of(kContinuationMarker) + line.text : line.text;
}

std::string expandLeadingTabs(std::string_view line) {
  std::string expanded;
  size_t i = 0;
  for (; i < line.size() && (line[i] == '\t' || line[i] == ' '); ++i)
    expanded.append(line[i] == '\t' ? 8 : 1, ' ');
  expanded.append(line.substr(i));
  return expanded;
}

std::vector<std::string> gatherParagraphs(const std::vector<std::string>& lines) {
  std::vector<std::string> paragraphs;
  bool afterEmpty = true;
  for (const std::string& line : lines) {
    const bool startsParagraph =
        line.empty() || afterEmpty || line[0] == ' ' || line[0] == '\t';
    if (startsParagraph) {
      paragraphs.push_back(line);
    } else {
      paragraphs.back() += ' ';
      paragraphs.back() += line;
    }
    afterEmpty = line.empty();
  }
  return paragraphs;
}

EditorLines wrapParagraph(std::string_view text, int width, bool firstIsContinuation) {
  const size_t fullRoom = static_cast<size_t>(std::max(width, 2));
  EditorLines pieces;
  bool continuation = firstIsContinuation;
  do {
    const size_t room = continuation ? fullRoom - 1 : fullRoom;
    // The room counts characters; `fits` is the byte after the last one that fits.
    const size_t fits = byteOfCharacter(text, room);
    if (fits == text.size()) {
      pieces.push_back({std::string(text), continuation});
      break;
    }
    // A blank at the very start would leave an empty piece and no progress.
    size_t cut = text.rfind(' ', fits);
    if (cut == std::string_view::npos || cut == 0) cut = fits;
    pieces.push_back({std::string(text.substr(0, cut)), continuation});
    text.remove_prefix(cut);
    continuation = true;
  } while (!text.empty());
  return pieces;
}

EditorLines wrapParagraphs(const std::vector<std::string>& paragraphs, int width) {
  EditorLines lines;
  for (const std::string& paragraph : paragraphs) {
    EditorLines pieces = wrapParagraph(paragraph, width);
    lines.insert(lines.end(), std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

std::vector<std::string> joinParagraphs(const EditorLines& lines, size_t from, size_t to) {
  std::vector<std::string> paragraphs;
  for (size_t i = from; i < std::min(to, lines.size()); ++i) {
    if (lines[i].continuation && !paragraphs.empty()) {
      paragraphs.back() += lines[i].text;
    } else {
      paragraphs.push_back(lines[i].text);
    }
  }
  return paragraphs;
}

TextPlace rewrapFrom(EditorLines& lines, size_t k, int width, size_t offset) {
  if (lines[k].text.empty()) return {k, 1};
  return rewrapAlways(lines, k, width, offset);
}

void insertLineAt(EditorLines& lines, size_t k) {
  if (k < lines.size() && lines[k].continuation && !lines[k].text.empty()) {
    lines[k].continuation = false;
    dropLeadingBlanks(lines[k].text);
    return;
  }
  lines.insert(lines.begin() + at(std::min(k, lines.size())), EditorLine{});
}

void splitLineAt(EditorLines& lines, size_t k, int column, int width) {
  std::string& text = lines[k].text;
  const size_t cut = byteOfCharacter(text, static_cast<size_t>(std::max(column, 1) - 1));
  EditorLine rest{text.substr(cut), false};
  text.resize(cut);
  lines.insert(lines.begin() + at(k + 1), std::move(rest));
  // The continuations that followed now belong to the new paragraph, even when the
  // split left it empty.
  rewrapAlways(lines, k + 1, width, 0);
}

DeleteResult deleteLineAt(EditorLines& lines, size_t k) {
  if (k + 1 >= lines.size()) {
    if (lines[k].text.empty()) return DeleteResult::NothingToDelete;
    lines[k].text.clear();
    return DeleteResult::Emptied;
  }
  const bool wasStart = !lines[k].continuation;
  lines.erase(lines.begin() + at(k));
  if (wasStart && lines[k].continuation) {
    lines[k].continuation = false;
    dropLeadingBlanks(lines[k].text);
  }
  return DeleteResult::Removed;
}

bool joinWithPrevious(EditorLines& lines, size_t& k, int width) {
  const size_t s = paragraphStart(lines, k);
  if (s == 0 || lines[s].continuation || lines[s].text.empty()) return false;
  if (lines[s - 1].text.empty()) {
    lines.erase(lines.begin() + at(s - 1));
  } else {
    lines[s].continuation = true;
    lines[s].text.insert(0, 1, ' ');
    rewrapAlways(lines, paragraphStart(lines, s - 1), width, 0);
  }
  k = s - 1;
  return true;
}

bool copyBlockTo(EditorLines& lines, Block& block, size_t k) {
  if (!block.valid(lines.size()) || block.holds(k)) return false;
  const EditorLines copied(lines.begin() + block.start, lines.begin() + block.end + 1);
  lines.insert(lines.begin() + at(std::min(k, lines.size())), copied.begin(), copied.end());
  if (static_cast<long>(k) < block.start) {
    block.start += static_cast<long>(copied.size());
    block.end += static_cast<long>(copied.size());
  }
  return true;
}

bool moveBlockTo(EditorLines& lines, Block& block, size_t k) {
  const long count = block.end - block.start + 1;
  if (!copyBlockTo(lines, block, k)) return false;
  lines.erase(lines.begin() + block.start, lines.begin() + block.end + 1);
  const long newStart = static_cast<long>(k) < block.start ? static_cast<long>(k) : static_cast<long>(k) - count;
  block = {newStart, newStart + count - 1};
  return true;
}

std::string blockClipboardText(const EditorLines& lines, const Block& block) {
  // Every paragraph ends with a line end, so that an empty paragraph at either edge of
  // the block survives a paste.
  std::string text;
  if (!block.valid(lines.size())) return text;
  for (const std::string& paragraph :
       joinParagraphs(lines, static_cast<size_t>(block.start), static_cast<size_t>(block.end) + 1)) {
    text += paragraph;
    text += "\r\n";
  }
  return text;
}

size_t insertParagraphsAt(EditorLines& lines, size_t& k, const std::vector<std::string>& paragraphs,
                          int width) {
  k = k < lines.size() ? paragraphStart(lines, k) : lines.size();
  EditorLines pieces;
  for (const std::string& paragraph : paragraphs) {
    EditorLines wrapped = wrapParagraph(paragraph, width);
    pieces.insert(pieces.end(), std::make_move_iterator(wrapped.begin()), std::make_move_iterator(wrapped.end()));
  }
  lines.insert(lines.begin() + at(std::min(k, lines.size())), pieces.begin(), pieces.end());
  return pieces.size();
}

long findAfter(const EditorLines& lines, size_t after, std::string_view upperText) {
  for (size_t i = after + 1; i < lines.size(); ++i) {
    if (toUpperText(lines[i].text).find(upperText) != std::string::npos) return static_cast<long>(i);
  }
  return -1;
}
