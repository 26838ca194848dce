#pragma once
// Where pontelix finds what is installed with it. Everything is looked for relative to
// the folder of the running executable, so that an installation works under any prefix
// (/usr, /usr/local, a folder in the user's home) and the build tree works as it is.
#include <string>
#include <vector>

// The places where pontelix-console may lie, in the order they are tried: beside
// pontelix (the build tree), then the installation's folder of internal programs.
std::vector<std::string> consoleProgramCandidates();

// The command and configuration reference's file name in the language in use.
const char* referenceFileName();
// The installed reference in that language; empty when pontelix does not run from an
// installation.
std::string installedReference();
