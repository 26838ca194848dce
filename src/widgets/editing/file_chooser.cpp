// The spoken file chooser: a typed name, or a list of the files of a pattern.
#include <fnmatch.h>

#include <algorithm>
#include <filesystem>

#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "platform/keys.h"
#include "widgets/popup.h"
#include "platform/screen.h"
#include "platform/speech.h"
#include "platform/text/text.h"

namespace {

constexpr int kMaxNameLength = 255;
// Bounds the list of a huge directory.
constexpr size_t kMaxListed = 32768;
constexpr int kCurrentBack = 8;

int gLastKey = 0;

std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The directory part of a name, up to and including its last "/" (empty when none).
std::string directoryPart(const std::string& name) {
  const size_t slash = name.find_last_of('/');
  return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

bool isDirectory(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::is_directory(name, ec);
}

// The regular files of the pattern's directory whose names match its last part, sorted
// without regard to case. "*.*" matches every name, as it always did.
std::vector<std::string> listFiles(const std::string& pattern) {
  const std::string dir = directoryPart(pattern);
  std::string glob = pattern.substr(dir.size());
  if (glob == "*.*" || glob.empty()) glob.assign(1, '*');
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec);
  for (; !ec && it != std::filesystem::directory_iterator() && names.size() < kMaxListed;
       it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string name = it->path().filename().string();
    if (fnmatch(glob.c_str(), name.c_str(), FNM_CASEFOLD) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return toUpperText(a) < toUpperText(b);
  });
  return names;
}

class FileList {
 public:
  FileList(std::vector<std::string> names, int column, int row, int width, int height)
      : names_(std::move(names)), column_(column), row_(row), width_(width), height_(height) {}

  // The index picked, -1 for Esc, -2 for Tab.
  int run() {
    moveTo(0);
    for (;;) {
      draw();
      const ConKey k = conReadKeyEvent();
      spkStop();
      if (!k.extended) {
        if (k.code == key::kEnter) return current_;
        if (k.code == key::kEsc) return -1;
        if (k.code == key::kTab) return -2;
        sayCurrent();
        continue;
      }
      const int last = static_cast<int>(names_.size()) - 1;
      switch (k.code) {
        case key::kUp: moveTo(current_ - 1); break;
        case key::kDown: moveTo(current_ + 1); break;
        case key::kPgUp: moveTo(current_ == 0 ? -1 : std::max(0, current_ - height_)); break;
        case key::kPgDn: moveTo(current_ == last ? last + 1 : std::min(last, current_ + height_)); break;
        case key::kHome: moveTo(0); break;
        case key::kEnd: moveTo(last); break;
        default: sayCurrent(); break;
      }
    }
  }

 private:
  void moveTo(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) {
      spkClick();
      return;
    }
    current_ = index;
    if (current_ < top_) top_ = current_;
    if (current_ >= top_ + height_) top_ = current_ - height_ + 1;
    sayCurrent();
  }

  // The name under the cursor; also the answer to a key the list does not use.
  void sayCurrent() { spkSay(names_[current_]); }

  void draw() {
    const int attr = conTextAttr();
    for (int i = 0; i < height_; ++i) {
      const int index = top_ + i;
      const std::string line = index < static_cast<int>(names_.size()) ? names_[index] : std::string();
      conSetBackColour(index == current_ ? kCurrentBack : attr >> 4);
      conGoto(column_, row_ + i);
      conWrite(fitText(line, width_));
    }
    conSetBackColour(attr >> 4);
    conGoto(column_, row_ + current_ - top_);
  }

  std::vector<std::string> names_;
  int column_, row_, width_, height_;
  int current_ = 0;
  int top_ = 0;
};

// How a file list ended; name is set only when one was picked.
struct ListEnd {
  enum class How { Picked, Cancelled, Tab, Empty } how;
  std::string name;
};

ListEnd runFileList(int column, int row, int width, int bottomRow, const std::string& pattern) {
  std::vector<std::string> names = listFiles(pattern);
  if (names.empty()) return {ListEnd::How::Empty, {}};
  const ConRect window = conTextWindow();
  const int windowWidth = window.right - window.left + 1;
  const int windowHeight = window.bottom - window.top + 1;
  column = std::clamp(column, 1, windowWidth);
  row = std::clamp(row, 1, windowHeight);
  bottomRow = std::clamp(bottomRow, row, windowHeight);
  width = std::clamp(width, 1, windowWidth - column + 1);
  // A list that reaches the bottom-right cell would scroll the window when drawn.
  if (bottomRow == windowHeight && column + width - 1 == windowWidth && width > 1) --width;
  // The list is a popup: the screen under it, the cursor and the colours come back.
  const SavedAttr attr;
  const int cursorColumn = conColumn(), cursorRow = conRow();
  const SavedCells under = saveCells(column, row, column + width - 1, bottomRow);
  FileList list(names, column, row, width, bottomRow - row + 1);
  const int picked = list.run();
  restoreCells(under);
  conGoto(cursorColumn, cursorRow);
  if (picked == -2) return {ListEnd::How::Tab, {}};
  if (picked < 0) return {ListEnd::How::Cancelled, {}};
  return {ListEnd::How::Picked, directoryPart(pattern) + names[picked]};
}

}  // namespace

int fileChooserLastKey() { return gLastKey; }

std::string chooseFromFileList(int column, int row, int width, int bottomRow, std::string_view pattern) {
  const ListEnd end = runFileList(column, row, width, bottomRow, std::string(pattern));
  return end.how == ListEnd::How::Tab ? "@TAB@" : end.name;
}

std::string askFileName(int listHeight, std::string_view filter) {
  // Every new start edits an empty name in the same place, over what was typed before.
  const int column = conColumn(), row = conRow();
  for (;;) {
    conGoto(column, row);
    std::string text;
    const int code = conEditLineToEdge(text, column, row, true, kMaxNameLength);
    gLastKey = code;
    if (code == key::kTab) continue;
    if (code == key::kEsc) {
      conRepaint();
      return {};
    }
    if (code != key::kUp && code != key::kDown) return text;
    text = trim(text);
    if (isDirectory(text) && text.back() != '/' && text.back() != ':') text += '/';
    const std::string dir = directoryPart(text);
    if (text.empty() || text.back() == '/') text += filter;
    const ListEnd end = runFileList(column, row, kConColumns, row + listHeight - 1, text);
    if (end.how == ListEnd::How::Tab) {
      spkTick();
      spkTick();
      continue;
    }
    if (end.how == ListEnd::How::Empty) {
      // Nothing to browse: a click, and the name is asked again rather than given up.
      spkClick();
      continue;
    }
    if (end.how == ListEnd::How::Cancelled) {
      // Esc in the list is Esc for the caller, as on the line: not Enter on no name.
      gLastKey = key::kEsc;
      conRepaint();
      return {};
    }
    const std::string& name = end.name;
    if (name.find('/') != std::string::npos || name.find(':') != std::string::npos) return name;
    return dir + name;
  }
}
