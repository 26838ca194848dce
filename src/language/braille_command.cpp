#include "language/braille_command.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "console/text/text.h"
#include "language/braille_cells.h"
#include "language/braille_translate.h"

namespace {

constexpr const char* kUsage =
    "Uso: pontelix braille [--format=unicode|ascii|dots] [TEXTO...]\n"
    "Traduz o texto (ou cada linha da entrada) para celas Braille.\n";

void appendDots(std::string& line, unsigned char cell) {
  if (cell == 0) {
    line += '0';
    return;
  }
  for (int dot = 0; dot < 6; ++dot)
    if (cell & (1u << dot)) line += static_cast<char>('1' + dot);
}

bool parseFormat(std::string_view name, BrailleFormat& format) {
  if (name == "unicode") format = BrailleFormat::Unicode;
  else if (name == "ascii") format = BrailleFormat::Ascii;
  else if (name == "dots") format = BrailleFormat::Dots;
  else return false;
  return true;
}

int usageError(std::string_view problem) {
  std::fprintf(stderr, "pontelix braille: %.*s\n%s", static_cast<int>(problem.size()),
               problem.data(), kUsage);
  return 2;
}

// Writes the cells of one UTF-8 text as one line; false when stdout failed.
bool translateLine(std::string_view utf8Text, BrailleFormat format) {
  std::string line = formatBraille(textToBraille(utf8ToCp1252(utf8Text)), format);
  line += '\n';
  return std::fwrite(line.data(), 1, line.size(), stdout) == line.size();
}

}  // namespace

std::string formatBraille(std::string_view brailleText, BrailleFormat format) {
  std::string line;
  line.reserve(brailleText.size() * (format == BrailleFormat::Unicode ? 3 : 4));
  for (const char byte : brailleText) {
    const unsigned char cell = brailleCellOf(static_cast<unsigned char>(byte));
    switch (format) {
      case BrailleFormat::Unicode:  // U+2800..U+283F: E2 A0 80..E2 A0 BF
        line += '\xE2';
        line += '\xA0';
        line += static_cast<char>(0x80 | cell);
        break;
      case BrailleFormat::Ascii:
        line += static_cast<char>(brailleDeviceCharacter(static_cast<unsigned char>(byte)));
        break;
      case BrailleFormat::Dots:
        if (!line.empty()) line += ' ';
        appendDots(line, cell);
        break;
    }
  }
  return line;
}

int runBrailleCommand(int argc, char** argv) {
  BrailleFormat format = BrailleFormat::Unicode;
  int first = 1;
  for (; first < argc; ++first) {
    const std::string_view arg = argv[first];
    if (arg == "--") {
      ++first;
      break;
    }
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg.starts_with("--format=")) {
      if (!parseFormat(arg.substr(9), format)) return usageError("formato desconhecido");
    } else if (arg == "--format") {
      if (first + 1 >= argc || !parseFormat(argv[++first], format))
        return usageError("formato desconhecido");
    } else if (arg.starts_with("--")) {
      return usageError("opção desconhecida");
    } else {
      break;
    }
  }

  bool ok = true;
  if (first < argc) {
    std::string text = argv[first];
    for (int i = first + 1; i < argc; ++i) (text += ' ') += argv[i];
    ok = translateLine(text, format);
  } else {
    std::string line;
    while (ok && std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();  // CR LF line ends
      ok = translateLine(line, format);
    }
  }
  if (std::fflush(stdout) != 0 || !ok) {
    std::fputs("pontelix braille: não foi possível escrever a saída\n", stderr);
    return 1;
  }
  return 0;
}
