#pragma once
// What the builder's prompt and every row of its command table share: where the
// heading and the form's title sit, the form's announcement, and the appending of the
// assembled line. Texts are UTF-8.
#include <string>
#include <string_view>

// The prompt sits on this row, and the "Comando" heading replaces it; the form's title
// goes two rows lower, so that the heading stays in view while the form runs.
inline constexpr int kHeadingRow = 3;
inline constexpr int kFormTitleRow = kHeadingRow + 2;
// The builder's colours: headings and titles on blue, the rest on black.
inline constexpr int kBuilderBlue = 1, kBuilderBlack = 0;

// Clears the lower screen below the "Comando" heading, writes and says the form's title
// on blue, then lets "Formulário" be heard (it is not written).
void announceForm(std::string_view titleKey);

// Appends the line unchanged and says so ("Acrescentado: CI 0 0 5") unless nothing but
// blanks follows its two-letter code; then says "Dados incompletos" and the list stays
// as it was. True when appended.
bool appendCommandLine(const std::string& line);

// The text without the blanks and control characters at either end.
std::string trimBlanks(std::string_view text);
