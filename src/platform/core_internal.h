#pragma once
// Pieces of the console core that only the core's own files share.

// Each part of the console returns to its state at creation; conReset calls them all.
void conResetGrid();
void conResetKeys();
void conResetPicture();
void conResetBraillePage();
