#pragma once
// The choices made on the command line that the console and speech services read.
#include <string>

enum class UiChoice { Window, Terminal, Headless };
// Auto: as the configuration says (TRADUTOR/SAPI chooses the external engine).
enum class SpeechChoice { Auto, Espeak, Speechd, None };

struct ConOptions {
  UiChoice ui = UiChoice::Window;
  SpeechChoice speech = SpeechChoice::Auto;
};

const ConOptions& conOptions();
void conSetOptions(const ConOptions& options);
