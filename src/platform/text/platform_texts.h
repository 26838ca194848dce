#pragma once
// The few sentences the platform floor says on its own: the clock, a terminal too small
// for the screen, a synthesizer that did not start, a frontend that could not open. The platform lies below the message
// catalogue, so the catalogue hands it their words (setPlatformWords, done when the
// catalogue is linked into a program); without them a sentence is its values alone,
// separated by blanks.
#include <initializer_list>
#include <string>
#include <string_view>

enum class PlatformSentence {
  TimeOfDay,          // hours, minutes
  Date,               // day, month (1 to 12), year
  TerminalTooSmall,   // the terminal's columns and rows, the columns and rows needed
  SpeechDidNotStart,  // the synthesizer's error code
  VoiceData,          // the folder of the synthesizer's voices
  BadKeyName,         // a key script's line and column, and the text that names no key
  NotATerminal,       // no values
  UnknownTerminal,    // the value of TERM
  NoSdlLibrary,       // no values
  NoDisplay,          // the name of SDL's video driver
  NoMonospacedFont,   // the name of the face asked for
  TerminalLinuxOnly,  // no values: the terminal interface asked for on Windows
};

using PlatformWords = std::string (*)(PlatformSentence sentence, std::initializer_list<std::string_view> values);

void setPlatformWords(PlatformWords words);
// The sentence with its values, in the words set; UTF-8 like the catalogue's.
std::string platformSentence(PlatformSentence sentence, std::initializer_list<std::string_view> values);
