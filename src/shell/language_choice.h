#pragma once
// Which language the program talks in, from the command line, Tramel.ini and the
// environment. Every command takes --language; it is taken out of the arguments before
// the command reads them.
#include <string>

// Takes each --language=NAME out of argv (up to a lone "--", which stays) and sets the
// language: the option's when given, else Tramel.ini [PONTELIX] IDIOMA when it names a
// language, else the environment's. argc and argv are updated in place. Returns false,
// with the language set as if the option were absent, when NAME is no language; `error`
// then tells why, in that language.
bool chooseLanguage(int& argc, char** argv, std::string& error);

// Tramel.ini's section and key of the interface language ("pt" or "en").
constexpr const char* kLanguageSection = "PONTELIX";
constexpr const char* kLanguageKey = "IDIOMA";
