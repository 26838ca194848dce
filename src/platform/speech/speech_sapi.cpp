#include "platform/speech/speech_sapi.h"

#include <sapi.h>

#include <string>

#include "platform/text/utf8.h"

namespace {

// SPF_ASYNC returns at once; SPF_PURGEBEFORESPEAK cuts what is still being said, as a
// new message does on Linux; SPF_IS_NOT_XML keeps a "<" of the user's text a letter.
constexpr DWORD kSayFlags = SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML;

std::wstring wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), n);
  return text;
}

class SapiEngine : public SpeechEngine {
 public:
  explicit SapiEngine(std::unique_ptr<SapiVoice> voice) : voice_(std::move(voice)) {}
  bool walksText() const override { return false; }
  void say(std::string_view text) override { speak(wide(text)); }
  void sayCharacter(char32_t ch) override {
    std::string utf8;
    appendUtf8(utf8, ch);
    speak(wide(utf8));
  }
  bool busy() override { return !failed_ && voice_->speaking(); }
  void stop() override { speak(L""); }
  // A voice that refuses a text (Wine's SAPI answers E_NOTIMPL) can't speak at all: the
  // services then fall back, as for a lost speech server.
  bool failed() const override { return failed_; }

 private:
  void speak(const std::wstring& text) {
    if (!failed_ && FAILED(voice_->speak(text.c_str(), kSayFlags))) failed_ = true;
  }

  std::unique_ptr<SapiVoice> voice_;
  bool failed_ = false;
};

class SystemVoice : public SapiVoice {
 public:
  SystemVoice(ISpVoice* voice, bool ownCom) : voice_(voice), ownCom_(ownCom) {}
  ~SystemVoice() override {
    voice_->Release();
    if (ownCom_) CoUninitialize();
  }
  HRESULT speak(const wchar_t* text, DWORD flags) override { return voice_->Speak(text, flags, nullptr); }
  bool speaking() override {
    SPVOICESTATUS status{};
    return SUCCEEDED(voice_->GetStatus(&status, nullptr)) && status.dwRunningState == SPRS_IS_SPEAKING;
  }

 private:
  ISpVoice* voice_;
  bool ownCom_;
};

}  // namespace

std::unique_ptr<SpeechEngine> makeSapiEngine(std::unique_ptr<SapiVoice> voice) {
  return std::make_unique<SapiEngine>(std::move(voice));
}

std::unique_ptr<SpeechEngine> makeSapiEngine(const DispatcherSettings& settings, int) {
  // A thread where COM already runs in the other model (SDL's window may have started
  // it) can still make the voice; only a start of our own is ended with it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (FAILED(com) && com != RPC_E_CHANGED_MODE) return nullptr;
  const bool ownCom = SUCCEEDED(com);
  ISpVoice* voice = nullptr;
  if (FAILED(CoCreateInstance(__uuidof(SpVoice), nullptr, CLSCTX_ALL, __uuidof(ISpVoice), reinterpret_cast<void**>(&voice)))) {
    if (ownCom) CoUninitialize();
    return nullptr;
  }
  // The settings' -100 to 100 on SAPI's -10 to 10.
  voice->SetRate(settings.rate / 10);
  return makeSapiEngine(std::make_unique<SystemVoice>(voice, ownCom));
}
