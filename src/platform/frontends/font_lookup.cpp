#include "platform/frontends/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace {

// The best match for family and weight, when it is monospaced.
std::optional<FontFile> matchMono(const std::string& family, int weight) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddDouble(pattern, FC_WEIGHT, FcWeightFromOpenTypeDouble(std::clamp(weight, 100, 900)));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return std::nullopt;
  std::optional<FontFile> found;
  int spacing = FC_PROPORTIONAL;
  FcChar8* file = nullptr;
  if (FcPatternGetInteger(match, FC_SPACING, 0, &spacing) == FcResultMatch && spacing >= FC_MONO &&
      FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FontFile f;
    f.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &f.index);
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) f.family = reinterpret_cast<const char*>(name);
    double got = FC_WEIGHT_REGULAR;
    FcPatternGetDouble(match, FC_WEIGHT, 0, &got);
    f.bold = got >= FC_WEIGHT_DEMIBOLD;
    found = f;
  }
  FcPatternDestroy(match);
  return found;
}

}  // namespace

std::optional<FontFile> findMonospacedFont(const std::string& family, int weight) {
  if (!FcInit()) return std::nullopt;
  if (!family.empty()) {
    if (auto f = matchMono(family, weight)) return f;
  }
  return matchMono("monospace", weight);
}
