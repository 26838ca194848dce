#pragma once
// The one form's state, shared by the files that build, draw and run it.
#include <vector>

#include "widgets/forms/form.h"

struct FormState {
  std::vector<TCampo> fields;  // field n is fields[n - 1]
  int topRow = 1;
  int scroll = 0;  // fields scrolled off above the top row
  EmptyValues empty = EmptyValues::Silent;
  bool refusalShown = false;  // a refused value is written below the form

  int count() const { return static_cast<int>(fields.size()); }
  int rowOf(int n) const { return topRow + n - scroll - 1; }
};

FormState& formState();
// The visible width of a field's value: its width, narrowed to end in column 79.
int formVisibleWidth(const TCampo& field);
// Draws every field that falls between the top row and the last screen row.
void formDraw();
// Draws one field's label and value; the value in `valueColour`.
void formDrawField(int n, int valueColour);
// Rewrites a field's value in place in the normal colours.
void formRedrawValue(int n);
