#pragma once
// The POSIX names the program's portable code uses that mingw-w64 lacks, given their
// Windows meaning. Every file of the Windows build includes this first (the compiler's
// -include), so that the shared code needs no mark of the system it is built for.
#include <errno.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>

// Windows knows neither a disk quota nor a stale network handle by these names; the
// numbers lie beyond its own errno values, so they are never confused with them.
#ifndef EDQUOT
#define EDQUOT 1001
#endif
#ifndef ESTALE
#define ESTALE 1002
#endif

#define getc_unlocked _getc_nolock

inline struct tm* localtime_r(const time_t* t, struct tm* local) {
  return localtime_s(local, t) == 0 ? local : nullptr;
}

// Windows files have no symbolic links that the program follows or refuses: lstat is stat.
inline int lstat(const char* path, struct stat* st) { return stat(path, st); }
