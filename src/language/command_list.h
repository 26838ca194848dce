#pragma once
// The command list: every command of the language, once, with what each floor needs to
// know of it as plain data. The parts that are code (a command's reading and drawing,
// its description, its builder form) stay on their own floors, each in a table with a row
// per command in the order of this list, checked against it with followsCommandList
// when that floor compiles: a command added here and forgotten there does not build.
// Texts are UTF-8.
#include <cstddef>
#include <iterator>
#include <string_view>

// What the check of the page makes of a command's ink.
enum class FigureKind {
  None,   // the command draws nothing
  Dot,    // a single dot, which no one mistakes for another figure's line
  Line,   // dots that can read as one line with a neighbouring figure's
  Label,  // Braille or ink text, which needs an empty dot all round its cells
};

struct CommandFigure {
  FigureKind kind;
  const char* nounKey;  // catalogue key of what the author calls the figure; null when it draws nothing
  bool feminine;        // the Portuguese noun's gender, which picks the sentences that name it
};

struct CommandInfo {
  const char* code;      // two upper-case letters
  const char* nameKey;   // catalogue key of "XX - name", the builder popup's item
  const char* titleKey;  // catalogue key of the builder form's title
  int popupPosition;     // where the popup says the command, from 1
  CommandFigure figure;
};

inline constexpr CommandFigure kDrawsNothing{FigureKind::None, nullptr, false};

// The popup has its own order, the one users learnt; contradomain is "PXCOM_CM" though
// its command is CD, and RG and RR share one form title.
inline constexpr CommandInfo kCommandList[] = {
    {"DM", "PXCOM_DM", "PX_DOMIN", 17, kDrawsNothing},
    {"CD", "PXCOM_CM", "PX_CTDOM", 18, kDrawsNothing},
    {"EX", "PXCOM_EX", "PX_EIXO", 7, {FigureKind::Line, "PXFIG_EX", false}},
    {"GR", "PXCOM_GR", "PX_GRADE", 6, {FigureKind::Line, "PXFIG_GR", true}},
    {"PT", "PXCOM_PT", "PX_PONTO", 1, {FigureKind::Dot, "PXFIG_PT", false}},
    {"RT", "PXCOM_RT", "PX_RETA", 2, {FigureKind::Line, "PXFIG_RT", true}},
    {"ST", "PXCOM_ST", "PX_SETA", 3, {FigureKind::Line, "PXFIG_ST", true}},
    {"RG", "PXCOM_RG", "PX_RETANG", 4, {FigureKind::Line, "PXFIG_RG", false}},
    {"RR", "PXCOM_RR", "PX_RETANG", 5, {FigureKind::Line, "PXFIG_RG", false}},
    {"PO", "PXCOM_PO", "PX_POLIG", 8, {FigureKind::Line, "PXFIG_PO", false}},
    {"CI", "PXCOM_CI", "PX_CIRC", 9, {FigureKind::Line, "PXFIG_CI", false}},
    {"EL", "PXCOM_EL", "PX_ELIPSE", 10, {FigureKind::Line, "PXFIG_EL", true}},
    {"PA", "PXCOM_PA", "PX_PARAB", 11, {FigureKind::Line, "PXFIG_PA", true}},
    {"CV", "PXCOM_CV", "PX_CURVA", 12, {FigureKind::Line, "PXFIG_CV", true}},
    {"PN", "PXCOM_PN", "PX_POLIN", 13, {FigureKind::Line, "PXFIG_PN", false}},
    {"EQ", "PXCOM_EQ", "PX_EQUACAO", 14, {FigureKind::Line, "PXFIG_EQ", true}},
    {"LD", "PXCOM_LD", "PX_LEDADOS", 16, kDrawsNothing},
    {"HI", "PXCOM_HI", "PX_HISTO", 15, {FigureKind::Line, "PXFIG_HI", false}},
    {"TB", "PXCOM_TB", "PX_TXTB", 20, {FigureKind::Label, "PXFIG_TB", false}},
    {"TX", "PXCOM_TT", "PX_TXTT", 21, {FigureKind::Label, "PXFIG_TX", false}},
    {"CC", "PXCOM_CC", "PX_CANETA", 19, kDrawsNothing},
    {"CT", "PXCOM_CT", "PX_CNFTINTA", 22, kDrawsNothing},
    {"CB", "PXCOM_CB", "PX_CODBRL", 23, kDrawsNothing},
};

inline constexpr int kCommandCount = static_cast<int>(std::size(kCommandList));

// The place in the list of an upper-cased code, or -1 for an unknown command.
constexpr int commandIndex(std::string_view code) {
  for (int i = 0; i < kCommandCount; ++i) {
    if (code == kCommandList[i].code) return i;
  }
  return -1;
}

// True when a floor's table of its part of the commands has one row per command, in the
// list's order, each row naming its command in a member `code`; so the row of a command
// is found by the command's index.
template <typename Row, std::size_t N>
constexpr bool followsCommandList(const Row (&rows)[N]) {
  if (N != std::size(kCommandList)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (std::string_view(rows[i].code) != kCommandList[i].code) return false;
  }
  return true;
}
