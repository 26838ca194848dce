#pragma once
// Key codes of the key queue. A character key queues its Unicode code point; an
// extended key queues 0 followed by one of the codes below.
namespace key {
constexpr int kEnter = 13, kCtrlEnter = 10, kEsc = 27, kTab = 9, kBackspace = 8, kCtrlBackspace = 127;
// Second codes of extended keys.
constexpr int kF1 = 59, kF2 = 60, kF3 = 61, kF4 = 62, kF5 = 63, kF6 = 64, kF7 = 65, kF8 = 66, kF9 = 67;
constexpr int kF11 = 69, kF12 = 70;
constexpr int kCtrlF1 = 94;  // Ctrl+F1 to Ctrl+F9 are 94 to 102.
constexpr int kCtrlF2 = 95, kCtrlF4 = 97, kCtrlF5 = 98, kCtrlF7 = 100, kCtrlF8 = 101, kCtrlF9 = 102;
constexpr int kCtrlF11 = 104, kCtrlF12 = 105;
constexpr int kIns = 82, kShiftIns = 254, kCtrlIns = 255, kDel = 83;
constexpr int kHome = 71, kCtrlHome = 119, kEnd = 79, kCtrlEnd = 117;
constexpr int kPgUp = 73, kCtrlPgUp = 132, kPgDn = 81, kCtrlPgDn = 118;
constexpr int kUp = 72, kCtrlUp = 113, kDown = 80, kCtrlDown = 114;
constexpr int kLeft = 75, kCtrlLeft = 115, kRight = 77, kCtrlRight = 116;
// Shift with a movement key arrives as the three-byte sequence 0, 16, code.
constexpr int kShiftPrefix = 16, kCtrlShiftPrefix = 17, kAltPrefix = 18;
}  // namespace key
