#pragma once
// Before paper is spent: B and I ask first when the script stops at a line error.

// When the project's script (not the test drawing) has a line error, says where and
// asks "Imprime assim mesmo? (S/N)" before any job is opened. True when there is no
// error or the user answered S; Esc or N say that the printing was cancelled.
bool acceptPrintingDespiteErrors(bool testDrawing);
