#pragma once
// pontelix check [--embosser-page=NAME] [--cells=N --lines=N --braille-mode=M] SCRIPT
//
// Runs the check of the embosser page without a sound and writes each finding, then the
// summary, to standard output, one a line in UTF-8. Exit status: 0 no finding; 1
// findings; 2 usage error or an unreadable script.
int runCheckCommand(int argc, char** argv);
