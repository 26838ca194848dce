// The project's state, kept apart from the operations that speak.
#include <utility>

#include "console/text/text.h"
#include "project/project.h"

namespace {

struct Project {
  std::vector<std::string> lines;
  std::string fileName;
  // A new project is written as every Linux editor reads text; a loaded one keeps its own.
  ProjectEncoding encoding = ProjectEncoding::Utf8;
  // The list as last loaded or saved.
  std::vector<std::string> savedLines;
  bool changed = false;
};

Project gProject;

}  // namespace

std::vector<std::string>& commandLines() { return gProject.lines; }

const std::string& projectFileName() { return gProject.fileName; }

void setProjectFileName(std::string name) { gProject.fileName = std::move(name); }

ProjectEncoding projectEncoding() { return gProject.encoding; }

void setProjectEncoding(ProjectEncoding encoding) { gProject.encoding = encoding; }

bool projectHasUnsavedChanges() { return gProject.changed || gProject.lines != gProject.savedLines; }

void markProjectChanged() { gProject.changed = true; }

void markProjectSaved() {
  gProject.savedLines = gProject.lines;
  gProject.changed = false;
}

void resetProject() { gProject = Project{}; }

std::string withProjectExtension(std::string_view name) {
  std::string completed(name);
  const std::string_view tail = name.substr(name.size() < 4 ? 0 : name.size() - 4);
  if (toUpperAnsi(tail) != ".PXG") completed += ".pxg";
  return completed;
}
