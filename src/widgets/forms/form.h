#pragma once
// The spoken form: a column of labelled fields that the user walks through and edits
// one at a time, each announced by its recording or label and then its value. One form
// at a time; it may open a menu (a field's choice list) while it runs. Texts are
// UTF-8.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Offers the values of a field whose choices are known only when asked for (the
// installed printers): gets the field's value and gives the new one, the same value
// when the user gave up. It may write and speak; the form is drawn again afterwards.
using FormChooser = std::function<std::string(const std::string& value)>;

// Judges a field's value as the user leaves the field: false keeps the user there.
using FormCheck = std::function<bool(const std::string& value)>;

// A form field. kind 0 (text) is the only kind: the value goes back as text.
struct TCampo {
  std::string key;      // names the field's recording (key + ".wav")
  std::string label;    // written left of the value; spoken when there is no recording
  std::string value;    // what is being edited
  std::string choices;  // items separated by "|", or empty
  FormChooser chooser;  // asked on F9 instead of the choices, when set
  FormCheck check;      // judges the value on leaving, when set
  int width = 0;        // maximum length of the value, and its display width
  unsigned char kind = 0;
  std::string* target = nullptr;  // receives the value when the form ends
};

constexpr int kFormMaxFields = 200;
// Values longer than this are cut when they are stored back.
constexpr size_t kFormMaxValue = 255;
// The label column; values start in the column after it.
constexpr int formLabelWidth = 28;

// Whether a field without a value says so ("vazio") after its label: in a form of
// settings an empty field means something, in one that builds a command it is where
// the user is to type.
enum class EmptyValues : uint8_t { Silent, Said };
// Starts a form whose first field goes on the cursor's row.
void formBegin(EmptyValues empty = EmptyValues::Silent);
// Appends a field editing `variable`, which must outlive formRun. A field beyond the
// 200th is refused (false) and the form is left as it was.
bool formAddField(std::string_view key, std::string_view label, std::string& variable, int width);
bool formAddChoiceField(std::string_view key, std::string_view label, std::string& variable,
                        int width, std::string_view choices);
bool formAddChooserField(std::string_view key, std::string_view label, std::string& variable,
                         int width, FormChooser chooser);
// Gives the field added last a check. A key that leaves that field (Tab, Enter, the
// arrows, Ctrl+arrows, PgUp, PgDn) with a value the check refuses leaves the user on
// it, and "Valor inválido: <value>" is written below the form and said. Esc ends the
// form whatever the value: its caller judges what Esc left.
void formCheckLastField(FormCheck check);
// Runs the form and stores every value back, whatever ended it. Returns the ending key:
// 27 (Esc), 73 (PgUp) or 81 (PgDn). editingShortcuts goes to the line editor. The
// form starts on field `firstField` (a caller that found a wrong value brings the user
// back to it); outside 1..count it starts on field 1.
int formRun(bool editingShortcuts, int firstField = 1);
// The F9 choice list of a field (or its chooser): the chosen item's text, or the value
// unchanged when the field has no choices or the list was cancelled.
std::string formChooseValue(const TCampo& field);
