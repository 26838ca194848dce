#pragma once
// Finds the font file of the console's face through fontconfig. The grid needs a
// monospaced face, and fontconfig answers an unknown family (the default "Lucida
// Console" is not on Linux) with a proportional one: then the system's monospaced face
// is taken instead.
#include <optional>
#include <string>

struct FontFile {
  std::string path;
  int index = 0;        // face index inside a collection
  std::string family;   // what fontconfig chose
  bool bold = false;    // the face itself is bold (no emboldening needed)
};

// weight: the Windows weight, 100 to 900 (400 normal, 700 bold). Empty when fontconfig
// knows no monospaced face at all.
std::optional<FontFile> findMonospacedFont(const std::string& family, int weight);
