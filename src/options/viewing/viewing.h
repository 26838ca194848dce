#pragma once
// Showing the drawing to a sighted person and keeping it as a picture: options V, Ctrl+V
// and G of the main menu, and the step-by-step builder's look at the drawing so far.
//
// Both render the whole drawing afresh on a screen page (the console window's client
// area less its bottom 42 pixel rows), so that what is saved is exactly what is viewed. A
// line error of the script is reported by the interpreter as it always is, and the
// picture then holds what was drawn before it. Both leave a cleared console with the
// project's title and the cursor at column 1, row 3.

// Renders the command lines (false) or the test drawing (true) and shows it over the
// console from its top-left corner until any one key is pressed. Nothing is said while
// the picture is shown; a picture that can not be had is said instead.
void viewDrawing(bool testDrawing);

// Asks for a file name and writes the command lines' drawing as JPEG, PNG or BMP, as the
// end of the name says (".jpg", ".jpeg", ".png", ".bmp", in any case); any other name
// is refused and nothing is written. An existing file is replaced only when the user
// agrees, and stays whole when the picture can not be written (the reason is said).
void saveDrawingImage();
