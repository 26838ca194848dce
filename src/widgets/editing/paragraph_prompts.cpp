// The paragraph editor's questions. Each stands on the window's last row, cleared
// first, in the current line's colour on red; afterwards keys typed ahead are dropped
// and the colours come back (the next redraw repaints the row).
#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/editing/paragraph_session.h"
#include "widgets/forms/askkey.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "messages/messages.h"

namespace {

constexpr int kYellow = 14, kRed = 4;
constexpr int kMaxAnswer = 200;
constexpr int kFileListHeight = 10;

void showQuestion(int row, std::string_view question) {
  conGoto(1, row);
  conSetTextColour(kYellow);
  conSetBackColour(kRed);
  conClearEol();
  spkWrite(question);
}

// The answer typed right after the question; nothing when the user pressed Esc, which
// gives the question up rather than taking what was typed.
std::optional<std::string> typedAnswer(int row) {
  std::string text;
  const int code = conEditLineToEdge(text, conColumn(), row, true, kMaxAnswer);
  if (code == key::kEsc) return std::nullopt;
  return text;
}

}  // namespace

std::optional<std::string> ParagraphSession::askText(std::string_view question) {
  const SavedAttr attr;
  showQuestion(height, question);
  std::optional<std::string> answer = typedAnswer(height);
  conFlushKeys();
  return answer;
}

std::optional<std::string> ParagraphSession::askFileToRead(std::string_view question) {
  const SavedAttr attr;
  showQuestion(height, question);
  conWaitForKey();
  std::optional<std::string> answer;
  if (conPeekKey().first == 0) {
    std::string name = askFileName(kFileListHeight, "*.*");
    if (fileChooserLastKey() != key::kEsc) answer = std::move(name);
  } else {
    answer = typedAnswer(height);
  }
  conFlushKeys();
  return answer;
}

bool ParagraphSession::askYes(std::string_view question) {
  const SavedAttr attr;
  showQuestion(height, question);
  const KeyPair answer = conGetKeyPair();
  conFlushKeys();
  return isYesKey(answer.first);
}

void ParagraphSession::reportReadError() {
  const SavedAttr attr;
  showQuestion(height, messageText("PXEDERRLER"));
  typedAnswer(height);
  conFlushKeys();
}
