#pragma once
// A console whose user presses the next key only when the program waits for one, as a
// person answering prompts does: no key is lost to a click or a flush before it is due.
#include <memory>
#include <string>
#include <vector>

#include "platform/frontends/headless.h"
#include "platform/config/options.h"
#include "platform/speech.h"
#include "platform/screen.h"
#include "console_fixture.h"
#include "wav_builder.h"

class PatientUser : public Frontend {
 public:
  explicit PatientUser(std::vector<std::u32string> keys) : keys_(std::move(keys)) {}
  void pump(int) override {
    if (conQueuedKeyCodes() > 0 || !conWaitingForKey()) return;
    if (next_ == keys_.size()) conEndAtOnce(0);
    caretAtKeys_.push_back(conCursorOnScreen());
    conQueueKeyCodes(keys_[next_++]);
  }
  void invalidate() override {}
  void setWaitingForKey(bool) override {}
  void setTitle(const std::string& title) override { title_ = title; }
  void beep() override {}
  PixelSize clientArea() const override { return kHeadlessClientArea; }
  void setClipboard(const std::string&) override {}
  std::string clipboard() override { return {}; }

  size_t keysLeft() const { return keys_.size() - next_; }
  std::string title_;
  // Where the caret stood each time a key was asked for.
  std::vector<ConPoint> caretAtKeys_;

 private:
  std::vector<std::u32string> keys_;
  size_t next_ = 0;
};

class PopupTest : public ConsoleTest {
 protected:
  void TearDown() override {
    if (speechStarted_) spkFinish();
    ConsoleTest::TearDown();
  }

  // Starts silent speech with recordings of these names: names beginning with "_" in
  // the letters directory, the others in the sound directory.
  void startSpeechWithRecordings(const std::vector<std::string>& names) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    conSetOptions({UiChoice::Headless, SpeechChoice::None});
    const std::string sounds = dir_ + "/som", letters = dir_ + "/letras";
    std::filesystem::create_directories(sounds);
    std::filesystem::create_directories(letters);
    writeFile(dir_ + "/config/tramel/Tramel.ini", "[TRADUTOR]\nDIRLETRAS=" + letters + "\n");
    for (const std::string& name : names) {
      const std::string& folder = name[0] == '_' ? letters : sounds;
      wavtest::writeBytes(folder + "/" + name + ".wav",
                          wavtest::wave(1, 11025, 8, wavtest::Bytes(64, 128)));
    }
    spkStart(3, sounds);
    speechStarted_ = true;
  }
  bool speechStarted_ = false;

  // Keys in the headless script syntax ("ab<Down><Enter>").
  PatientUser& user(const std::string& script) {
    std::vector<KeyCodes> codes;
    std::string error;
    EXPECT_TRUE(parseKeyScript(script, codes, error)) << error;
    std::vector<std::u32string> keys;
    for (const KeyCodes& c : codes)
      if (c.action == KeyCodes::Action::Queue) keys.push_back(c.codes);
    return userKeys(std::move(keys));
  }
  // Keys as the codes each queues (for keys no keyboard script can name).
  PatientUser& userKeys(std::vector<std::u32string> keys) {
    auto frontend = std::make_unique<PatientUser>(std::move(keys));
    PatientUser& ref = *frontend;
    conSetFrontend(std::move(frontend));
    return ref;
  }

  // Every cell of the screen, characters and attributes.
  static std::vector<ConCell> snapshot() {
    std::vector<ConCell> cells;
    for (int r = 1; r <= kConRows; ++r)
      for (int c = 1; c <= kConColumns; ++c) cells.push_back(conScreenCell(c, r));
    return cells;
  }
  static bool sameScreen(const std::vector<ConCell>& a, const std::vector<ConCell>& b) {
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].ch != b[i].ch || a[i].attr != b[i].attr) return false;
    return a.size() == b.size();
  }
  // Lines of the transcript, in order.
  std::vector<std::string> heard() {
    std::vector<std::string> lines;
    std::string all = transcript(), line;
    for (char c : all) {
      if (c == '\n') {
        lines.push_back(line);
        line.clear();
      } else {
        line += c;
      }
    }
    return lines;
  }
  // Only what was spoken by synthesis ("say: ..." lines), in order.
  std::vector<std::string> said() {
    std::vector<std::string> lines;
    for (std::string& line : heard())
      if (line.rfind("say: ", 0) == 0) lines.push_back(line);
    return lines;
  }
  // Fills the screen with a pattern of characters and colours to cover.
  static void paintBackground() {
    for (int r = 1; r <= kConRows; ++r) {
      conGoto(1, r);
      conSetBackColour(r % 8);
      conSetTextColour((r + 3) % 16);
      conWrite(std::string(kConColumns - 1, static_cast<char>('a' + r % 26)));
    }
    conSetTextColour(15);
    conSetBackColour(0);
  }
};
