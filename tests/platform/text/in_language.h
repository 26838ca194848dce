#pragma once
// Sets the program's language for one test and puts Portuguese back after it, so that
// a failed assertion never leaves the next test in another language.
#include "platform/text/language.h"

struct InLanguage {
  explicit InLanguage(Language language) { setCurrentLanguage(language); }
  ~InLanguage() { setCurrentLanguage(Language::Portuguese); }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
};
