#pragma once
// What the batch commands (render, print) share: the script read from a file or from
// standard input, and a run in which nothing is heard.
#include <string>
#include <vector>

// Reads the command script `name` ("-" for standard input). False with `error` set
// (UTF-8) when it cannot be read.
bool readBatchScript(const std::string& name, std::vector<std::string>& lines, std::string& error);

// While it lives, nothing is heard and every text that would have been heard (the
// data-file reader's messages, a printer's complaints) goes to standard error instead.
class SilentRun {
 public:
  SilentRun();
  ~SilentRun();
  SilentRun(const SilentRun&) = delete;
  SilentRun& operator=(const SilentRun&) = delete;
};

// Draws the test drawing, or runs the script with its line errors written to standard
// error, on the prepared surface. False when the script stopped at a line error.
bool drawBatchDrawing(bool testDrawing, const std::vector<std::string>& lines);
