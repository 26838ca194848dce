// The speech and sound operations. Everything heard is also written to the transcript,
// with or without an engine or an audio device.
#include <chrono>
#include <limits>
#include <string>

#include "platform/console.h"
#include "platform/frontend.h"
#include "platform/sound/audio.h"
#include "platform/sound/builtin_sounds.h"
#include "platform/speech.h"
#include "platform/speech/recordings.h"
#include "platform/speech/speech_internal.h"
#include "platform/text/utf8.h"
#include "platform/transcript.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kKeyPollInterval = std::chrono::milliseconds(2);
constexpr int kWaitSliceMs = 2;
constexpr int kBeepHertz = 1000;
constexpr int kBeepMs = 150;

const Samples& clickSamples() {
  static const Samples click = [] {
    const Pcm8 pcm = makeClick();
    return toMixFormat(pcm.data(), pcm.size(), kBuiltinFormat);
  }();
  return click;
}

const Samples& tickSamples() {
  static const Samples tick = [] {
    const Pcm8 pcm = makeTick(tickNoise());
    return toMixFormat(pcm.data(), pcm.size(), kBuiltinFormat);
  }();
  return tick;
}

Samples toneSamples(int hertz) {
  const Pcm8 pcm = makeTone(hertz);
  return toMixFormat(pcm.data(), pcm.size(), kBuiltinFormat);
}

size_t samplesFor(int milliseconds) { return static_cast<size_t>(kMixRate) * static_cast<size_t>(milliseconds) / 1000; }

// Waits while the external engine speaks. False when a key ended the wait.
bool waitForExternalSpeech() {
  SpeechEngine* external = speechServices().external.get();
  while (external && external->busy()) {
    if (conKeyPending()) {
      spkStop();
      return false;
    }
    conPause(kWaitSliceMs);
  }
  return true;
}

void queueRecording(std::string_view name) {
  if (waitForExternalSpeech()) audioQueueRecording(recordingPath(name));
}

// The letter recording of a character, or the engine's name for it when there is none.
void soundCharacter(char32_t ch) {
  if (isSilentCharacter(ch)) return;
  const std::string name = letterRecordingName(ch);
  if (!name.empty()) {
    queueRecording(name);
  } else if (SpeechEngine* engine = activeEngine()) {
    engine->sayCharacter(ch);
  }
}

// Plays a built-in sound and waits for its end; a key cuts it short.
void playEffect(const Samples& samples) {
  audioQueue(Channel::Effect, makeBufferSource(samples));
  while (audioSounding(Channel::Effect)) {
    if (conKeyPending()) {
      audioStop(Channel::Effect);
      return;
    }
    conPause(kWaitSliceMs);
  }
}

void walk(SpeechEngine& engine, std::string_view text) {
  for (const SpeechStep& step : planSpeech(text, speechServices().pauses)) {
    if (keyInterrupts()) {
      spkStop();
      return;
    }
    switch (step.kind) {
      case SpeechStep::Kind::Words:
        engine.say(step.text);
        break;
      case SpeechStep::Kind::Recording:
        if (recordingExists(step.text)) {
          audioQueueRecording(recordingPath(step.text));
        } else {
          engine.say(step.text.substr(1));  // "_zero" is heard as the word
        }
        break;
      case SpeechStep::Kind::Spell:
        for (unsigned char ch : step.text) soundCharacter(ch);
        break;
      case SpeechStep::Kind::Pause:
        audioQueueSilence(Channel::Voice, step.milliseconds);
        break;
      case SpeechStep::Kind::Tick:
        audioQueue(Channel::Voice, makeBufferSource(tickSamples()));
        break;
    }
  }
}

}  // namespace

SpeechServices& speechServices() {
  static SpeechServices services;
  return services;
}

SpeechEngine* activeEngine() {
  SpeechServices& s = speechServices();
  // An external engine that has shown it cannot speak is dropped once, for good.
  if (s.external && s.external->failed()) s.external.reset();
  return s.external ? s.external.get() : s.own.get();
}

bool keyInterrupts() {
  // Only a "no" is reused: a key read since the last poll must not cut the next text.
  static Clock::time_point lastPoll;
  static bool lastAnswer = false;
  const auto now = Clock::now();
  if (lastAnswer || now - lastPoll >= kKeyPollInterval) {
    lastPoll = now;
    lastAnswer = conKeyPending();
  }
  return lastAnswer;
}

void spkSay(std::string_view text) {
  transcriptEvent("say", text);
  SpeechEngine* engine = activeEngine();
  if (!engine) return;
  if (engine->walksText()) {
    walk(*engine, text);
  } else {
    engine->say(text);
  }
}

void spkWrite(std::string_view text) {
  conWrite(text);
  spkSay(text);
}

void spkWriteLine(std::string_view text) {
  spkWrite(text);
  conWriteLine();
}

void spkWriteNumber(long value) { spkWrite(std::to_string(value)); }

void spkSpell(std::string_view text) {
  transcriptEvent("spell", text);
  for (size_t i = 0, length = 1; i < text.size(); i += length) {
    if (conKeyPending()) {
      spkStop();
      return;
    }
    soundCharacter(characterAt(text, i, length));
  }
}

bool spkRecordingExists(std::string_view name) { return recordingExists(name); }

void spkPlayRecording(std::string_view name) {
  transcriptEvent("play", std::string(name) + ".wav");
  queueRecording(name);
}

void spkPlayLetter(char32_t ch) {
  transcriptEvent("spell", utf8Of(ch));
  soundCharacter(ch);
}

bool spkBusy() {
  if (conKeyPending()) {
    spkStop();
    return false;
  }
  if (audioSounding()) return true;
  SpeechEngine* engine = activeEngine();
  return engine && engine->busy();
}

void spkStop() {
  audioStop();
  if (SpeechEngine* external = speechServices().external.get()) external->stop();
}

void spkClick() {
  conFlushKeys();
  transcriptEvent("click");
  playEffect(clickSamples());
}

void spkTick() {
  transcriptEvent("tick");
  playEffect(tickSamples());
}

void spkTone(int hertz, int milliseconds) {
  if (hertz <= 0) {
    audioStop(Channel::Tone);
    return;
  }
  transcriptEvent("tone", std::to_string(hertz));
  const size_t length = milliseconds > 0 ? samplesFor(milliseconds) : std::numeric_limits<size_t>::max();
  audioQueue(Channel::Tone, makeLoopSource(toneSamples(hertz), length));
}

void spkBeep() {
  transcriptEvent("beep");
  if (audioAvailable()) {
    audioQueue(Channel::Effect, makeLoopSource(toneSamples(kBeepHertz), samplesFor(kBeepMs)));
  } else {
    conFrontend().beep();
  }
}

char32_t spkGetKeyEcho() {
  const char32_t ch = conGetKey();
  spkStop();
  spkPlayLetter(ch);
  return ch;
}
