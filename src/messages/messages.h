#pragma once
// The message catalogue: every fixed text the user reads and hears has a key, and
// sayMessage is the one way such a text reaches the screen and the ear. Also the three
// small screen services the shell shares: window title, banner, clearing the lower rows.
// Texts are UTF-8.
#include <cstdio>
#include <string>
#include <initializer_list>
#include <string_view>

#include "platform/text/file_write.h"
#include "platform/text/platform_texts.h"

#include "platform/text/outcome.h"

// The catalogue text of a key; keys are compared exactly, with case. An unknown key
// gives "--> Mensagem inválida: " followed by the key.
std::string messageText(std::string_view key);

// The text with "%1", "%2"... up to "%9" replaced by the values, in order; the caller
// gives text and values in one encoding.
std::string withValues(std::string text, std::initializer_list<std::string_view> values);

// The sentences the platform says on its own, in the catalogue's words (platform_texts.h).
std::string platformWords(PlatformSentence sentence, std::initializer_list<std::string_view> values);

// Why a file could not be read or written, from its errno (or kFolderNotWritable), in a
// few lower-case words a user can act on ("sem permissão", "disco cheio"). Every errno a
// save or a load meets has its words; any other is said with its number.
std::string fileFailureReason(int error);

// Why a save failed, in a few words that follow "Motivo:" or a colon: a link that was not
// followed is named with its owner and folder, any other failure in fileFailureReason's
// words.
std::string saveFailureReason(int error, const SaveReport& report);
// The sentence that tells that the replaced file `name` now belongs to this process's
// user and group, since the old ones could not be given back; empty when they were.
std::string ownershipNotKeptText(std::string_view name, const SaveReport& report);

// Writes the key's text at the cursor followed by lineEnds line ends (a negative count
// writes nothing: the message is only heard), then plays "EF_" + key when that
// recording exists, then the key's own recording, or speaks the text when it has none.
void sayMessage(std::string_view key, int lineEnds);

// What an Outcome tells, heard and written: each key with sayMessage, each sentence on a
// line of its own.
void sayOutcome(const Outcome& outcome);
// The same written to `out`, one UTF-8 line per text, nothing heard; returns how many.
int writeOutcome(const Outcome& outcome, std::FILE* out);
// Writes a text to `out` as one UTF-8 line, its control characters made
// visible (shownLine): the one way the batch commands write what they tell.
void writeTextLine(std::FILE* out, std::string_view text);

// Why the Tramel.ini in use could not be read (cfgReadProblem), with its name, as one
// line; empty when nothing is wrong with it.
std::string unreadConfigurationText();

// "Não implementado", written, spoken and followed by an empty line.
void sayNotImplemented();

// Sets the console window's title to "Pontelix " followed by the name, shortened from
// the front when needed so that the end of the name (the file name) stays visible.
// Control characters in the name show as blanks.
void setWindowTitle(std::string_view name);
constexpr size_t kMaxWindowTitle = 144;
// The title setWindowTitle builds, without setting it.
std::string windowTitleFor(std::string_view name);

// Clears the screen and draws the PONTELIX banner on a blue band in rows 1 to 7;
// leaves the full-screen window in force and the cursor at column 1, row 9.
void showBanner();

// Clears rows row..25 and leaves the cursor at column 1 of that row.
void clearScreenFrom(int row);
