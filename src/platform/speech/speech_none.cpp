#include "platform/speech/speech_engine.h"

namespace {
class SilentEngine : public SpeechEngine {
 public:
  bool walksText() const override { return false; }
  void say(std::string_view) override {}
  void sayCharacter(char32_t) override {}
};
}  // namespace

std::unique_ptr<SpeechEngine> makeSilentEngine() { return std::make_unique<SilentEngine>(); }
