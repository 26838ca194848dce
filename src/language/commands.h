#pragma once
// The command table: every command of the command list (command_list.h), with its
// catalogue key and the handler that reads its arguments and draws it, for the
// interpreter to dispatch a line.
#include <span>
#include <string_view>

#include "language/interpreter.h"
#include "language/reader.h"

// What a handler works with: the page it draws on, the reader state of the current line
// and the reports.
struct CommandRun {
  Page& page;
  ScriptState& state;
  const ScriptReports& reports;
};

struct CommandEntry {
  const char* mnemonic;  // two upper-case letters
  const char* labelKey;  // catalogue key of the command's name
  void (*handler)(CommandRun& run);
};

std::span<const CommandEntry> commandTable();

// The entry of an upper-cased mnemonic, or null for an unknown command.
const CommandEntry* findCommand(std::string_view mnemonic);
