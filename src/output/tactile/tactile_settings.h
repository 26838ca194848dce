#pragma once
// What Tramel.ini says about swell paper, in the section of the printers: whether I
// prints on it unless told otherwise (PAPELTINTA=comum or microcapsulado) and the width
// of a tactile line (ESPESSURATATIL, in millimetres, 0,5 to 2).
#include <cstdint>
#include <string_view>

inline constexpr char kInkPaperKey[] = "PAPELTINTA";
inline constexpr char kTactileLineKey[] = "ESPESSURATATIL";

// The paper's names as Tramel.ini and the form write them.
inline constexpr char kPlainPaperName[] = "comum";
inline constexpr char kSwellPaperName[] = "microcapsulado";

bool swellPaperByDefault();
// The line width Tramel.ini sets, in tenths of a millimetre; the default when it sets
// none or one out of range.
int32_t configuredTactileLine();

// "1", "1,5", "0.5" (millimetres) in tenths; false for anything else or a width outside
// 0,5 to 2 mm.
bool tactileLineByText(std::string_view text, int32_t& tenths);
