#pragma once
// Word boundaries in a line being edited, held as its characters: a word is a run of
// non-blank characters.
#include <string>

namespace words {

inline bool blank(const std::u32string& s, size_t i) { return i >= s.size() || s[i] == U' '; }

// Start of the next word after the one at i (or s.size()).
inline size_t nextStart(const std::u32string& s, size_t i) {
  while (i < s.size() && !blank(s, i)) ++i;
  while (i < s.size() && blank(s, i)) ++i;
  return i;
}

// Start of the word before i (0 when there is none).
inline size_t previousStart(const std::u32string& s, size_t i) {
  while (i > 0 && blank(s, i - 1)) --i;
  while (i > 0 && !blank(s, i - 1)) --i;
  return i;
}

inline size_t endOf(const std::u32string& s, size_t i) {
  while (i < s.size() && !blank(s, i)) ++i;
  return i;
}

// After the last non-blank character.
inline size_t textEnd(const std::u32string& s) {
  const size_t last = s.find_last_not_of(U' ');
  return last == std::u32string::npos ? 0 : last + 1;
}

}  // namespace words
