#pragma once
// The main menu: one prompt, one key, one option, until Esc.

// Runs the prompt until Esc (typed, or chosen or cancelled in the option menu).
void mainMenu();
// The spoken popup of the options (F9 and the arrows). An option letter, or Esc (27).
int optionMenu();
// F1: writes and says the list of options.
void optionHelp();
