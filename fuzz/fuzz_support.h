#pragma once
// What the fuzz targets share: a quiet program (nothing heard, no screen), and a file
// that holds the current input for readers that take a file name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Sets the console's speech to silence. Call once, before the first input.
void fuzzQuietProgram();

// Writes the input to this process's own scratch file and returns its name.
const std::string& fuzzInputFile(const uint8_t* data, size_t size);

// The input as text.
inline std::string_view fuzzText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}
