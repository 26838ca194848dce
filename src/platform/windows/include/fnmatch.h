#pragma once
// fnmatch for the file chooser's patterns, which use only "*" and "?" and ask for case
// folding, as Windows names are matched.
#include <cctype>

#define FNM_CASEFOLD 16
#define FNM_NOMATCH 1

inline int fnmatch(const char* pattern, const char* name, int flags) {
  const auto same = [flags](char a, char b) {
    if (flags & FNM_CASEFOLD) {
      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    }
    return a == b;
  };
  // The last "*" seen and the name's place then: a mismatch retries one letter further.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern && (*pattern == '?' || same(*pattern, *name))) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return FNM_NOMATCH;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern ? FNM_NOMATCH : 0;
}
