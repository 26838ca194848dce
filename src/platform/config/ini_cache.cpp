#include "platform/config/ini_cache.h"

#include <map>

#include "platform/text/file_read.h"

namespace {

struct Entry {
  CachedIni cached;
  // What the name led to when it was read; the look-up's errno when it led nowhere.
  FileIdentity identity;
  int lookUp = 0;
};

// Few names ever come here: the user's file, the system's, the sections' files.
std::map<std::string, Entry> gCache;
long gReads = 0;

}  // namespace

const CachedIni& cachedIni(const std::string& path) {
  FileIdentity now;
  const int lookUp = fileIdentityOf(path, now);
  const auto found = gCache.find(path);
  if (found != gCache.end() && found->second.lookUp == lookUp && (lookUp != 0 || found->second.identity == now)) {
    return found->second.cached;
  }
  // The identity is the one seen before reading: a change while reading shows at the
  // next call, and the file is read again.
  Entry& entry = gCache[path];
  entry = Entry{{}, now, lookUp};
  entry.cached.error = IniFile::load(path, entry.cached.ini);
  ++gReads;
  return entry.cached;
}

void forgetCachedIni(const std::string& path) { gCache.erase(path); }

long cachedIniReads() { return gReads; }
