#pragma once
// The settings option C offers: which Tramel.ini key each field of the form sets, how
// the form shows the key's value, and what a value must be to be written. Texts are
// UTF-8.
#include <string>
#include <string_view>
#include <vector>

#include "platform/config/config.h"

enum class SettingKind {
  Number,   // a whole number from low to high
  YesNo,    // kept as "Sim" or "Não"; shown in the language's words, and any answer
            // starting with its yes or no letter is taken
  Voice,    // the number of one of the external engine's voices, 0 for its default
  Printer,  // an installed printer, or empty for none
  Folder,   // an existing folder, or empty for the default
  Choice,   // one item of a list, in the list's own spelling
};

struct Setting {
  const char* label;  // catalogue key of the field's label, and its recording
  const char* section;
  const char* key;
  SettingKind kind;
  int low = 0, high = 0;  // the range of a Number
  int fallback = 0;       // shown for a Number the file lacks or holds wrong; for a Choice,
                          // the number of the item shown then (from 0)
  int width = 3;          // how many characters the field takes
  // For a Choice: the items joined by "|" (a wrong value shows as the fallback's),
  // and the item a text names in any spelling, or null.
  std::string (*choiceList)() = nullptr;
  const char* (*choiceName)(std::string_view text) = nullptr;
  // For a Choice whose wrong value shows as what this run uses: that item, instead of
  // the fallback's.
  std::string (*choiceInUse)() = nullptr;
};

// The form's fields, in order.
const std::vector<Setting>& settingsTable();

// What the form needs to know beyond the file: the external engine's voices (counted
// from 1) and the installed printers (UTF-8), each only when someone answered.
struct SettingChoices {
  std::vector<std::string> voices;
  bool printersKnown = false;
  std::vector<std::string> printers;
};

// The values as the form shows them, one per field of settingsTable(), from Tramel.ini
// ("@" expanded). A wrong value shows as what the program uses instead.
std::vector<std::string> readSettings(const SettingChoices& choices);

// The F9 list of a field ("1|2|3|4|5"); empty for fields without one.
std::string settingChoiceList(const Setting& setting, const SettingChoices& choices);

// The first field (1-based) whose value can not be written, with what to say about it
// (the label, a colon and why); field 0 when every value is fine.
struct SettingProblem {
  int field = 0;
  std::string text;
};
SettingProblem checkSettings(const std::vector<std::string>& values, const SettingChoices& choices);

// The keys to write: those of the fields whose value the user changed, in the form the
// file keeps them ("3", "Sim", the voice's number, "en"). Precondition: checkSettings found
// no problem in `after`.
std::vector<CfgValue> changedSettings(const std::vector<std::string>& before, const std::vector<std::string>& after);
