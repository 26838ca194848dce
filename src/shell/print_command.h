#pragma once
// pontelix print [--printer=NAME] [--mode=embosser|ink] [--landscape] [--no-check] [--test-drawing] [SCRIPT]
// (without --printer, the printer option C set for the mode)
// pontelix print --list
//
// Renders as pontelix render does and sends the job exactly as options B and I do: the
// embosser stream as a raw job, or the ink page as a PDF at the printer's resolution.
// Nothing is heard; what would be said goes to standard error. Before the job, the page
// is checked as B and I check it, on the job's own sheet, and the findings go to standard
// error (not with --no-check). --list writes the printers, one a line. Exit status: 0
// the job was accepted (or the list written); 1 the check found something or the script
// stopped at a line error (the job with what was drawn was still sent); 2 a
// usage error, an unreadable script, a printer that is unknown or refuses the job, or a
// print service that does not answer.
#include <string>

#include "shell/batch_run.h"

struct PrintRequest : BatchRequest {
  bool list = false;
  std::string printer;   // UTF-8, as the print service names it
  bool ink = false;      // the embosser unless --mode=ink or --mode=tactile
  bool tactile = false;  // --mode=tactile: the ink printer, on swell paper
  bool check = true;     // the page checked before the job (not with --no-check)
};

// Parses the arguments after "print" (argv[0] is "print"). False with `error` set
// (UTF-8) on a usage error. `help` is set for --help.
bool parsePrintArguments(int argc, char** argv, PrintRequest& request, bool& help, std::string& error);

int runPrintCommand(int argc, char** argv);
