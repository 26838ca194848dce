// Option G: the drawing of the command lines written as a JPEG, PNG or BMP file, or as
// the tactile drawing in SVG.
#include <string>

#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/forms/askkey.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/file_write.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "language/interpreter.h"
#include "output/tactile/tactile_svg.h"
#include "options/viewing/screen_drawing.h"
#include "options/viewing/viewing.h"
#include "project/project.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

constexpr int kPromptBack = 5;

// "Arquivo gráfico não foi salvo." and why, on a line of its own.
void sayNotSaved(const std::string& reason) {
  sayMessage("PXNAOSV", 1);
  spkWriteLine(withValues(messageText("PXMOTIVO"), {reason}));
  conWriteLine();
}

// Says how the save of `name` ended: "OK." and, when the file could not stay its old
// owner's, that it changed hands; or why it was not saved.
void sayImageSaved(const std::string& name, int error, const SaveReport& report) {
  if (error != 0) return sayNotSaved(saveFailureReason(error, report));
  sayMessage("PXOK", 1);
  if (const std::string note = ownershipNotKeptText(name, report); !note.empty()) spkWriteLine(note);
}

// Renders the command lines and writes them under the name. The format is chosen after
// rendering, as it always was; a name that names none is refused without touching a file
// of that name.
void writeDrawingImage(const std::string& name) {
  SaveReport report;
  if (name.size() >= 4 && toUpperText(name.substr(name.size() - 4)) == ".SVG") {
    const int error = saveTactileSvg(name, commandLines(), spokenScriptReports(), report);
    return sayImageSaved(name, error, report);
  }
  const std::optional<Page> page = drawOnScreenPage(false);
  if (!page) {
    sayNotSaved(noSurfaceReason());
    return;
  }
  const ImageFormat format = imageFormatForName(name);
  if (format == ImageFormat::None) return sayNotSaved(messageText("PXNOMEGRF"));
  sayImageSaved(name, savePageImage(*page, name, format, &report), report);
}

// The name, unless the user gave up (Esc, an empty name, a refused replacement).
std::string askImageFileName() {
  conSetBackColour(kPromptBack);
  sayMessage("PXNOMGRF", 1);
  conSetBackColour(0);
  std::string name = askFileNameOnLine("*.*");
  if (!name.empty() && projectPathExists(name)) {
    sayMessage("PXSOBRESC", 0);
    if (!askYesNo()) name.clear();
  }
  return name;
}

}  // namespace

void saveDrawingImage() {
  const std::string name = askImageFileName();
  if (name.empty() && fileChooserLastKey() == key::kEsc) {
    // Esc gives up at once: nothing is left to read before the menu.
    sayMessage("PXDESIST", 1);
    returnToCleanConsole();
    return;
  }
  if (name.empty()) {
    sayMessage("PXDESIST", 1);
  } else {
    writeDrawingImage(name);
  }
  sayMessage("PXAPTENT", 0);
  for (int key = 0; key != key::kEnter && key != key::kEsc;) key = readWholeKey();
  returnToCleanConsole();
}
