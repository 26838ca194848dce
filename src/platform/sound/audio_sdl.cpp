#include <SDL.h>

#include "platform/sdl_library.h"
#include "platform/sound/audio_output.h"
#include "platform/sound/mixer.h"
#include "platform/sound/quiet_stderr.h"

namespace {

// About 12 ms per buffer: short enough that a key silences the output at once, long
// enough not to starve on a busy machine.
constexpr Uint16 kBufferSamples = 256;

class SdlAudioOutput : public AudioOutput {
 public:
  ~SdlAudioOutput() override { close(); }

  bool open(Mixer& mixer) override {
    close();
    QuietStderr quiet;
    // Audio is initialised on its own: a failing audio driver must not take the
    // window's video down with it, nor the other way round.
    // Nothing is printed on failure: the terminal frontend owns the screen, and a
    // machine without sound is an ordinary case, not an error.
    if (!sdlLibrary() || sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kBufferSamples;
    want.callback = &SdlAudioOutput::pull;
    want.userdata = &mixer;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts our format to the device's.
    device_ = sdl().SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
      sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    sdl().SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void close() override {
    if (device_ == 0) return;
    sdl().SDL_CloseAudioDevice(device_);
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
  }

 private:
  static void pull(void* user, Uint8* stream, int length) {
    static_cast<Mixer*>(user)->render(reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / 2);
  }
  SDL_AudioDeviceID device_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> makeSdlAudioOutput() { return std::make_unique<SdlAudioOutput>(); }
