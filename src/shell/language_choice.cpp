#include "shell/language_choice.h"

#include <optional>
#include <string_view>

#include "platform/config/config.h"
#include "platform/text/language.h"
#include "platform/text/text.h"
#include "messages/messages.h"

bool chooseLanguage(int& argc, char** argv, std::string& error) {
  constexpr std::string_view kOption = "--language=";
  std::optional<std::string> named;
  int kept = 1;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") optionsEnded = true;
    if (!optionsEnded && arg.substr(0, kOption.size()) == kOption) {
      named = std::string(arg.substr(kOption.size()));
      continue;
    }
    argv[kept++] = argv[i];
  }
  argc = kept;
  argv[argc] = nullptr;

  Language language = languageFromEnvironment();
  if (const std::optional<Language> configured = languageNamed(cfgReadValue(kLanguageSection, kLanguageKey)))
    language = *configured;
  setCurrentLanguage(language);
  if (!named) return true;
  if (const std::optional<Language> chosen = languageNamed(*named)) {
    setCurrentLanguage(*chosen);
    return true;
  }
  error = withValues(messageText("PXLANGINV"), {*named});
  return false;
}
