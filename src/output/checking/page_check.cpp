// The sheet has a margin of half a page on every side: ink there is what the page clips.
// Each line's ink is known as it ends (dot_provenance.h); what is kept of it is a few
// counts, and the findings that compare lines read the dots' last two owners at the end,
// so that the check's memory and time follow the page, not the script.
#include "output/checking/page_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string_view>
#include <utility>

#include "messages/messages.h"
#include "language/braille_label.h"
#include "language/command_list.h"
#include "language/interpreter.h"
#include "language/reader.h"
#include "messages/messages.h"
#include "output/device/device_page.h"
#include "render/dot_provenance.h"
#include "render/drawing_state.h"
#include "render/page.h"
#include "platform/text/utf8.h"

namespace {

// A finding shows at most this many characters of its line.
constexpr size_t kShownFindingLine = 60;

// Dots of two lines side by side along this many read as one line.
constexpr int kTouchingRun = 3;
// Lines that share a dot cross, and touch for a few dots around the crossing; side by side
// along this many they read as one line all the same.
constexpr int kLongContact = 12;

// The figure of the command that starts the line, as the command list names it; null for
// a line that draws nothing.
const CommandFigure* figureOf(const std::string& line) {
  const int command = lineCommandIndex(line);
  if (command < 0 || kCommandList[command].figure.kind == FigureKind::None) return nullptr;
  return &kCommandList[command].figure;
}

bool isLabel(const CommandFigure* f) { return f && f->kind == FigureKind::Label; }

// Labels have their own rule; a point is one dot, no line to be mistaken for another.
bool readsAsLine(const CommandFigure* f) { return f && f->kind == FigureKind::Line; }

struct LineInk {
  int index = 0;
  const CommandFigure* figure = nullptr;
  long inside = 0;   // dots it inked on the page
  long outside = 0;  // dots it inked more than one dot beyond the page
  CellBox cells;     // a label's cells
};

using LinePair = std::pair<int, int>;  // the lower line first

class Checker {
 public:
  // Precondition: the page is of pixels.
  Checker(const std::vector<std::string>& lines, const Page& page)
      : lines_(lines),
        page_(page),
        provenance_(*page.pixels()),
        inset_(page.inset),
        pageWidth_(page.width()),
        pageHeight_(page.height()) {}

  ScriptReports reports() {
    ScriptReports r;
    r.lineError = [this](int i, const std::string&, std::string_view why) {
      say(i, withValues(messageText("PXCHKPARA"), {why.empty() ? messageText("PXCHKCMD") : std::string(why)}));
    };
    r.figureFault = [this](int i, const std::string&, std::string_view why) {
      say(i, withValues(messageText("PXCHKIMP"), {why}));
    };
    r.dataMessage = [this](const std::string& text) { say(current_, text); };
    // A line that draws nothing (DM, CC, LD...) is not watched: a million of them cost
    // no more than reading them.
    r.lineStarts = [this](int i) {
      current_ = i;
      figure_ = figureOf(lines_[static_cast<size_t>(i)]);
      open_ = figure_ != nullptr;
      if (open_) provenance_.beginLine();
    };
    r.lineEnds = [this](int i) {
      if (open_) endLine(i);
    };
    return r;
  }

  // After the run: a line that stopped it gets its earlier ink back, and is told as
  // what stopped the run, not as a figure.
  void finish() {
    if (open_) {
      provenance_.endLine(current_);
      open_ = false;
    }
    for (const LineInk& ink : inks_) figureFindings(ink);
    closeLineFindings();
    std::stable_sort(findings_.begin(), findings_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  }

  // Called once: the findings move into the result.
  PageCheck result() {
    PageCheck check;
    check.ran = true;
    check.width = pageWidth_;
    check.height = pageHeight_;
    check.dotLines.reserve(static_cast<size_t>(pageWidth_) * pageHeight_);
    for (int y = 0; y < pageHeight_; ++y)
      for (int x = 0; x < pageWidth_; ++x) check.dotLines.push_back(provenance_.owner(x + inset_, y + inset_));
    const DrawingState& state = page_.state;
    check.scaleX = state.scaleX, check.offsetX = state.offsetX;
    check.scaleY = state.scaleY, check.offsetY = state.offsetY;
    check.findings.reserve(findings_.size());
    for (auto& [line, text] : findings_) check.findings.push_back(std::move(text));
    findings_.clear();
    check.summary = summary(check.findings);
    return check;
  }

 private:
  // Within `slack` dots of the page. A figure that ends exactly on the domain's edge
  // reaches one dot past the page, and nothing of it is missed on paper.
  bool onPage(int32_t pixel, int slack = 0) const {
    const int x = pixel % provenance_.width() - inset_, y = pixel / provenance_.width() - inset_;
    return x >= -slack && y >= -slack && x < pageWidth_ + slack && y < pageHeight_ + slack;
  }

  // What was found comes first; the line follows, cut as a line error cuts it, so that a
  // long label is not heard in full before the finding.
  void say(int lineIndex, const std::string& what) {
    const std::string& line = lineIndex >= 0 && lineIndex < static_cast<int>(lines_.size()) ? lines_[lineIndex] : "";
    findings_.emplace_back(lineIndex, withValues(messageText("PXCHKLIN"), {std::to_string(lineIndex), what, shownLine(line)}));
  }

  static std::string shownLine(const std::string& line) {
    return line.size() > kShownFindingLine ? line.substr(0, kShownFindingLine) + "..." : line;
  }

  void endLine(int lineIndex) {
    open_ = false;
    LineInk ink{lineIndex, figure_, 0, 0, {}};
    for (const int32_t p : provenance_.endLine(lineIndex)) {
      ink.inside += onPage(p);
      ink.outside += !onPage(p, 1);
    }
    if (isLabel(ink.figure)) {
      ink.cells = page_.lastLabel;
      // A code of liblouis's is named: the character may well have a cell in another code.
      if (const char32_t c = page_.lastLabelWithoutCell)
        findings_.emplace_back(lineIndex, page_.lastLabelCode.empty()
                                              ? withValues(messageText("PXSEMCELA"), {std::to_string(lineIndex), utf8Of(c)})
                                              : withValues(messageText("PXSEMCELAC"),
                                                           {std::to_string(lineIndex), utf8Of(c), page_.lastLabelCode}));
    }
    inks_.push_back(ink);
  }

  // The sentence of `feminineKey` or of its masculine twin, whichever the figure's noun
  // takes, with the noun in it.
  static std::string aboutFigure(const CommandFigure& f, std::string feminineKey) {
    if (!f.feminine) feminineKey.back() = 'M';
    return withValues(messageText(feminineKey), {messageText(f.nounKey)});
  }

  void figureFindings(const LineInk& ink) {
    const long inside = ink.inside, outside = ink.outside;
    const CommandFigure& f = *ink.figure;
    if (inside == 0) {
      say(ink.index, aboutFigure(f, outside > 0 ? "PXCHKFORAF" : "PXCHKNADAF"));
      return;
    }
    if (outside > 0) say(ink.index, aboutFigure(f, "PXCHKPARTF"));
    if (isLabel(&f)) labelFindings(ink);
  }

  // The line whose ink is at the pixel, other than `self`, or -1.
  int otherLineAt(int64_t x64, int64_t y64, int self) const {
    if (x64 < 0 || y64 < 0 || x64 >= provenance_.width() || y64 >= provenance_.height()) return -1;
    const int x = static_cast<int>(x64), y = static_cast<int>(y64);
    const int owner = provenance_.owner(x, y);
    if (owner != DotProvenance::kNoLine && owner != self) return owner;
    return owner == self ? provenance_.previous(x, y) : -1;
  }

  // The sentence of `key` ("...1" for one line, "...N" for more) naming the lines:
  // "1", "1 e 2", "1, 2 e 4".
  static std::string aboutLines(std::string key, const std::vector<int>& indices) {
    std::string list = std::to_string(indices[0]);
    for (size_t i = 1; i < indices.size(); ++i) {
      const std::string next = std::to_string(indices[i]);
      list = i + 1 == indices.size() ? withValues(messageText("PXCHKLSTE"), {list, next}) : list + ", " + next;
    }
    if (indices.size() > 1) key.back() = 'N';
    return withValues(messageText(key), {list});
  }

  // A label needs an empty dot all round its cells to be read by touch. Every other line
  // is named: those with dots among the label's cells, where it can not be read at all,
  // and those that only touch them.
  void labelFindings(const LineInk& ink) {
    const CellBox& box = ink.cells;
    std::vector<int> over, touching;
    for (int64_t y = box.top - 1; y <= box.bottom + 1; ++y) {
      for (int64_t x = box.left - 1; x <= box.right + 1; ++x) {
        const int other = otherLineAt(x, y, ink.index);
        if (other < 0) continue;
        const bool inside = x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
        std::vector<int>& list = inside ? over : touching;
        if (std::find(list.begin(), list.end(), other) == list.end()) list.push_back(other);
      }
    }
    std::erase_if(touching, [&](int other) { return std::find(over.begin(), over.end(), other) != over.end(); });
    std::sort(over.begin(), over.end());
    std::sort(touching.begin(), touching.end());
    if (!over.empty()) say(ink.index, aboutLines("PXCHKSOB1", over));
    if (!touching.empty()) say(ink.index, aboutLines("PXCHKENC1", touching));
  }

  // Two figures whose dots touch along three dots or more without sharing one read as
  // one line under the finger.
  void closeLineFindings() {
    // Each line's figure is known once, not at every dot.
    std::vector<char> line(lines_.size(), 0);
    for (const LineInk& ink : inks_) line[static_cast<size_t>(ink.index)] = readsAsLine(ink.figure);
    const auto readsAsLineAt = [&](int index) { return line[static_cast<size_t>(index)] != 0; };
    // For each pair, how many dots of either lie next to the other, and the later line's
    // dots among them, row by row.
    std::map<LinePair, int> touching;
    std::map<LinePair, std::vector<int32_t>> laterDots;
    const int width = provenance_.width();
    // On the page only: what the page clips is told otherwise.
    for (int y = inset_; y < inset_ + pageHeight_; ++y) {
      for (int x = inset_; x < inset_ + pageWidth_; ++x) {
        const int a = provenance_.owner(x, y);
        if (a == DotProvenance::kNoLine || provenance_.shared(x, y) || !readsAsLineAt(a)) continue;
        int seen[8];
        int seenCount = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int b = provenance_.owner(x + dx, y + dy);
            if (b == DotProvenance::kNoLine || b == a || provenance_.shared(x + dx, y + dy) ||
                std::find(seen, seen + seenCount, b) != seen + seenCount || !readsAsLineAt(b))
              continue;
            seen[seenCount++] = b;
            const LinePair pair{std::min(a, b), std::max(a, b)};
            ++touching[pair];
            if (a > b) laterDots[pair].push_back(y * width + x);
          }
        }
      }
    }
    const std::set<LinePair> crossings = crossingPairs();
    for (const auto& [pair, count] : touching) {
      if (count < kTouchingRun) continue;
      const int contact = largestGroup(laterDots[pair]);
      if (contact < kTouchingRun) continue;
      const std::string other = std::to_string(pair.second), otherLine = shownLine(lines_[pair.second]);
      if (!crossings.contains(pair)) {
        say(pair.first, withValues(messageText("PXCHKCOLA"), {other, otherLine}));
      } else if (contact >= kLongContact) {
        // A dot or two in common (two arrow heads that meet, a narrow V) do not make a
        // crossing that the finger tells apart.
        say(pair.first, withValues(messageText("PXCHKLONGO"), {other, otherLine, std::to_string(contact)}));
      }
    }
  }

  // The pairs of lines that share a dot, anywhere on the sheet.
  std::set<LinePair> crossingPairs() const {
    std::set<LinePair> pairs;
    for (int y = 0; y < provenance_.height(); ++y) {
      for (int x = 0; x < provenance_.width(); ++x) {
        const int a = provenance_.owner(x, y), b = provenance_.previous(x, y);
        if (b != DotProvenance::kNoLine) pairs.insert({std::min(a, b), std::max(a, b)});
      }
    }
    return pairs;
  }

  // The most dots of a sorted list that hang together, each next to another (diagonals
  // too): how far two lines run side by side. Where two lines cross without a common
  // dot, two at the most.
  int largestGroup(const std::vector<int32_t>& dots) const {
    const int width = provenance_.width();
    std::vector<char> seen(dots.size(), 0);
    std::vector<size_t> stack;
    int longest = 0;
    for (size_t start = 0; start < dots.size(); ++start) {
      if (seen[start]) continue;
      stack.assign(1, start);
      seen[start] = 1;
      int size = 0;
      while (!stack.empty()) {
        const int32_t p = dots[stack.back()];
        stack.pop_back();
        ++size;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            // A step off the row's end would wrap onto the next row.
            if ((dx < 0 && p % width == 0) || (dx > 0 && p % width == width - 1)) continue;
            const auto at = std::lower_bound(dots.begin(), dots.end(), p + dy * width + dx);
            if (at == dots.end() || *at != p + dy * width + dx) continue;
            const size_t other = static_cast<size_t>(at - dots.begin());
            if (!seen[other]) {
              seen[other] = 1;
              stack.push_back(other);
            }
          }
        }
      }
      longest = std::max(longest, size);
    }
    return longest;
  }

  std::string summary(std::vector<std::string>& findings) const {
    const long drew = std::count_if(inks_.begin(), inks_.end(), [](const LineInk& ink) { return ink.inside > 0; });
    int firstRow = pageHeight_, lastRow = -1, firstColumn = pageWidth_, lastColumn = -1;
    for (int y = 0; y < pageHeight_; ++y) {
      for (int x = 0; x < pageWidth_; ++x) {
        if (provenance_.owner(x + inset_, y + inset_) == DotProvenance::kNoLine) continue;
        firstRow = std::min(firstRow, y), lastRow = std::max(lastRow, y);
        firstColumn = std::min(firstColumn, x), lastColumn = std::max(lastColumn, x);
      }
    }
    if (drew == 0 || lastRow < 0) {
      findings.push_back(messageText("PXCHKVAZIA"));
      return messageText("PXCHKNENH");
    }
    return withValues(messageText(drew == 1 ? "PXCHKRES1" : "PXCHKRESN"),
                      {std::to_string(drew), std::to_string(firstRow / 3 + 1), std::to_string(lastRow / 3 + 1),
                       std::to_string(firstColumn / 2 + 1), std::to_string(lastColumn / 2 + 1),
                       std::to_string(pageHeight_ / 3), std::to_string(pageWidth_ / 2)});
  }

  const std::vector<std::string>& lines_;
  const Page& page_;
  DotProvenance provenance_;
  int inset_, pageWidth_, pageHeight_;
  int current_ = 0;
  const CommandFigure* figure_ = nullptr;  // of the line running; null when it draws nothing
  bool open_ = false;
  std::vector<LineInk> inks_;
  std::vector<std::pair<int, std::string>> findings_;
};

}  // namespace

PageCheck checkPage(const std::vector<std::string>& lines, const EmbosserSheet& sheet) {
  PageSpec spec = embosserPageSpec(sheet);
  spec.inset = std::max(2 * sheet.cells, 3 * sheet.lines) / 2;
  std::optional<Page> page = preparePage(spec);
  if (!page) return {};
  Checker checker(lines, *page);
  runScript(*page, lines, checker.reports());
  checker.finish();
  return checker.result();
}
