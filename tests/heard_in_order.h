#pragma once
// Checking a transcript for events in order, whatever else was heard between them.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

inline bool eventsInOrder(const std::vector<std::string>& lines,
                          std::initializer_list<std::string> events) {
  auto at = lines.begin();
  for (const std::string& event : events) {
    at = std::find(at, lines.end(), event);
    if (at == lines.end()) return false;
    ++at;
  }
  return true;
}
