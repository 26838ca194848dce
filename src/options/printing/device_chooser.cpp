#include "options/printing/device_chooser.h"

#include <algorithm>

#include "platform/console.h"
#include "widgets/forms/menu.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "output/printing/spooler.h"

namespace {

constexpr int kChooserWidth = 60;
constexpr int kChooserColour = 4;
// The screen holds no more than this below the prompt; a longer list scrolls inside.
constexpr int kMaxChooserRows = kConRows - 2;

}  // namespace

std::string chooseDevice(bool makeRoom, const std::string& startOn) {
  const DeviceList devices = readDeviceList();
  if (!devices.serviceAnswered || devices.names.empty()) {
    // The line under the prompt, so that the sentence does not trail the question.
    conWriteLine();
    sayMessage(devices.serviceAnswered ? "PXSEMIMP" : "PXSEMSPL", 2);
    return {};
  }
  const int rows = std::min(static_cast<int>(devices.names.size()), kMaxChooserRows);
  // The room is made before the menu saves what lies under it, so that it puts back
  // the screen as the user left it.
  if (makeRoom) menuMakeRoom(rows);
  menuOpen(conColumn(), conRow(), kChooserWidth, rows, kChooserColour);
  for (const std::string& name : devices.names) menuAddItem("", name);
  const auto start = std::find(devices.names.begin(), devices.names.end(), startOn);
  const int chosen = menuSelect(static_cast<int>(start - devices.names.begin()) + 1);
  if (chosen < 1 || chosen > static_cast<int>(devices.names.size())) return {};
  return devices.names[static_cast<size_t>(chosen) - 1];
}
