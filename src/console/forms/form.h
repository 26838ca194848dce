#pragma once
// The spoken form: a column of labelled fields that the user walks through and edits
// one at a time, each announced by its recording or label and then its value. One form
// at a time; it may open a menu (a field's choice list) while it runs. Texts are
// Windows-1252.
#include <string>
#include <string_view>

// A form field. kind 0 (text) is the only kind: the value goes back as text.
struct TCampo {
  std::string key;      // names the field's recording (key + ".wav")
  std::string label;    // written left of the value; spoken when there is no recording
  std::string value;    // what is being edited
  std::string choices;  // items separated by "|", or empty
  int width = 0;        // maximum length of the value, and its display width
  unsigned char kind = 0;
  std::string* target = nullptr;  // receives the value when the form ends
};

constexpr int kFormMaxFields = 200;
// Values longer than this are cut when they are stored back.
constexpr size_t kFormMaxValue = 255;
// The label column; values start in the column after it.
constexpr int formLabelWidth = 28;

// Starts a form whose first field goes on the cursor's row.
void formBegin();
// Appends a field editing `variable`, which must outlive formRun. A field beyond the
// 200th is refused (false) and the form is left as it was.
bool formAddField(std::string_view key, std::string_view label, std::string& variable, int width);
bool formAddChoiceField(std::string_view key, std::string_view label, std::string& variable,
                        int width, std::string_view choices);
// Runs the form and stores every value back, whatever ended it. Returns the ending key:
// 27 (Esc), 73 (PgUp) or 81 (PgDn). editingShortcuts goes to the line editor.
int formRun(bool editingShortcuts);
// The F9 choice list of a field: the chosen item's text, or the value unchanged when
// the field has no choices or the list was cancelled.
std::string formChooseValue(const TCampo& field);
