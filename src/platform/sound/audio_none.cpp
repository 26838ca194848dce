#include "platform/sound/audio_output.h"

namespace {
class NullAudioOutput : public AudioOutput {
 public:
  bool open(Mixer&) override { return false; }
  void close() override {}
};
}  // namespace

std::unique_ptr<AudioOutput> makeNullAudioOutput() { return std::make_unique<NullAudioOutput>(); }
