// Running a form: announcing and editing the current field, moving between fields,
// scrolling a form taller than the screen, and storing the values back.
#include <algorithm>

#include "platform/text/utf8.h"
#include "messages/messages.h"
#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/forms/form_state.h"
#include "platform/keys.h"
#include "widgets/popup.h"
#include "platform/speech.h"

namespace {

constexpr int kEditingColour = 14;
constexpr int kSpeechPollMs = 10;

void waitForSilence() {
  while (spkBusy()) conPause(kSpeechPollMs);
}

// Announces and edits field n; returns the key that ended editing. F9 opens the
// choice list and reports itself, so that the field is presented again.
PressedKey presentField(FormState& form, int n, bool editingShortcuts) {
  TCampo& field = form.fields[static_cast<size_t>(n - 1)];
  const int row = form.rowOf(n);
  formDrawField(n, kEditingColour);

  if (spkRecordingExists(field.key))
    spkPlayRecording(field.key);
  else
    spkSay(field.label);
  waitForSilence();
  if (!field.value.empty()) {
    spkSay(field.value);
  } else if (form.empty == EmptyValues::Said) {
    spkSay(messageText("PXVVAZIO"));
  }

  const int code = conEditLine(field.value, formLabelWidth + 1, row, editingShortcuts,
                               formVisibleWidth(field), field.width);
  const PressedKey key = pressedKeyFromEditCode(code);
  if (key.isExt(key::kF9)) {
    field.value = formChooseValue(field);
    // A chooser may have written over the fields below this one.
    if (field.chooser) formDraw();
  }
  formRedrawValue(n);
  return key;
}

// Whether the key would move the user off field n or end the form other than by Esc.
bool leavesField(const PressedKey& key) {
  return key.is(key::kTab) || key.is(key::kEnter) || key.isExt(key::kDown) || key.isExt(key::kUp) ||
         key.isExt(key::kCtrlUp) || key.isExt(key::kCtrlDown) || key.isExt(key::kPgUp) ||
         key.isExt(key::kPgDn);
}

// False, after the refusal is written below the form and said, when field n's check
// refuses its value. A value accepted after a refusal takes the refusal off the screen.
bool valueAccepted(FormState& form, int n) {
  const TCampo& field = form.fields[static_cast<size_t>(n - 1)];
  const bool accepted = !field.check || field.check(field.value);
  if (accepted && !form.refusalShown) return true;
  conGoto(1, std::min(form.rowOf(form.count()) + 1, kConRows));
  conClearEol();
  form.refusalShown = !accepted;
  if (!accepted) spkWrite(withValues(messageText("PXVALINVS"), {field.value}));
  return accepted;
}

// Outside the fields (above the first or below the last): a click, then one key.
PressedKey waitOutside(const FormState& form, int n) {
  const int row = n < 1 ? form.topRow : std::max(form.rowOf(form.count()), form.topRow);
  conGoto(1, row);
  spkClick();
  return readPressedKey();
}

void scrollToShow(FormState& form, int n) {
  const int maxScroll = form.count() + form.topRow - kConRows - 1;
  while (form.rowOf(n) > kConRows && form.scroll < maxScroll) {
    ++form.scroll;
    formDraw();
  }
  while (form.rowOf(n) < form.topRow && form.scroll > 0) {
    --form.scroll;
    formDraw();
  }
}

}  // namespace

int formRun(bool editingShortcuts, int firstField) {
  FormState& form = formState();
  form.scroll = 0;
  form.refusalShown = false;
  formDraw();
  conFlushKeys();

  const int count = form.count();
  int n = firstField >= 1 && firstField <= count ? firstField : 1;
  scrollToShow(form, n);
  int result = 0;
  while (result == 0) {
    const bool onField = n >= 1 && n <= count;
    const PressedKey key = onField ? presentField(form, n, editingShortcuts) : waitOutside(form, n);
    if (onField && leavesField(key) && !valueAccepted(form, n)) {
      waitForSilence();
    } else if (key.is(key::kTab) || key.is(key::kEnter) || key.isExt(key::kDown)) {
      ++n;
    } else if (key.isExt(key::kUp)) {
      --n;
    } else if (key.isExt(key::kCtrlUp)) {
      n = 1;
    } else if (key.isExt(key::kCtrlDown)) {
      n = count;
    } else if (key.is(key::kEsc)) {
      result = key::kEsc;
    } else if (key.isExt(key::kPgUp) || key.isExt(key::kPgDn)) {
      result = key.ext;
    } else if (isExploreKey(key)) {
      conExploreScreen();
    }
    n = std::clamp(n, 0, count + 1);
    scrollToShow(form, n);
  }

  for (TCampo& field : form.fields)
    if (field.target) *field.target = firstCharacters(field.value, kFormMaxValue);

  // The row below the last field; when that is past the screen, a line end makes room
  // so that what the caller writes next does not land on a field.
  const int below = form.topRow + count - form.scroll;
  if (below > kConRows) {
    conGoto(1, kConRows);
    conWriteLine();
  } else {
    conGoto(1, below);
  }
  form.fields.clear();
  return result;
}
