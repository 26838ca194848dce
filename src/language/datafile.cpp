#include "language/datafile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/speech.h"
#include "platform/text/file_read.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "language/data_points.h"
#include "language/reader.h"
#include "project/project.h"

namespace {

DataPointList gDataPoints;

// A data line is two short numbers; anything longer is kept only this far, so that a
// file of one enormous line needs no more memory than a normal one.
constexpr size_t kMaxLineLength = 4096;
// Bad lines reported one by one; further ones are only counted and told once at the
// end, so that a long file of wrong lines does not keep the user listening for hours,
// and a file that is no data file at all (LD named the wrong one) is not read out.
constexpr int kMaxReportedBadLines = 5;
// What stands between x and y.
constexpr char kSeparators[] = " \t;";
// How much of an over-long line its report repeats.
constexpr size_t kReportedTextLength = 60;

enum class LineRead { Line, End, Binary, Error };

// Reads one line without its LF. A NUL byte means the file is not text. Blanks and
// controls at the ends of a line are trimmed away later, so those at its start are not
// kept and those past the limit do not make it too long: padding never costs a point.
LineRead readLine(FILE* file, std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  bool any = false;
  int c;
  while ((c = getc_unlocked(file)) != EOF) {
    any = true;
    if (c == '\n') return LineRead::Line;
    if (c == 0) return LineRead::Binary;
    if (c <= ' ' && line.empty()) continue;
    if (line.size() < kMaxLineLength) line += static_cast<char>(c);
    else if (c > ' ') tooLong = true;
  }
  if (std::ferror(file)) return LineRead::Error;
  return any ? LineRead::Line : LineRead::End;
}

struct Loader {
  int reportedBadLines = 0;
  int unreportedBadLines = 0;
  std::function<void(const std::string&)> tell;

  void report(const std::string& texts) {
    if (reportedBadLines >= kMaxReportedBadLines) {
      ++unreportedBadLines;
      return;
    }
    ++reportedBadLines;
    const std::string told = withValues(messageText("PXDATERRO"), {texts});
    if (tell) {
      tell(told);
      return;
    }
    spkClick();
    spkClick();
    spkWriteLine(told);
  }

  void say(const std::string& text) const {
    if (tell) tell(text);
    else spkWriteLine(text);
  }

  // A line that did not give a point still takes a place while there is room.
  void badLine(const std::string& texts) {
    if (gDataPoints.count < kDataPointCapacity) {
      gDataPoints.x[gDataPoints.count] = 0;
      gDataPoints.y[gDataPoints.count] = 0;
      gDataPoints.bad[gDataPoints.count] = true;
      ++gDataPoints.count;
    }
    report(texts);
  }

  void dataLine(const std::string& raw, bool tooLong) {
    // A line that is not UTF-8 is taken as Windows-1252, as a legacy file writes it.
    const std::string line = asUtf8(trimControls(raw));
    if (line.empty() || line[0] == ';' || line[0] == '*') return;
    if (tooLong) {
      badLine(line.substr(0, byteOfCharacter(line, kReportedTextLength)) + "...");
      return;
    }
    // x and y are apart by blanks, a tab or a ";", as spreadsheets export them (with the
    // decimal comma, ";" is what stands between the columns). Without a separator there
    // is no x text; the whole line is the y text.
    const size_t cut = line.find_first_of(kSeparators);
    const size_t yFrom = cut == std::string::npos ? 0 : line.find_first_not_of(kSeparators, cut);
    const std::string xText = cut == std::string::npos ? "" : trimControls(line.substr(0, cut));
    const std::string yText = yFrom == std::string::npos ? "" : trimControls(line.substr(yFrom));
    // Either decimal mark, as in the command lines: a file written on any system reads.
    const std::optional<double> x = parseNumberWord(xText);
    const std::optional<double> y = parseNumberWord(yText);
    if (!x || !y || gDataPoints.count >= kDataPointCapacity) {
      badLine(xText + " " + yText);
      return;
    }
    gDataPoints.x[gDataPoints.count] = *x;
    gDataPoints.y[gDataPoints.count] = *y;
    gDataPoints.bad[gDataPoints.count] = false;
    ++gDataPoints.count;
  }

  // Reads to the end or to the first problem; the points read so far stay.
  void readAll(FILE* file, std::string_view name) {
    std::string line;
    bool tooLong = false;
    for (bool first = true;; first = false) {
      switch (readLine(file, line, tooLong)) {
        case LineRead::Line:
          // A file saved as UTF-8 by a Windows editor starts with a byte order mark.
          if (first && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
          dataLine(line, tooLong);
          continue;
        case LineRead::End:
          return;
        case LineRead::Binary:
          say(withValues(messageText("PXDATBIN"), {name}));
          return;
        case LineRead::Error:
          say(withValues(messageText("PXDATLER"), {name}));
          return;
      }
    }
  }
};

}  // namespace

const DataPointList& dataPoints() { return gDataPoints; }


namespace {

// A relative name is looked for beside the project (or the batch's script) first, then
// in the current folder, so that a project opened from anywhere finds its data.
std::string dataFilePath(std::string_view name) {
  const std::string path(name);
  const std::string& project = projectFileName();
  const size_t slash = project.rfind('/');
  if (path.empty() || path[0] == '/' || slash == std::string::npos) return path;
  const std::string beside = project.substr(0, slash + 1) + path;
  struct stat info;
  return ::stat(beside.c_str(), &info) == 0 ? beside : path;
}

}  // namespace

void loadDataFile(std::string_view name, const std::function<void(const std::string& text)>& tell,
                  const DataFileListener& opened) {
  gDataPoints.count = 0;
  Loader loader;
  loader.tell = tell;
  const bool named = !name.empty() && name.find('\0') == std::string_view::npos;
  // Only a regular file is sure to end: a directory, a pipe or a device is refused.
  int fd = -1;
  const int error = named ? openRegularFile(dataFilePath(name), fd) : ENOENT;
  FILE* file = error == 0 ? ::fdopen(fd, "rb") : nullptr;
  if (!file) {
    if (fd >= 0) ::close(fd);
    const bool missing = error == ENOENT || error == ENOTDIR;
    loader.say(withValues(messageText(missing ? "PXDATNEX" : "PXDATLER"), {name}));
    return;
  }
  if (FileIdentity identity; opened && fileIdentityOf(fd, identity) == 0) opened(name, identity);
  loader.readAll(file, name);
  std::fclose(file);
  if (loader.unreportedBadLines > 0)
    loader.say(withValues(messageText(loader.unreportedBadLines == 1 ? "PXDATMAIS1" : "PXDATMAISN"),
                          {std::to_string(loader.unreportedBadLines)}));
}
