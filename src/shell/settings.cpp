#include "shell/settings.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "platform/text/language.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "widgets/forms/askkey.h"
#include "language/braille_code.h"
#include "output/embosser/embosser_pages.h"
#include "output/printing/configured_printer.h"
#include "output/tactile/tactile_settings.h"
#include "render/page.h"
#include "shell/language_choice.h"

namespace {

const char* pageName(std::string_view text) {
  const EmbosserPagePreset* preset = findEmbosserPage(text);
  return preset ? preset->name : nullptr;
}
std::string modeList() { return std::string(brailleModeName(BrailleMode::Text)) + "|" + brailleModeName(BrailleMode::Graphic); }
const char* modeName(std::string_view text) {
  BrailleMode mode;
  return brailleModeByName(text, mode) ? brailleModeName(mode) : nullptr;
}

std::string paperList() { return std::string(kPlainPaperName) + "|" + kSwellPaperName; }
const char* paperName(std::string_view text) {
  const std::string upper = toUpperText(text);
  if (upper == toUpperText(kPlainPaperName)) return kPlainPaperName;
  return upper == toUpperText(kSwellPaperName) ? kSwellPaperName : nullptr;
}

// Tactile line widths, in millimetres as the form writes them, with the decimal mark of
// the language in use: every tenth from 0,5 to 2. Kept per language, since the names
// handed out must outlive the call.
const std::vector<std::string>& lineWidths() {
  static std::vector<std::string> widths[2];
  std::vector<std::string>& all = widths[currentLanguage() == Language::English ? 1 : 0];
  if (all.empty()) {
    for (int32_t tenths = kMinTactileLine; tenths <= kMaxTactileLine; ++tenths) all.push_back(decimalText(tenths / 10.0, 1));
  }
  return all;
}
std::string lineWidthList() {
  std::string list;
  for (const std::string& width : lineWidths()) list += (list.empty() ? "" : "|") + width;
  return list;
}
const char* lineWidthName(std::string_view text) {
  int32_t tenths = 0;
  return tactileLineByText(text, tenths) ? lineWidths()[static_cast<size_t>(tenths - kMinTactileLine)].c_str() : nullptr;
}

// The interface languages, by the codes Tramel.ini keeps; a wrong IDIOMA shows as the
// language in use, which it did not change.
std::string languageList() {
  return std::string(languageCode(Language::Portuguese)) + "|" + languageCode(Language::English);
}
const char* languageChoice(std::string_view text) {
  const std::optional<Language> language = languageNamed(text);
  return language ? languageCode(*language) : nullptr;
}
std::string languageInUse() { return languageCode(currentLanguage()); }

// The Braille codes of labels whose tables this system has, by their short names; a
// table's file name is taken as well. A missing or wrong value shows as the language's
// code, which a missing one gives the labels. The names handed out must outlive the call.
std::string brailleCodeList() {
  static const std::string list = [] {
    std::string names;
    for (const BrailleCodeName& name : kBrailleCodeNames)
      if (findBrailleCode(name.shortName)) (names += names.empty() ? "" : "|") += name.shortName;
    return names;
  }();
  return list;
}
const char* brailleCodeChoice(std::string_view text) {
  static std::set<std::string> tables;
  const std::optional<BrailleCode> code = findBrailleCode(text);
  if (!code) return nullptr;
  for (const BrailleCodeName& name : kBrailleCodeNames)
    if (name.table == code->table) return name.shortName.data();
  return tables.insert(code->table).first->c_str();
}
std::string brailleCodeInUse() { return std::string(languageBrailleCodeName()); }

// The speech services read SERVFALA's rate and pitch as -10 to 10 (tenths of the
// server's range), and TRADUTOR/VELOCIDADE as 1 to 5.
const std::vector<Setting> kSettings = {
    {"PXCFG_VEL", "TRADUTOR", "VELOCIDADE", SettingKind::Number, 1, 5, 3},
    {"PXCFG_EXT", "TRADUTOR", "SAPI", SettingKind::YesNo},
    {"PXCFG_VOZ", "SERVFALA", "VOZ", SettingKind::Voice, 0, 0, 0, 40},
    {"PXCFG_RIT", "SERVFALA", "VELOCIDADE", SettingKind::Number, -10, 10, 0},
    {"PXCFG_TOM", "SERVFALA", "TOM", SettingKind::Number, -10, 10, 0},
    {"PXCFG_IMB", kPrinterSection, kEmbosserPrinterKey, SettingKind::Printer, 0, 0, 0, 60},
    {"PXCFG_IMT", kPrinterSection, kInkPrinterKey, SettingKind::Printer, 0, 0, 0, 60},
    {"PXCFG_LET", "TRADUTOR", "DIRLETRAS", SettingKind::Folder, 0, 0, 0, 255},
    {"PXCFG_PAG", kPrinterSection, kEmbosserPageKey, SettingKind::Choice, 0, 0, 0, 15, embosserPageNames, pageName},
    // The size and mode of the custom page.
    {"PXCFG_CEL", kPrinterSection, kEmbosserCellsKey, SettingKind::Number, kMinPageCells, kMaxPageCells, 66},
    {"PXCFG_LIN", kPrinterSection, kEmbosserLinesKey, SettingKind::Number, kMinPageLines, kMaxPageLines, 44},
    {"PXCFG_MOD", kPrinterSection, kEmbosserModeKey, SettingKind::Choice, 0, 0, 0, 8, modeList, modeName},
    // What I prints on when Enter answers its question, and swell paper's lines.
    {"PXCFG_PAP", kPrinterSection, kInkPaperKey, SettingKind::Choice, 0, 0, 0, 14, paperList, paperName},
    {"PXCFG_ESP", kPrinterSection, kTactileLineKey, SettingKind::Choice, 0, 0, kDefaultTactileLine - kMinTactileLine, 4,
     lineWidthList, lineWidthName},
    {"PXCFG_CBR", kLanguageSection, "CODIGOBRAILLE", SettingKind::Choice, 0, 0, 0, 20, brailleCodeList, brailleCodeChoice,
     brailleCodeInUse},
    // Read once at start-up: a new value counts from the next start.
    {"PXCFG_IDI", kLanguageSection, kLanguageKey, SettingKind::Choice, 0, 0, 0, 2, languageList, languageChoice,
     languageInUse},
};

// The item of a Choice that a text names, or the list's item numbered `fallback` (from
// 0, the first unless set).
std::string choiceOrFallback(const Setting& s, const std::string& text) {
  if (const char* name = s.choiceName(text)) return name;
  if (s.choiceInUse) return s.choiceInUse();
  std::string list = s.choiceList() + "|";
  for (int skip = s.fallback; skip > 0 && list.find('|') + 1 < list.size(); --skip) list.erase(0, list.find('|') + 1);
  return list.substr(0, list.find('|'));
}

// Without a list from the speech server any voice number up to this is taken.
constexpr int kMaxVoiceNumber = 99;
// The file keeps "Sim" and "Não" whatever the language; the form shows and takes the
// language's words and letters.
constexpr const char* kYes = "Sim";
constexpr const char* kNo = "Não";
std::string yesNoWord(bool yes) { return messageText(yes ? "PXCFGSIM" : "PXCFGNAO"); }

// The voice as the form shows it: "2 - name" when the server named it.
std::string voiceText(int number, const std::vector<std::string>& voices) {
  if (number == 0) return "0 - " + messageText("PXCFGPAD");
  if (number <= static_cast<int>(voices.size())) return std::to_string(number) + " - " + voices[static_cast<size_t>(number) - 1];
  return std::to_string(number);
}

// The number a voice field starts with ("2 - name" gives 2).
bool voiceNumber(const std::string& text, int& number) {
  const size_t dash = text.find(" - ");
  return cfgWholeNumber(dash == std::string::npos ? text : text.substr(0, dash), number);
}

int highestVoice(const SettingChoices& choices) {
  return choices.voices.empty() ? kMaxVoiceNumber : static_cast<int>(choices.voices.size());
}

bool isYesOrNo(const std::string& text) {
  return !text.empty() && (isYesKey(static_cast<unsigned char>(text[0])) || isNoKey(static_cast<unsigned char>(text[0])));
}

std::string showValue(const Setting& s, const SettingChoices& choices) {
  const std::string value = cfgReadValue(s.section, s.key);
  int number = 0;
  switch (s.kind) {
    case SettingKind::Number:
      if (!cfgWholeNumber(value, number) || number < s.low || number > s.high) number = s.fallback;
      return std::to_string(number);
    case SettingKind::YesNo:
      // As the speech services take it: anything but empty or N means yes.
      return yesNoWord(!value.empty() && toUpperText(value.substr(0, 1)) != "N");
    case SettingKind::Voice:
      if (!cfgWholeNumber(value, number) || number < 0) number = 0;
      return voiceText(number, choices.voices);
    case SettingKind::Choice:
      return choiceOrFallback(s, value);
    case SettingKind::Printer:
    case SettingKind::Folder:
      break;
  }
  return value;
}

std::string problem(const Setting& s, const std::string& why) {
  return withValues(messageText("PXCFGPRB"), {messageText(s.label), why});
}

std::string rangeProblem(const Setting& s, int low, int high) {
  return problem(s, withValues(messageText("PXCFGFXN"), {std::to_string(low), std::to_string(high)}));
}

// What is wrong with a value, or empty.
std::string valueProblem(const Setting& s, const std::string& value, const SettingChoices& choices) {
  int number = 0;
  switch (s.kind) {
    case SettingKind::Number:
      if (!cfgWholeNumber(value, number) || number < s.low || number > s.high) return rangeProblem(s, s.low, s.high);
      break;
    case SettingKind::YesNo:
      if (!isYesOrNo(value)) return problem(s, messageText("PXCFGSN"));
      break;
    case SettingKind::Voice:
      if (!voiceNumber(value, number) || number < 0 || number > highestVoice(choices))
        return rangeProblem(s, 0, highestVoice(choices));
      break;
    case SettingKind::Printer: {
      const std::vector<std::string>& known = choices.printers;
      if (!value.empty() && choices.printersKnown &&
          std::find(known.begin(), known.end(), value) == known.end())
        return problem(s, messageText("PXCFGIMP"));
      break;
    }
    case SettingKind::Choice:
      if (!s.choiceName(value)) return problem(s, messageText("PXCFGLST"));
      break;
    case SettingKind::Folder: {
      std::error_code ec;
      const std::string folder = cfgExpandValue(value);
      if (!value.empty() && !std::filesystem::is_directory(folder, ec))
        return problem(s, messageText("PXCFGPAS"));
      break;
    }
  }
  return {};
}

// The value as the file keeps it.
std::string storedValue(const Setting& s, const std::string& value) {
  int number = 0;
  switch (s.kind) {
    case SettingKind::Number:
      cfgWholeNumber(value, number);
      return std::to_string(number);
    case SettingKind::YesNo:
      return !value.empty() && isYesKey(static_cast<unsigned char>(value[0])) ? kYes : kNo;
    case SettingKind::Voice:
      voiceNumber(value, number);
      return std::to_string(number);
    case SettingKind::Choice:
      return choiceOrFallback(s, value);
    case SettingKind::Printer:
    case SettingKind::Folder:
      break;
  }
  return value;
}

}  // namespace

const std::vector<Setting>& settingsTable() { return kSettings; }

std::vector<std::string> readSettings(const SettingChoices& choices) {
  std::vector<std::string> values;
  for (const Setting& s : kSettings) values.push_back(showValue(s, choices));
  return values;
}

std::string settingChoiceList(const Setting& setting, const SettingChoices& choices) {
  std::string list;
  switch (setting.kind) {
    case SettingKind::Number:
      for (int n = setting.low; n <= setting.high; ++n) list += (list.empty() ? "" : "|") + std::to_string(n);
      break;
    case SettingKind::YesNo:
      list = yesNoWord(true) + "|" + yesNoWord(false);
      break;
    case SettingKind::Voice:
      for (int n = 0; n <= static_cast<int>(choices.voices.size()); ++n)
        list += (list.empty() ? "" : "|") + voiceText(n, choices.voices);
      break;
    case SettingKind::Choice:
      list = setting.choiceList();
      break;
    case SettingKind::Printer:
    case SettingKind::Folder:
      break;
  }
  return list;
}

SettingProblem checkSettings(const std::vector<std::string>& values, const SettingChoices& choices) {
  for (size_t i = 0; i < kSettings.size() && i < values.size(); ++i) {
    std::string why = valueProblem(kSettings[i], values[i], choices);
    if (!why.empty()) return {static_cast<int>(i) + 1, std::move(why)};
  }
  return {};
}

std::vector<CfgValue> changedSettings(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  std::vector<CfgValue> changed;
  for (size_t i = 0; i < kSettings.size() && i < before.size() && i < after.size(); ++i) {
    // An untouched field is not written: the file keeps its own spelling ("@\som").
    if (before[i] == after[i]) continue;
    const Setting& s = kSettings[i];
    const std::string stored = storedValue(s, after[i]);
    if (stored != storedValue(s, before[i])) changed.push_back({s.section, s.key, stored});
  }
  return changed;
}
