#pragma once
// The language the program speaks and writes to its user: one for the whole process,
// chosen once at start-up (command line, then Tramel.ini, then the environment) and read
// by the catalogue, the speech services, the yes/no questions and the number texts.
// The command language of scripts is one and the same in every language.
#include <optional>
#include <string_view>

enum class Language { Portuguese, English };

Language currentLanguage();
void setCurrentLanguage(Language language);

// "pt" and "en", in any case, alone or followed by a region or an encoding ("en_GB",
// "pt-BR.UTF-8"); nothing for any other text.
std::optional<Language> languageNamed(std::string_view name);
// The short name languageNamed takes: "pt" or "en".
const char* languageCode(Language language);

// What the environment asks for: the first entry of LANGUAGE, else LC_ALL, else
// LC_MESSAGES, else LANG, the first of them that is set and not empty. A value that
// starts with "en" gives English; any other value, or none, Portuguese. The variables
// are read as they are, so no generated locale is needed.
Language languageFromEnvironment();
