// Building a form and drawing its fields.
#include <algorithm>

#include "platform/text/utf8.h"
#include "platform/console.h"
#include "widgets/forms/form_state.h"
#include "widgets/forms/menu.h"
#include "widgets/popup.h"

namespace {

constexpr int kLabelBack = 4, kValueBack = 0, kChoiceBack = 5;
// Nothing is written in column 80: the console would wrap the line there, and on the
// last row scroll the whole screen.
constexpr int kLastColumn = kConColumns - 1;

FormState gForm;

void writeBeforeEdge(std::string_view text) {
  const int room = kLastColumn - conColumn() + 1;
  if (room > 0) conWrite(firstCharacters(text, static_cast<size_t>(room)));
}

// The label right-aligned in the label column; a longer label is written whole.
std::string labelCell(const std::string& label) {
  std::string cell = label + " ";
  if (characterCount(cell) < static_cast<size_t>(formLabelWidth))
    cell.insert(0, static_cast<size_t>(formLabelWidth) - characterCount(cell), ' ');
  return cell;
}

bool addField(std::string_view key, std::string_view label, std::string& variable, int width,
              std::string_view choices, FormChooser chooser = {}) {
  if (gForm.count() >= kFormMaxFields) return false;
  TCampo field;
  field.key = key;
  field.label = label;
  field.value = firstCharacters(variable, kFormMaxValue);
  field.choices = choices;
  field.chooser = std::move(chooser);
  field.width = std::clamp(width, 1, static_cast<int>(kFormMaxValue));
  field.target = &variable;
  gForm.fields.push_back(std::move(field));
  return true;
}

}  // namespace

FormState& formState() { return gForm; }

void formBegin(EmptyValues empty) {
  gForm.fields.clear();
  gForm.topRow = conRow();
  gForm.scroll = 0;
  gForm.empty = empty;
}

bool formAddField(std::string_view key, std::string_view label, std::string& variable, int width) {
  return addField(key, label, variable, width, {});
}

bool formAddChoiceField(std::string_view key, std::string_view label, std::string& variable,
                        int width, std::string_view choices) {
  return addField(key, label, variable, width, choices);
}

bool formAddChooserField(std::string_view key, std::string_view label, std::string& variable,
                         int width, FormChooser chooser) {
  return addField(key, label, variable, width, {}, std::move(chooser));
}

void formCheckLastField(FormCheck check) {
  if (!gForm.fields.empty()) gForm.fields.back().check = std::move(check);
}

int formVisibleWidth(const TCampo& field) {
  if (field.width + formLabelWidth >= kConColumns) return kLastColumn - formLabelWidth;
  return field.width;
}

void formDrawField(int n, int valueColour) {
  const TCampo& field = gForm.fields[static_cast<size_t>(n - 1)];
  SavedAttr saved;
  conSetBackColour(kLabelBack);
  conGoto(1, gForm.rowOf(n));
  writeBeforeEdge(labelCell(field.label));
  conSetBackColour(kValueBack);
  conSetTextColour(valueColour);
  writeBeforeEdge(fitText(field.value, formVisibleWidth(field)));
  conClearEol();
}

void formRedrawValue(int n) {
  const TCampo& field = gForm.fields[static_cast<size_t>(n - 1)];
  SavedAttr saved;
  conSetBackColour(kValueBack);
  conGoto(formLabelWidth + 1, gForm.rowOf(n));
  conWrite(fitText(field.value, formVisibleWidth(field)));
}

void formDraw() {
  const int textColour = conTextAttr() & 0x0F;
  for (int n = 1; n <= gForm.count(); ++n) {
    const int row = gForm.rowOf(n);
    if (row >= gForm.topRow && row <= kConRows) formDrawField(n, textColour);
  }
}

std::string formChooseValue(const TCampo& field) {
  if (field.chooser) return firstCharacters(field.chooser(field.value), static_cast<size_t>(field.width));
  if (field.choices.empty()) return field.value;
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    const size_t bar = field.choices.find('|', start);
    items.push_back(field.choices.substr(start, bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  int width = 1;
  for (const std::string& item : items) width = std::max(width, static_cast<int>(characterCount(item)));
  const int height = std::min(static_cast<int>(items.size()), kConRows);
  int top = conRow();
  if (top + height - 1 > kConRows) top = kConRows - height + 1;

  menuOpen(conColumn(), top, width, height, kChoiceBack);
  for (const std::string& item : items) menuAddItem("", item);
  if (menuSelect() == 0) return field.value;
  return menuChosenText();
}
