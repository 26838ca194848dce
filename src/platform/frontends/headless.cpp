#include "platform/frontends/headless.h"

#include <chrono>
#include <optional>

#include "platform/screen.h"

namespace {

// A program that keeps polling after the script has run out, without ever waiting for a
// key, is ended after this long so that an automated run can not hang.
constexpr auto kIdleLimit = std::chrono::seconds(20);

class HeadlessFrontend : public Frontend {
 public:
  HeadlessFrontend(std::vector<KeyCodes> keys, PictureListener onPicture)
      : keys_(std::move(keys)), onPicture_(std::move(onPicture)) {}

  void pump(int) override {
    if (conQueuedKeyCodes() > 0 || !conLookingForKey()) return;
    while (next_ < keys_.size()) {
      const KeyCodes& codes = keys_[next_++];
      if (codes.action == KeyCodes::Action::Nothing) continue;
      deliverKeyCodes(codes);
      return;
    }
    if (conWaitingForKey()) conEndAtOnce(0);
    const auto now = std::chrono::steady_clock::now();
    if (!exhaustedSince_) exhaustedSince_ = now;
    if (now - *exhaustedSince_ > kIdleLimit) conEndAtOnce(0);
  }
  void invalidate() override {
    if (!onPicture_) return;
    const ConPicture picture = conPicture();
    if (picture.shown) onPicture_(picture);
  }
  void setWaitingForKey(bool) override {}
  void setTitle(const std::string& title) override { title_ = title; }
  void beep() override {}
  PixelSize clientArea() const override { return kHeadlessClientArea; }
  void setClipboard(const std::string& utf8) override { clipboard_ = utf8; }
  std::string clipboard() override { return clipboard_; }

 private:
  std::vector<KeyCodes> keys_;
  PictureListener onPicture_;
  size_t next_ = 0;
  std::optional<std::chrono::steady_clock::time_point> exhaustedSince_;
  std::string title_;
  // One clipboard for the whole process, as the system's would be.
  static inline std::string clipboard_;
};

}  // namespace

std::unique_ptr<Frontend> makeHeadlessFrontend(std::vector<KeyCodes> keys, PictureListener onPicture) {
  return std::make_unique<HeadlessFrontend>(std::move(keys), std::move(onPicture));
}
