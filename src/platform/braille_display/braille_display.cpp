#include "platform/braille_display/braille_display.h"

#include "platform/frontend.h"
#include "platform/frontends/braille_patterns.h"
#include "platform/keys.h"
#include "platform/platform_backends.h"

namespace {

constexpr int kRecordedWidth = 40;

bool gRecording = false;
std::vector<std::string> gRecord;

class RecordingDisplay : public BrailleDisplay {
 public:
  int width() const override { return kRecordedWidth; }
  bool write(const std::vector<unsigned char>& cells) override {
    std::string line;
    for (int i = 0; i < kRecordedWidth; ++i) line += braillePatternUtf8(i < static_cast<int>(cells.size()) ? cells[i] : 0);
    gRecord.push_back(std::move(line));
    return true;
  }
};

BrailleDisplay* gHeld = nullptr;

// The display as the program holds it: registered with the key pump for its lifetime.
class HeldDisplay : public BrailleDisplay {
 public:
  explicit HeldDisplay(std::unique_ptr<BrailleDisplay> display) : display_(std::move(display)) { gHeld = this; }
  ~HeldDisplay() override { gHeld = nullptr; }
  int width() const override { return display_->width(); }
  int rows() const override { return display_->rows(); }
  bool write(const std::vector<unsigned char>& cells) override { return display_->write(cells); }
  DisplayCommand readCommand() override { return display_->readCommand(); }

 private:
  std::unique_ptr<BrailleDisplay> display_;
};

void queueCommand(DisplayCommand command) {
  switch (command) {
    case DisplayCommand::None: return;
    case DisplayCommand::LineUp: conQueueExtendedKey(key::kCtrlUp); return;
    case DisplayCommand::LineDown: conQueueExtendedKey(key::kCtrlDown); return;
    case DisplayCommand::PanLeft: conQueueExtendedKey(key::kCtrlPgUp); return;
    case DisplayCommand::PanRight: conQueueExtendedKey(key::kCtrlPgDn); return;
    case DisplayCommand::Top: conQueueExtendedKey(key::kCtrlHome); return;
    case DisplayCommand::Bottom: conQueueExtendedKey(key::kCtrlEnd); return;
    case DisplayCommand::PreviousDifferent: conQueueExtendedKey(key::kPgUp); return;
    case DisplayCommand::NextDifferent: conQueueExtendedKey(key::kPgDn); return;
    case DisplayCommand::Other: conQueueKey(key::kEsc); return;
  }
}

}  // namespace

std::unique_ptr<BrailleDisplay> conTakeBrailleDisplay() {
  std::unique_ptr<BrailleDisplay> display;
  if (gRecording) {
    display = std::make_unique<RecordingDisplay>();
  } else if (platformBackends().takeBrailleDisplay != nullptr) {
    display = platformBackends().takeBrailleDisplay();
  }
  if (!display || display->width() <= 0 || display->rows() <= 0) return nullptr;
  return std::make_unique<HeldDisplay>(std::move(display));
}

void conRecordBrailleDisplay(bool on) {
  gRecording = on;
  gRecord.clear();
}

const std::vector<std::string>& conBrailleDisplayRecord() { return gRecord; }

void conPollBrailleDisplay() {
  if (gHeld == nullptr) return;
  // A key at a time, and only into an empty queue, so that the display's keys keep
  // their turn with the keyboard's.
  if (conQueuedKeyCodes() == 0) queueCommand(gHeld->readCommand());
}
