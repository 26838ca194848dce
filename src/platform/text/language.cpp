#include "platform/text/language.h"

#include <cstdlib>
#include <string>

namespace {

// Chosen at start-up, before any text is said; read everywhere after.
Language gLanguage = Language::Portuguese;

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithCode(std::string_view name, std::string_view code) {
  if (name.size() < code.size()) return false;
  for (size_t i = 0; i < code.size(); ++i)
    if (lowered(name[i]) != code[i]) return false;
  return true;
}

}  // namespace

Language currentLanguage() { return gLanguage; }
void setCurrentLanguage(Language language) { gLanguage = language; }

std::optional<Language> languageNamed(std::string_view name) {
  for (const Language language : {Language::Portuguese, Language::English}) {
    const std::string_view code = languageCode(language);
    if (!startsWithCode(name, code)) continue;
    if (name.size() == code.size() || name[code.size()] == '_' || name[code.size()] == '-' || name[code.size()] == '.')
      return language;
  }
  return std::nullopt;
}

const char* languageCode(Language language) { return language == Language::English ? "en" : "pt"; }

Language languageFromEnvironment() {
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    std::string_view first(value);
    // LANGUAGE is a list of preferences separated by colons; the first one counts.
    first = first.substr(0, first.find(':'));
    return startsWithCode(first, "en") ? Language::English : Language::Portuguese;
  }
  return Language::Portuguese;
}
