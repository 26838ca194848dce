// The console services' switches, the key-pair reader and the spoken clock.
#include <ctime>

#include "platform/config/config.h"
#include "platform/console.h"
#include "platform/frontend.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/platform_texts.h"
#include "platform/text/utf8.h"

namespace {

bool gSpeaksTyping = true;
bool gEchoesKeys = true;
bool gSpeaksEverything = true;

bool readSwitch(const char* key) {
  std::string value = cfgReadValue("TRAMEL", key);
  if (value.empty()) {
    value = "Sim";
    cfgWriteDefault("TRAMEL", key, value);
  }
  return cfgStartsWithS(value);
}

std::tm now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

}  // namespace

void conStartServices() {
  gSpeaksTyping = readSwitch("FALANDO");
  gEchoesKeys = readSwitch("ECOAROPCAO");
  gSpeaksEverything = readSwitch("FALARTUDO");
}

bool conSpeaksTyping() { return gSpeaksTyping; }
void conSetSpeaksTyping(bool on) { gSpeaksTyping = on; }
bool conEchoesKeys() { return gEchoesKeys; }
bool conSpeaksEverything() { return gSpeaksEverything; }

void conSayTime() {
  const std::tm t = now();
  spkSay(platformSentence(PlatformSentence::TimeOfDay, {std::to_string(t.tm_hour), std::to_string(t.tm_min)}));
}

void conSayDate() {
  const std::tm t = now();
  spkSay(platformSentence(PlatformSentence::Date, {std::to_string(t.tm_mday), std::to_string(t.tm_mon + 1),
                                                   std::to_string(t.tm_year + 1900)}));
}

KeyPair conGetKeyPair() {
  for (;;) {
    // A key press makes spkBusy false and silences the speech.
    while (spkBusy()) conPause(10);
    KeyPair pair{static_cast<int>(conGetKey()), 32};
    if (pair.first == 0) {
      pair.second = static_cast<int>(conGetKey());
      if (pair.second == key::kShiftPrefix || pair.second == key::kCtrlShiftPrefix ||
          pair.second == key::kAltPrefix) {
        pair.first = static_cast<int>(conGetKey());
      }
    }
    if (pair == KeyPair{0, key::kF8}) {
      conSayTime();
      continue;
    }
    // Only an ordinary key is echoed: the third byte of a Shift sequence is a code, not
    // a typed character.
    if (pair.first >= 32 && pair.second == 32) {
      const auto ch = static_cast<char32_t>(pair.first);
      conWrite(utf8Of(ch));
      if (gEchoesKeys) spkPlayLetter(ch);
    }
    return pair;
  }
}
