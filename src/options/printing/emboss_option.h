#pragma once
// Option B: the drawing embossed as a page of Braille cells through a print job.

// Asks for the embosser, opens the job, renders the script (or the test drawing) on
// the embosser sheet and sends it. Every failure is said; nothing is sent after Esc.
void embossDrawing(bool testDrawing);
