#pragma once
// Option I: the drawing printed on paper, plain or swell, at the printer's own
// resolution.

// Asks for the printer, the orientation and the paper, tells the page size, renders the
// script (or the test drawing) and sends the page. Every failure is said; nothing is
// printed after Esc. The console is left as it is.
void printDrawing(bool testDrawing);
