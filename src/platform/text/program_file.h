#pragma once
// The running program's own file (links resolved), whichever way it was started; empty
// when the system does not tell. program_file_posix.cpp and program_file_windows.cpp.
#include <string>

std::string ownProgramFile();
