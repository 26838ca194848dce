// Until the console's own frontend is linked in, the render tests need some frontend to
// satisfy the link; the console library's definition takes precedence when present.
#include <memory>

#include "console/frontend.h"

namespace {
class FixedAreaFrontend : public Frontend {
 public:
  void pump(int) override {}
  void invalidate() override {}
  void setWaitingForKey(bool) override {}
  void setTitle(const std::string&) override {}
  void beep() override {}
  PixelSize clientArea() const override { return {640, 480}; }
  void setClipboard(const std::string&) override {}
  std::string clipboard() override { return {}; }
};
}  // namespace

__attribute__((weak)) Frontend& conFrontend() {
  static FixedAreaFrontend frontend;
  return frontend;
}
