// The project's state, kept apart from the operations that speak.
#include <cerrno>
#include <utility>

#include "platform/text/text.h"
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
  // The project's file when the list last matched it: the name it had then, and the
  // look-up's errno (ENOENT: no file) or its identity.
  std::string diskName;
  int diskLookUp = ENOENT;
  FileIdentity disk;
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

void rememberProjectFileOnDisk() {
  gProject.diskName = gProject.fileName;
  gProject.diskLookUp = fileIdentityOf(gProject.fileName, gProject.disk);
}

void rememberProjectFileOnDisk(const FileIdentity& written) {
  gProject.diskName = gProject.fileName;
  gProject.diskLookUp = 0;
  gProject.disk = written;
}

bool projectFileChangedOnDisk() {
  if (gProject.fileName.empty() || gProject.diskName != gProject.fileName) return false;
  FileIdentity now;
  // A file that can't be looked up now is left to the save, which says why.
  if (fileIdentityOf(gProject.fileName, now) != 0) return false;
  return gProject.diskLookUp != 0 || !now.sameContentAs(gProject.disk);
}

void resetProject() { gProject = Project{}; }

std::string withProjectExtension(std::string_view name) {
  std::string completed(name);
  const std::string_view tail = name.substr(name.size() < 4 ? 0 : name.size() - 4);
  if (toUpperText(tail) != ".PXG") completed += ".pxg";
  return completed;
}
