#pragma once
// The few sentences the platform floor says on its own: the clock, a terminal too small
// for the screen, a synthesizer that did not start. The platform lies below the message
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
};

using PlatformWords = std::string (*)(PlatformSentence sentence, std::initializer_list<std::string_view> values);

void setPlatformWords(PlatformWords words);
// The sentence with its values, in the words set; Windows-1252 like the catalogue's.
std::string platformSentence(PlatformSentence sentence, std::initializer_list<std::string_view> values);
