// The braille display through BRLTTY's client library. The library's default answer to
// an error the daemon reports is to end the process; ours only notes it, and the display
// is then treated as gone.
#include <brlapi.h>

#include <csignal>
#include <cstdlib>

#include "platform/braille_display/braille_display_brlapi.h"
#include "platform/braille_display/brlapi_library.h"
#include "platform/braille_display/display_host.h"

namespace {

bool gFailed = false;

// How long a remote display host may take to accept a connection.
constexpr int kHostMilliseconds = 1000;

void noteException(int, brlapi_packetType_t, const void*, size_t) { gFailed = true; }

DisplayCommand commandOf(brlapi_keyCode_t code) {
  if ((code & BRLAPI_KEY_TYPE_MASK) != BRLAPI_KEY_TYPE_CMD) return DisplayCommand::Other;
  switch (code & BRLAPI_KEY_CODE_MASK) {
    case BRLAPI_KEY_CMD_NOOP: return DisplayCommand::None;
    case BRLAPI_KEY_CMD_LNUP: return DisplayCommand::LineUp;
    case BRLAPI_KEY_CMD_LNDN: return DisplayCommand::LineDown;
    case BRLAPI_KEY_CMD_FWINLT:
    case BRLAPI_KEY_CMD_FWINLTSKIP: return DisplayCommand::PanLeft;
    case BRLAPI_KEY_CMD_FWINRT:
    case BRLAPI_KEY_CMD_FWINRTSKIP: return DisplayCommand::PanRight;
    case BRLAPI_KEY_CMD_TOP:
    case BRLAPI_KEY_CMD_TOP_LEFT: return DisplayCommand::Top;
    case BRLAPI_KEY_CMD_BOT:
    case BRLAPI_KEY_CMD_BOT_LEFT: return DisplayCommand::Bottom;
    case BRLAPI_KEY_CMD_PRDIFLN:
    case BRLAPI_KEY_CMD_WINUP: return DisplayCommand::PreviousDifferent;
    case BRLAPI_KEY_CMD_NXDIFLN:
    case BRLAPI_KEY_CMD_WINDN: return DisplayCommand::NextDifferent;
    default: return DisplayCommand::Other;
  }
}

class BrlapiDisplay : public BrailleDisplay {
 public:
  BrlapiDisplay(int width, int rows) : width_(width), rows_(rows) {}
  ~BrlapiDisplay() override {
    brlapi().brlapi_leaveTtyMode();
    brlapi().brlapi_closeConnection();
  }
  int width() const override { return width_; }
  int rows() const override { return rows_; }
  bool write(const std::vector<unsigned char>& cells) override {
    std::vector<unsigned char> dots(static_cast<size_t>(width_) * rows_, 0);
    for (size_t i = 0; i < dots.size() && i < cells.size(); ++i) dots[i] = cells[i];
    return !gFailed && brlapi().brlapi_writeDots(dots.data()) >= 0 && !gFailed;
  }
  DisplayCommand readCommand() override {
    brlapi_keyCode_t code = 0;
    if (gFailed || brlapi().brlapi_readKey(0, &code) != 1) return DisplayCommand::None;
    return commandOf(code);
  }

 private:
  int width_, rows_;
};

}  // namespace

std::unique_ptr<BrailleDisplay> takeBrlapiDisplay() {
  if (!brlapiLibrary()) return nullptr;
  // A daemon that goes away while the display is held must not end the program.
  std::signal(SIGPIPE, SIG_IGN);
  brlapi().brlapi_setExceptionHandler(noteException);
  gFailed = false;
  // Host and key as every client of the daemon takes them: BRLAPI_HOST and BRLAPI_AUTH.
  if (!displayHostAnswers(std::getenv("BRLAPI_HOST"), kHostMilliseconds)) return nullptr;
  if (brlapi().brlapi_openConnection(nullptr, nullptr) < 0) return nullptr;
  unsigned width = 0, rows = 0;
  // The program's own terminal when the daemon can tell it; otherwise the whole of the
  // daemon's screen, as a screen reader takes it.
  const bool taken = brlapi().brlapi_getDisplaySize(&width, &rows) >= 0 && width > 0 && rows > 0 &&
                     (brlapi().brlapi_enterTtyMode(BRLAPI_TTY_DEFAULT, nullptr) >= 0 ||
                      brlapi().brlapi_enterTtyModeWithPath(nullptr, 0, nullptr) >= 0);
  if (!taken || gFailed) {
    brlapi().brlapi_closeConnection();
    return nullptr;
  }
  return std::make_unique<BrlapiDisplay>(static_cast<int>(width), static_cast<int>(rows));
}
