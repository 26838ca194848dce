#include "platform/speech/speech_plan.h"

#include "platform/text/text.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Planner {
 public:
  Planner(std::string_view text, const SpeechPauses& pauses) : text_(text), pauses_(pauses) {}

  std::vector<SpeechStep> run() {
    while (at_ < text_.size()) {
      if (isDigit(text_[at_])) {
        number();
      } else {
        character();
      }
    }
    flushWords();
    return std::move(steps_);
  }

 private:
  char next(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  // A number runs over digits and over "-" between digits.
  void number() {
    size_t end = at_;
    while (end < text_.size() && (isDigit(text_[end]) || (text_[end] == '-' && isDigit(next(end + 1))))) ++end;
    std::string_view token = text_.substr(at_, end - at_);
    at_ = end;
    if (token.find('-') != std::string_view::npos) {
      flushWords();
      steps_.push_back({SpeechStep::Kind::Spell, std::string(token)});
      return;
    }
    size_t zeros = 0;
    while (zeros + 1 < token.size() && token[zeros] == '0') ++zeros;
    if (zeros > 0) {
      flushWords();
      for (size_t i = 0; i < zeros; ++i) steps_.push_back({SpeechStep::Kind::Recording, "_zero"});
      token.remove_prefix(zeros);
    }
    if (token.size() > kMaxSpokenDigits) {
      flushWords();
      steps_.push_back({SpeechStep::Kind::Spell, std::string(token)});
    } else {
      words_ += token;
    }
  }

  void character() {
    const char c = text_[at_];
    size_t run = 1;
    while (c != ' ' && next(at_ + run) == c) ++run;
    if (run > 3) {
      words_.append(3, c);
      flushWords();
      for (size_t i = 3; i < run; ++i) steps_.push_back({SpeechStep::Kind::Tick, {}});
    } else {
      words_.append(run, c);
    }
    at_ += run;
    pauseAfter(c);
  }

  void pauseAfter(char c) {
    const bool blankFollows = next(at_) == ' ';
    int ms = 0;
    if ((c == ',' || c == '-') && blankFollows) ms = pauses_.comma;
    if (c == '.' && blankFollows) ms = pauses_.stop;
    if (c == '(' || c == ')' || c == ':' || c == ';') ms = pauses_.colon;
    if (ms <= 0) return;
    flushWords();
    steps_.push_back({SpeechStep::Kind::Pause, {}, ms});
  }

  void flushWords() {
    if (words_.find_first_not_of(' ') != std::string::npos) {
      steps_.push_back({SpeechStep::Kind::Words, toUpperText(words_)});
    }
    words_.clear();
  }

  std::string_view text_;
  const SpeechPauses& pauses_;
  size_t at_ = 0;
  std::string words_;
  std::vector<SpeechStep> steps_;
};

}  // namespace

std::vector<SpeechStep> planSpeech(std::string_view text, const SpeechPauses& pauses) {
  return Planner(text, pauses).run();
}
