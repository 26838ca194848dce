#include "platform/platform_backends.h"

namespace {
PlatformBackends& installed() {
  static PlatformBackends backends;
  return backends;
}
}  // namespace

void setPlatformBackends(const PlatformBackends& backends) { installed() = backends; }
const PlatformBackends& platformBackends() { return installed(); }
