#pragma once
// How a step that can fail answers, on every floor: whether it did what it was asked,
// and what its user is to be told, in order (a failure's reason, or what was assumed on
// the way). Each text is a catalogue key, or a sentence already in words.
// The floors below the menu options and the batch commands do not speak: they return an
// Outcome, and the floor that talks to the user decides how it is told (heard and
// written in the talking program, written to standard error by the batch commands).
// Functions that only read or write a file keep answering with the errno of the failure,
// which fileFailureReason turns into words.
#include <string>
#include <utility>
#include <vector>

struct Telling {
  std::string key;   // a catalogue key, or empty for `text`
  int lineEnds = 0;  // with a key: the line ends written after it
  std::string text;  // without a key: the sentence, written on a line of its own
};

struct Outcome {
  bool ok = true;
  std::vector<Telling> told;

  // Adds a catalogue message or a sentence to what is told.
  Outcome& tellKey(std::string key, int lineEnds) {
    told.push_back({std::move(key), lineEnds, {}});
    return *this;
  }
  Outcome& tellText(std::string text) {
    told.push_back({{}, 0, std::move(text)});
    return *this;
  }

  // A failure with nothing more to tell (its user has heard why already).
  static Outcome failed() { return {false, {}}; }
  static Outcome failedWith(std::string key, int lineEnds) { return Outcome{false, {}}.tellKey(std::move(key), lineEnds); }
  static Outcome failedSaying(std::string text) { return Outcome{false, {}}.tellText(std::move(text)); }
};
