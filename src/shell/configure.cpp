// Option C: the settings of speech, printers, the embosser page and recordings in a spoken form, written to
// the user's Tramel.ini and applied at once.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/config/config.h"
#include "platform/console.h"
#include "widgets/forms/form.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/file_write.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pages.h"
#include "options/printing/device_chooser.h"
#include "output/printing/spooler.h"
#include "shell/language_choice.h"
#include "shell/program.h"
#include "shell/settings.h"

namespace {

SettingChoices currentChoices() {
  SettingChoices choices;
  choices.voices = spkExternalVoices();
  DeviceList devices = readDeviceList();
  choices.printersKnown = devices.serviceAnswered;
  choices.printers = std::move(devices.names);
  return choices;
}

// F9 on a printer field: the printer list of B and I, starting on the field's printer.
// Esc keeps what the field held.
std::string choosePrinter(const std::string& value) {
  const std::string chosen = chooseDevice(false, value);
  return chosen.empty() ? value : chosen;
}

void addFields(std::vector<std::string>& values, const SettingChoices& choices) {
  const std::vector<Setting>& table = settingsTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const Setting& s = table[i];
    const std::string list = settingChoiceList(s, choices);
    if (s.kind == SettingKind::Printer)
      formAddChooserField(s.label, messageText(s.label), values[i], s.width, choosePrinter);
    else if (list.empty())
      formAddField(s.label, messageText(s.label), values[i], s.width);
    else
      formAddChoiceField(s.label, messageText(s.label), values[i], s.width, list);
  }
}

// Runs the form until its values can be written: a wrong value is said and the form
// comes back on that field, with everything the user typed. False after Esc.
bool askSettings(std::vector<std::string>& values, const SettingChoices& choices) {
  const int top = conRow();
  int field = 1;
  for (;;) {
    conGoto(1, top);
    formBegin(EmptyValues::Said);
    addFields(values, choices);
    if (formRun(true, field) == key::kEsc) return false;
    const SettingProblem problem = checkSettings(values, choices);
    if (problem.field == 0) return true;
    conClearEol();
    spkWriteLine(problem.text);
    field = problem.field;
  }
}

}  // namespace

void configure() {
  sayMessage("PXCONFIG", 1);
  sayMessage("PXCFGAJ", 1);
  const SettingChoices choices = currentChoices();
  const std::vector<std::string> before = readSettings(choices);
  std::vector<std::string> values = before;
  if (!askSettings(values, choices)) {
    conClearEol();
    sayMessage("PXCANC", 2);
    return;
  }
  conClearEol();
  const std::vector<CfgValue> changed = changedSettings(before, values);
  if (changed.empty()) {
    sayMessage("PXCFGIG", 2);
    return;
  }
  if (const int error = cfgWriteValues(changed); error != 0) {
    spkWriteLine(withValues(messageText("PXCFGNGVM"), {fileFailureReason(error)}));
    conWriteLine();
    return;
  }
  // Speech starts again from the file, so that this very message already comes at
  // the new speed, from the new engine, with the new voice.
  spkStart(0, "");
  sayMessage("PXCFGOK", 2);
  if (spkExternalEngineMissing()) sayMessage("PXCFGSEXT", 2);
  const auto languageChanged = [](const CfgValue& value) { return value.key == std::string_view(kLanguageKey); };
  if (std::any_of(changed.begin(), changed.end(), languageChanged)) sayMessage("PXCFGIDI", 2);
}
