#pragma once
// The check of the page, heard: main-menu option R, and the findings that B and I offer
// before spending paper.
#include "output/checking/page_check.h"

// Option R: checks the project's script on the embosser page and says the findings one
// by one (Enter goes on, Esc stops), then the summary.
void reviewDrawing();

// Says the findings one by one, writing each on the screen; any key goes on, Esc stops
// (and says "Cancelado" when `sayWhenStopped`).
void sayFindings(const PageCheck& check, bool sayWhenStopped);

// "O desenho tem N avisos." as it is said.
std::string findingCountText(const PageCheck& check);
