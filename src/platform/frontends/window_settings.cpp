#include "platform/frontends/window_settings.h"

#include <charconv>
#include <cmath>

#include "platform/config/config.h"

namespace {

// A whole number in [low, high], or the fallback for anything else.
int numberOr(const std::string& value, int fallback, int low, int high) {
  int v = 0;
  const char* first = value.data();
  while (first < value.data() + value.size() && *first == ' ') ++first;
  const auto [end, ec] = std::from_chars(first, value.data() + value.size(), v);
  if (ec != std::errc() || end == first || v < low || v > high) return fallback;
  return v;
}

}  // namespace

WindowSettings readWindowSettings(int workWidth, int workHeight) {
  WindowSettings s;
  const std::string face = cfgReadValue("VIDEO", "FONTE");
  if (!face.empty()) s.face = face;
  const int defaultWidth = static_cast<int>(std::lround(workWidth / 1024.0 * 13));
  const int defaultHeight = static_cast<int>(std::lround(workHeight / 734.0 * 28));
  s.cellWidth = numberOr(cfgReadValue("VIDEO", "LARGURALETRA"), defaultWidth > 1 ? defaultWidth : 13, 2, 200);
  s.cellHeight = numberOr(cfgReadValue("VIDEO", "ALTURALETRA"), defaultHeight > 3 ? defaultHeight : 28, 4, 400);
  s.weight = numberOr(cfgReadValue("VIDEO", "PESOLETRA"), 700, 1, 1000);
  const std::string corner = cfgReadValue("VIDEO", "CANTOTELA");
  s.maximized = !corner.empty() && !cfgStartsWithS(corner);
  s.braille = brailleModeFromSetting(cfgReadValue("BRAILLE", "MODO").c_str());
  return s;
}
