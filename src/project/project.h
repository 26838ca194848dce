#pragma once
// The project: the command line list, the name of its file and whether the list holds
// changes that are not on disk. There is one project; it lives from start-up to the end
// of the program. Lines are UTF-8; the name is bytes as the system gives them.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/file_read.h"
#include "platform/text/text_file.h"

// The command line list. The paragraph editor changes it in place, the builder appends
// to it, the interpreter reads it; nobody needs to report a change (see below).
std::vector<std::string>& commandLines();

// Empty until the user names a project.
const std::string& projectFileName();
void setProjectFileName(std::string name);

// The encoding the list is written in: the one it was read in, UTF-8 for a project that
// did not come from a file.
ProjectEncoding projectEncoding();
void setProjectEncoding(ProjectEncoding encoding);

// The program's command-line arguments. The first, trimmed, names the
// project at start-up; it is used once, so a later new project asks for its name.
void setProgramArguments(const std::vector<std::string>& arguments);
// The file (UTF-8) that the project named by that first argument is read from and saved
// to.
std::string projectPathOfArgument(std::string_view argument);

// True when the list differs from what was last loaded or saved, or when a new empty
// project was started and not yet saved. The comparison needs no help from the code that
// changes the list.
bool projectHasUnsavedChanges();
void markProjectChanged();
// The list now matches the file (just loaded or saved).
void markProjectSaved();
// What the project's file was on disk when the list last matched it, so that a save can
// tell that another program, or another Pontelix, wrote it since. Looked up now (also
// when there is no file), or given as a save took it.
void rememberProjectFileOnDisk();
void rememberProjectFileOnDisk(const FileIdentity& written);
// True when the file under the project's name is no longer the one remembered: it was
// written or replaced, or made where there was none. A file removed since is no change
// (nothing of it can be lost), and a name the user gave since was already agreed to.
bool projectFileChangedOnDisk();
// Back to the state of start-up: an empty list, no name, nothing unsaved.
void resetProject();

// The name with ".pxg" appended unless it already ends in ".pxg" in any letter case.
std::string withProjectExtension(std::string_view name);

// The file chooser on the cursor's line, with a list of this many rows below it. The line
// then shows the answer: a name, typed or picked from the list, followed by a line end;
// after Esc, or Enter on an empty line, the line is empty and the cursor at its start,
// for the caller's message (fileChooserLastKey tells the two apart).
constexpr int kFileListHeight = 10;
std::string askFileNameOnLine(std::string_view filter);

// The spoken project operations. askProjectFileName gives the empty text when the user
// pressed Esc; the file chooser's last key tells the caller so.
std::string askProjectFileName();
// Completes the name's extension, then loads the file into the list; false when there
// was no file (a new project) or it could not be read (said; the list is kept and the
// project loses its name, so that no save replaces the unread file).
bool loadProject();
// Asks, then writes the list to the file; asks for a name first when there is none, and
// then replaces a file of that name only when the user agrees. A failure is said, and the
// list stays as it is.
void saveProject();
// Offers to save, then starts an empty project under a newly asked name. Esc at either
// question, or a save that did not happen, changes nothing.
void newProject();
