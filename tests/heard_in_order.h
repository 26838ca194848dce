#pragma once
// Reading a transcript back, one event a line ("say: ...", "click"), and checking it for
// events in order, whatever else was heard between them.
#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> transcriptLines(const std::string& transcript) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

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
