#pragma once
// The profile files as last read. A file is read and parsed again only when its identity
// on disk (device, inode, size, times) is no longer the one it was read with, or after
// the program wrote it, so that the many keys read at start cost one read of the file.
#include <string>

#include "platform/config/ini_file.h"

struct CachedIni {
  IniFile ini;     // empty when the file could not be read
  int error = 0;   // 0, ENOENT for no file, or the errno that refused it
};

// The file as it is now on disk. The reference is good until the next call.
const CachedIni& cachedIni(const std::string& path);
// Forgets what was read of the file; called after writing it.
void forgetCachedIni(const std::string& path);
// How many times a profile file was read from disk since the program started.
long cachedIniReads();
