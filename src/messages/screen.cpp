// The screen services the shell shares: window title, banner and clearing the lower rows.
#include <array>
#include <string>

#include "platform/console.h"
#include "platform/frontend.h"
#include "messages/messages.h"

namespace {

// PONTELIX in asterisks: letter cells 7 wide (I 5 wide), two blank columns between
// letters, 68 columns in all. The band under it (columns 7 to 73) is one column
// narrower; the console does not wrap an indented window's text there, so the last
// column lands in screen column 74.
constexpr int kBannerRows = 7;
constexpr std::array<std::string_view, kBannerRows> kBanner = {
    "******    *****   **   **  *******  *******  **       *****  **   **",
    "**   **  **   **  ***  **    ***    **       **        ***    ** ** ",
    "**   **  **   **  **** **    ***    **       **        ***     ***  ",
    "******   **   **  ** ****    ***    *****    **        ***      *   ",
    "**       **   **  **  ***    ***    **       **        ***     ***  ",
    "**       **   **  **   **    ***    **       **        ***    ** ** ",
    "**        *****   **   **    ***    *******  *******  *****  **   **",
};
constexpr int kBannerLeft = 7, kBannerRight = 73;
constexpr int kBlue = 1, kBlack = 0;

}  // namespace

void setWindowTitle(std::string_view name) { conFrontend().setTitle(windowTitleFor(name)); }

void showBanner() {
  conSetWindow(1, 1, kConColumns, kConRows);
  conClear();
  conSetWindow(kBannerLeft, 1, kBannerRight, kBannerRows);
  conSetBackColour(kBlue);
  conClear();
  for (int row = 0; row < kBannerRows; ++row) {
    conWrite(kBanner[row]);
    if (row + 1 < kBannerRows) conWriteLine();
  }
  conSetBackColour(kBlack);
  conSetWindow(1, 1, kConColumns, kConRows);
  conGoto(1, 9);
}

void clearScreenFrom(int row) {
  for (int r = row; r <= kConRows; ++r) {
    conGoto(1, r);
    conClearEol();
  }
  conGoto(1, row);
}
