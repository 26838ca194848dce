#pragma once
// The Braille cell alphabet. A cell is six dots in the low six bits of a byte: bit 0 is
// dot 1 ... bit 5 is dot 6 (dots 1-2-3 the left column from the top, 4-5-6 the right).
// The alphabet is Windows-1252: every byte of it stands for exactly one cell; each cell has one main character
// and one device character, the ASCII Braille character an embosser prints for it.

// The device character (0x20..0x7F) that prints the cell of an alphabet byte.
unsigned char brailleDeviceCharacter(unsigned char alphabetByte);

// The six-dot pattern of an ASCII Braille character; 0 (blank) outside 0x20..0x7F.
unsigned char brailleDeviceDots(unsigned char deviceCharacter);

// The cell an alphabet byte stands for: the dots of its device character.
unsigned char brailleCellOf(unsigned char alphabetByte);

// The main character of a cell (only the low six bits are looked at).
unsigned char brailleMainCharacter(unsigned char cell);

// The device character of a cell, as sent to an embosser.
unsigned char brailleCellDeviceCharacter(unsigned char cell);
