#include "language/braille_command.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "platform/text/text.h"
#include "messages/messages.h"
#include "language/braille_cells.h"
#include "language/braille_code.h"

namespace {

bool parseFormat(std::string_view name, BrailleFormat& format) {
  if (name == "unicode") format = BrailleFormat::Unicode;
  else if (name == "ascii") format = BrailleFormat::Ascii;
  else if (name == "dots") format = BrailleFormat::Dots;
  else return false;
  return true;
}

// The usage's lines, each on a line of its own.
void writeUsage(std::FILE* out) {
  const std::string usage = messageText("PXBRLUSO");
  for (size_t from = 0, end; from <= usage.size(); from = end + 1) {
    end = std::min(usage.find('\n', from), usage.size());
    writeTextLine(out, std::string_view(usage).substr(from, end - from));
  }
}

int usageError(const std::string& problem) {
  writeTextLine(stderr, problem);
  writeUsage(stderr);
  return 2;
}

int usageError(const char* problemKey) { return usageError(messageText(problemKey)); }

// Standard input is read, and the output written, this many bytes at a time: a byte-wise
// line reader would cost more than the translation itself.
constexpr size_t kBlockBytes = size_t{1} << 16;

// Collects output lines and writes them to standard output in large blocks.
class BlockOutput {
 public:
  explicit BlockOutput(BrailleCode code) : code_(std::move(code)) { pending_.reserve(kBlockBytes * 2); }
  // Adds the cells of one UTF-8 text as one line. A character without a cell is told on
  // standard error with its line, counted from 1; our Portuguese translator writes a
  // stand-in cell for it, a liblouis code leaves it out.
  void addLine(std::string_view utf8Text, BrailleFormat format) {
    ++line_;
    const BrailleText braille = translateBraille(code_, utf8Text);
    if (braille.withoutCell != 0) {
      const char* key = code_.table.empty() ? "PXBRASCEL" : "PXBRAOMIT";
      writeTextLine(stderr, "pontelix braille: " + withValues(messageText(key), {std::to_string(line_), utf8Of(braille.withoutCell)}));
    }
    appendBraille(pending_, braille.cells, format);
    pending_ += '\n';
    if (pending_.size() >= kBlockBytes) flush();
  }
  // False once a write has failed.
  bool flush() {
    if (ok_ && !pending_.empty()) ok_ = std::fwrite(pending_.data(), 1, pending_.size(), stdout) == pending_.size();
    pending_.clear();
    return ok_;
  }
  bool ok() const { return ok_; }

 private:
  BrailleCode code_;
  std::string pending_;
  bool ok_ = true;
  long line_ = 0;
};

// Every line of `in` (LF or CR LF ends, the last line with or without one), each to one
// output line. False when `in` could not be read.
bool translateLines(std::FILE* in, BrailleFormat format, BlockOutput& out) {
  std::string block(kBlockBytes, '\0');
  std::string partial;  // a line that began in an earlier block
  auto addLine = [&](std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.addLine(line, format);
  };
  size_t got;
  while (out.ok() && (got = std::fread(block.data(), 1, block.size(), in)) > 0) {
    const std::string_view data(block.data(), got);
    size_t start = 0;
    for (size_t end; (end = data.find('\n', start)) != std::string_view::npos; start = end + 1) {
      if (partial.empty()) {
        addLine(data.substr(start, end - start));
      } else {
        partial += data.substr(start, end - start);
        addLine(partial);
        partial.clear();
      }
    }
    partial += data.substr(start);
  }
  if (!partial.empty()) addLine(partial);
  return !std::ferror(in);
}

}  // namespace

void appendBraille(std::string& out, std::string_view brailleText, BrailleFormat format) {
  // Looked up once per byte of whole files: the cells and device characters of every
  // alphabet byte, in tables made on first use.
  static const auto tables = [] {
    std::array<std::array<unsigned char, 256>, 2> t{};
    for (int byte = 0; byte < 256; ++byte) {
      t[0][byte] = brailleCellOf(static_cast<unsigned char>(byte));
      t[1][byte] = brailleDeviceCharacter(static_cast<unsigned char>(byte));
    }
    return t;
  }();
  const auto& cells = tables[0];
  const auto& device = tables[1];
  // Sized for the longest a cell can be (three bytes of UTF-8, six dots and a blank),
  // written through a pointer, and cut to what was written. One loop per format, each
  // as plain as it can be: they run over whole files.
  const size_t start = out.size();
  const size_t widest = format == BrailleFormat::Unicode ? 3 : format == BrailleFormat::Ascii ? 1 : 7;
  out.resize(start + brailleText.size() * widest);
  char* const first = out.data() + start;
  char* to = first;
  switch (format) {
    case BrailleFormat::Unicode:  // U+2800..U+283F: E2 A0 80..E2 A0 BF
      for (const char byte : brailleText) {
        const char utf8[3] = {'\xE2', '\xA0', static_cast<char>(0x80 | cells[static_cast<unsigned char>(byte)])};
        std::memcpy(to, utf8, 3);
        to += 3;
      }
      break;
    case BrailleFormat::Ascii:
      for (const char byte : brailleText) *to++ = static_cast<char>(device[static_cast<unsigned char>(byte)]);
      break;
    case BrailleFormat::Dots:
      for (const char byte : brailleText) {
        const unsigned cell = cells[static_cast<unsigned char>(byte)];
        if (to != first) *to++ = ' ';
        if (cell == 0) *to++ = '0';
        for (int dot = 0; dot < 6; ++dot)
          if (cell & (1u << dot)) *to++ = static_cast<char>('1' + dot);
      }
      break;
  }
  out.resize(static_cast<size_t>(to - out.data()));
}

std::string formatBraille(std::string_view brailleText, BrailleFormat format) {
  std::string line;
  appendBraille(line, brailleText, format);
  return line;
}

int runBrailleCommand(int argc, char** argv) {
  BrailleFormat format = BrailleFormat::Unicode;
  std::string codeName = startingBrailleCodeName();
  int first = 1;
  for (; first < argc; ++first) {
    const std::string_view arg = argv[first];
    if (arg == "--") {
      ++first;
      break;
    }
    if (arg == "--help" || arg == "-h") {
      writeUsage(stdout);
      return 0;
    }
    if (arg.starts_with("--format=")) {
      if (!parseFormat(arg.substr(9), format)) return usageError("PXBRLFMT");
    } else if (arg == "--format") {
      if (first + 1 >= argc || !parseFormat(argv[++first], format))
        return usageError("PXBRLFMT");
    } else if (arg.starts_with("--code=")) {
      codeName = std::string(arg.substr(7));
    } else if (arg.starts_with("--")) {
      return usageError("PXBRLOPC");
    } else {
      break;
    }
  }

  BrailleCodeProblem problem;
  std::optional<BrailleCode> code = findBrailleCode(codeName, &problem);
  if (!code) return usageError("pontelix braille: " + brailleCodeProblemText(codeName, problem));
  BlockOutput out(std::move(*code));
  bool readable = true;
  if (first < argc) {
    std::string text = argv[first];
    for (int i = first + 1; i < argc; ++i) (text += ' ') += argv[i];
    out.addLine(text, format);
  } else {
    readable = translateLines(stdin, format, out);
  }
  if (!out.flush() || std::fflush(stdout) != 0) {
    writeTextLine(stderr, messageText("PXBRLESC"));
    return 1;
  }
  if (!readable) {
    writeTextLine(stderr, messageText("PXBRLLER"));
    return 1;
  }
  return 0;
}
