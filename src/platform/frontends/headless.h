#pragma once
// The headless frontend: keys come from a key script, nothing is shown. The grid is
// read back with conScreenRows and the transcript records what would be heard.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/frontend.h"
#include "platform/keymap.h"
#include "platform/screen.h"

// The headless client area: 80 x 25 cells of 13 x 28 pixels.
constexpr PixelSize kHeadlessClientArea{1040, 700};

// Parses a key script: UTF-8 when the whole file is, else Windows-1252, as a legacy
// editor writes it. Every character stands for the key that types it; line ends are
// ignored; <Name> stands for another key, with Ctrl+, Shift+ and Alt+ before it
// (<Ctrl+V>, <Shift+Ins>, <Alt+F4>); <lt> is "<". On a malformed name returns false
// with `error` naming the line and column.
bool parseKeyScript(const std::string& bytes, std::vector<KeyCodes>& keys, std::string& error);

// Each script key reaches the queue when the program next looks for a key with the queue
// empty; when the script has run out and the program waits for a key, the program ends
// at once (conEndAtOnce(0)).
//
// Nothing is shown, but what the picture overlay shows can be watched: the listener is
// called with the overlay whenever the console changes while it is shown, so that a test
// can keep the last picture a user would have seen.
using PictureListener = std::function<void(const ConPicture& shown)>;
std::unique_ptr<Frontend> makeHeadlessFrontend(std::vector<KeyCodes> keys, PictureListener onPicture = {});
