// The spoken project operations: naming, loading, saving and starting a project.
#include <utility>

#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/forms/askkey.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/file_write.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "project/project.h"

namespace {

constexpr const char* kDefaultProjectName = "desenho.pxg";

// The first command-line argument, until askProjectFileName has used it.
std::string gArgumentName;

std::string trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Says the sentence of `key` with the project's name and the reason.
void sayFileFailure(const char* key, const std::string& reason) {
  spkWriteLine(withValues(messageText(key), {projectFileName(), reason}));
}

std::string projectPath() { return projectFileName(); }

// True when nothing has the project's name yet, or the user agrees to replace it.
bool mayReplaceExistingFile() {
  if (!projectPathExists(projectPath())) return true;
  sayMessage("PXSOBRESC", 0);
  return askYesNo();
}

// True when the file was not written by anyone since it was loaded or saved, or the user
// agrees to replace what another program or another Pontelix wrote there.
bool mayReplaceChangedFile() {
  if (!projectFileChangedOnDisk()) return true;
  sayMessage("PXMUDOU", 0);
  const bool replace = askYesNo();
  if (!replace) sayMessage("PXNAOGRV", 1);
  return replace;
}

// Writes the list under the project's name and says so. When the file can not be
// written (a read-only or missing folder, a full disk), or changed on disk and must not
// be replaced, the old file and the list are untouched, and the user may give another
// name, as often as it takes; false when they give up.
bool writeProject() {
  for (bool mayWrite = mayReplaceChangedFile();; mayWrite = true) {
    if (mayWrite) {
      const ProjectEncoding encoding = encodingThatHolds(commandLines(), projectEncoding());
      const std::string bytes = encodeProjectText(commandLines(), encoding);
      SaveReport report;
      const int error = replaceFileAtomically(projectPath(), bytes, &report);
      if (error == 0) {
        markProjectSaved();
        rememberProjectFileOnDisk(report.identity);
        sayMessage("PXSALVO", 1);
        // Said once: from now on the project is a UTF-8 one.
        if (encoding != projectEncoding()) sayMessage("PXGRVUTF", 1);
        setProjectEncoding(encoding);
        if (const std::string note = ownershipNotKeptText(projectFileName(), report); !note.empty()) spkWriteLine(note);
        return true;
      }
      sayFileFailure("PXPRJNGRV", saveFailureReason(error, report));
    }
    spkWriteLine(messageText("PXMEMOK"));
    sayMessage("PXOUTNOM", 0);
    const bool another = askYesNo();
    conWriteLine();
    if (!another) return false;
    const std::string name = askProjectFileName();
    if (name.empty()) return false;
    const std::string previous = projectFileName();
    setProjectFileName(withProjectExtension(name));
    if (!mayReplaceExistingFile()) {
      setProjectFileName(previous);
      return false;
    }
  }
}

// How the offer to save ended: the list saved, not wanted saved, or neither (Esc, or a
// save that did not happen), when nothing that would lose the list may follow.
enum class SaveOffer { Saved, Declined, Cancelled };

// saveProject's work.
SaveOffer offerToSave() {
  sayMessage("PXSALVAR", 0);
  if (const int answer = askKey(yesNoLetters()); !isYesKey(answer)) {
    sayMessage("PXDESIST", 1);
    return answer == key::kEsc ? SaveOffer::Cancelled : SaveOffer::Declined;
  }
  if (projectFileName().empty()) {
    setProjectFileName(askProjectFileName());
    // The file a name picks now was never in the list; the user may have meant another.
    if (!projectFileName().empty() && !mayReplaceExistingFile()) setProjectFileName({});
  }
  if (projectFileName().empty()) {
    sayMessage("PXDESIST", 1);
    return SaveOffer::Cancelled;
  }
  return writeProject() ? SaveOffer::Saved : SaveOffer::Cancelled;
}

}  // namespace

std::string askFileNameOnLine(std::string_view filter) {
  const int column = conColumn(), row = conRow();
  const std::string name = askFileName(kFileListHeight, filter);
  // Over what was typed, so that a name picked from the list shows as well, and what was
  // typed before Esc is given up.
  conGoto(column, row);
  conWrite(name);
  conClearEol();
  if (!name.empty()) conWriteLine();
  return name;
}

void setProgramArguments(const std::vector<std::string>& arguments) {
  gArgumentName = arguments.empty() ? std::string() : trimmed(arguments.front());
}

std::string projectPathOfArgument(std::string_view argument) {
  return withProjectExtension(trimmed(argument));
}

std::string askProjectFileName() {
  std::string name = std::exchange(gArgumentName, {});
  if (name.empty()) {
    conFlushKeys();
    sayMessage("PXNOMARQ", 1);
    name = askFileNameOnLine("*.pxg");
    // After Esc the caller's message takes the line.
    if (fileChooserLastKey() == key::kEsc) return {};
    if (name.empty()) {
      sayMessage("PXASSUME", 1);
      name = kDefaultProjectName;
    }
  }
  setWindowTitle(name);
  return name;
}

bool loadProject() {
  setProjectFileName(withProjectExtension(projectFileName()));
  // Taken before reading: a change while the file is read is asked about at the save.
  rememberProjectFileOnDisk();
  if (!projectPathExists(projectPath())) {
    sayMessage("PXARQNOV", 2);
    // Said now, not only when the save fails.
    const size_t slash = projectFileName().rfind('/');
    if (slash != std::string::npos && slash > 0 && !projectPathExists(projectFileName().substr(0, slash)))
      spkWriteLine(withValues(messageText("PXPRJPASTA"), {projectFileName().substr(0, slash)}));
    sayMessage("PXAPTF9", -1);
    return false;
  }
  ProjectText text;
  if (const int error = readProjectFile(projectPath(), text); error != 0) {
    sayFileFailure("PXPRJNLER", fileFailureReason(error));
    // A save under this name would replace a file the user has never seen in the list.
    setProjectFileName({});
    return false;
  }
  commandLines() = std::move(text.lines);
  setProjectEncoding(text.encoding);
  markProjectSaved();
  sayMessage("PXARQCRG", 2);
  if (text.cutAtNul) {
    sayMessage("PXPRJNUL", 1);
  }
  return true;
}

void saveProject() { offerToSave(); }

void newProject() {
  // Esc, or a save that did not happen, keeps the list: clearing it would lose it.
  if (offerToSave() == SaveOffer::Cancelled) return;
  // The name is asked before anything changes, so that Esc there gives up the new
  // project and the list, its name and its unsaved state stay as they were.
  const std::string name = askProjectFileName();
  if (name.empty()) {
    sayMessage("PXDESIST", 1);
    return;
  }
  commandLines().clear();
  setProjectEncoding(ProjectEncoding::Utf8);
  markProjectChanged();
  setProjectFileName(name);
  loadProject();
}
