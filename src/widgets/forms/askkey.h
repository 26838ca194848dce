#pragma once
// A one-key question, such as S/N: a typed character answers at once; any other key
// opens a popup of the allowed characters, each heard through its letter recording.
#include <string_view>

// Returns the typed character upper-cased (it is not checked against `allowed`: callers
// compare), or the character picked in the popup as `allowed` spells it, or 27 when the
// popup was cancelled. `allowed` is UTF-8.
int askKey(std::string_view allowed);
