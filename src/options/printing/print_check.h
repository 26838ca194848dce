#pragma once
// Before paper is spent: B and I check the page first and ask when it has findings.
#include "render/page.h"

// For the project's script (not the test drawing): runs the check of the page on the
// sheet and, when it finds anything, says "O desenho tem N avisos." and the first of
// them, and asks "Imprime assim mesmo? (S/N)", F9 listing them all, before any job is
// opened. True when there is nothing to say or the user answered S; N or Esc say that
// the printing was cancelled.
bool acceptPrintingDespiteFindings(bool testDrawing, const EmbosserSheet& sheet);
