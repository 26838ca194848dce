// The program from greeting to goodbye.
#include "shell/program.h"

#include <cstdio>

#include "platform/config/config.h"
#include "platform/config/options.h"
#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/forms/askkey.h"
#include "platform/keys.h"
#include "platform/sound/audio.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pages.h"
#include "project/project.h"
#include "shell/mainmenu.h"
#include "shell/version.h"

namespace {

// Where the program's recorded messages live; not having them is no error, every
// message is then synthesized.
std::string soundDirectory() {
  std::string directory = cfgReadValue("PONTELIX", "DIRPONTELIX");
  if (directory.empty()) directory = cfgReadValue("TRAMEL", "PGMTRAMEL") + "/som/pontelix";
  return directory;
}

// Without any sound device the user would wait for words that never come: said once on
// the screen and on standard error, where a helper or a log sees it.
void tellWhenSilent() {
  if (!soundIsMissing()) return;
  const std::string text = messageText("PXSEMSOM");
  conWriteLine(text);
  std::fprintf(stderr, "pontelix: %s\n", text.c_str());
}

// A configuration that could not be read leaves every setting at its default, and
// option C will not write over it; a key of the embosser page that is not valid leaves
// the standard page. The user hears why at once, before any paper is spent.
void tellConfigurationProblems() {
  std::string page;
  configuredEmbosserSheet(&page);
  for (const std::string& text : {unreadConfigurationText(), page}) {
    if (text.empty()) continue;
    spkWriteLine(text);
    conWriteLine();
  }
}

}  // namespace

bool soundIsMissing() { return conOptions().speech != SpeechChoice::None && !audioAvailable(); }

bool startProgram() {
  showBanner();
  setWindowTitle("");
  spkStart(0, soundDirectory());
  tellWhenSilent();
  conSetBackColour(1);
  sayMessage("PXINIC", 0);
  spkWriteLine(versionText());
  conWriteLine();
  conSetBackColour(0);
  tellConfigurationProblems();

  resetProject();
  setProjectFileName(askProjectFileName());
  if (projectFileName().empty() && fileChooserLastKey() == key::kEsc) {
    sayMessage("PXDESIST", 1);
    return false;
  }
  if (!projectFileName().empty()) loadProject();
  return true;
}

bool confirmExit() {
  sayMessage("PXCNFFIM", 0);
  bool end = askYesNo();
  if (end && projectHasUnsavedChanges()) {
    sayMessage("PXNAOGV", 1);
    sayMessage("PXCNFNGV", 0);
    end = askYesNo();
  }
  if (!end) sayMessage("PXCANC", 2);
  return end;
}

void editCommands() {
  conSetBackColour(4);
  sayMessage("PXEDIT", 1);
  conSetBackColour(0);
  const int column = conColumn(), row = conRow();
  editTextList(commandLines(), false, false, {column, row, kConColumns, kConRows - row}, false);
}

void finishProgram() {
  resetProject();
  sayMessage("PXFIM", 1);
  spkFinish();
}

int runInteractive(const std::vector<std::string>& args) {
  setProgramArguments(args);
  if (startProgram()) {
    do {
      mainMenu();
    } while (!confirmExit());
  }
  finishProgram();
  return 0;
}
