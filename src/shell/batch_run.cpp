// What the batch commands share: reading the script, running it without a sound.
#include "shell/batch_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/config/config.h"
#include "platform/text/file_failure.h"
#include "platform/text/text.h"
#include "platform/text/text_file.h"
#include "language/braille_code.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pages.h"
#include "output/tactile/tactile_settings.h"
#include "project/project.h"
#include "render/figures.h"

namespace {

bool readAllOfStdin(std::string& bytes) {
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    bytes.append(buffer, got);
    if (bytes.size() > static_cast<size_t>(kMaxProjectFileBytes)) {
      errno = EFBIG;
      return false;
    }
  }
  return !std::ferror(stdin);
}

// The options with a value that every batch command takes: the page and the tactile line.
struct ValuedOption {
  std::string_view name;
  std::string BatchRequest::*value;
};
constexpr ValuedOption kValuedOptions[] = {
    {"--embosser-page=", &BatchRequest::embosserPage}, {"--cells=", &BatchRequest::cells},
    {"--lines=", &BatchRequest::lines},                {"--braille-mode=", &BatchRequest::brailleMode},
    {"--line-width=", &BatchRequest::lineWidth},       {"--code=", &BatchRequest::brailleCode},
};

const ValuedOption* valuedOptionOf(std::string_view arg) {
  for (const ValuedOption& option : kValuedOptions)
    if (arg.starts_with(option.name)) return &option;
  return nullptr;
}

}  // namespace

int batchFailure(std::string_view command, const std::string& message) {
  std::fprintf(stderr, "pontelix %.*s: %s\n", static_cast<int>(command.size()), command.data(), shownLine(asUtf8(message)).c_str());
  return kBatchFailed;
}

int runGuardedBatch(std::string_view command, const std::function<int()>& body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return batchFailure(command, messageText("PXMEMBAT"));
  }
}

int answerBatchUsage(std::string_view command, bool parsed, bool help, const std::string& error, const std::string& usage) {
  if (!parsed) {
    batchFailure(command, error);
    std::fputs(usage.c_str(), stderr);
    return kBatchFailed;
  }
  if (help) {
    std::fputs(usage.c_str(), stdout);
    return kBatchDone;
  }
  return -1;
}

bool walkBatchArguments(int argc, char** argv, BatchRequest& request, bool& help, std::vector<std::string>& scripts,
                        const BatchOption& option, std::string& error) {
  help = false;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
      scripts.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      help = true;
      return true;
    } else if (arg == "--test-drawing") {
      request.testDrawing = true;
    } else if (arg == "--landscape") {
      request.landscape = true;
    } else if (const ValuedOption* valued = valuedOptionOf(arg)) {
      // An empty value would read as an option not given, and the page would quietly
      // be another one than the user asked for.
      if (arg.size() == valued->name.size()) {
        error = withValues(messageText("PXFALTAVAL"), {valued->name});
        return false;
      }
      request.*valued->value = arg.substr(valued->name.size());
    } else if (!option(i, arg, error)) {
      if (error.empty()) error = withValues(messageText("PXOPDESC"), {arg});
      return false;
    }
  }
  return true;
}

std::string embosserPageUsage() { return messageText("PXUSOPAG"); }

bool settleEmbosserSheet(const BatchRequest& request, EmbosserSheet& sheet, std::string& error, BatchReports& told) {
  // Said, as the talking program says it; the run goes on with the defaults.
  if (const std::string problem = unreadConfigurationText(); !problem.empty()) told.tell(Outcome{}.tellText(problem));
  std::string problem;
  if (request.embosserPage.empty()) {
    sheet = configuredEmbosserSheet(&problem);
  } else {
    const EmbosserPagePreset* preset = findEmbosserPage(request.embosserPage);
    if (!preset) {
      error = withValues(messageText("PXPAGDESC"), {request.embosserPage, embosserPageNames()});
      return false;
    }
    sheet = preset->name == std::string_view(kCustomPageName) ? configuredCustomSheet(&problem)
                                                               : embosserPageSheet(*preset, {});
  }
  if (!problem.empty()) told.tell(Outcome{}.tellText(problem));
  const auto number = [&](const std::string& text, const char* option, int32_t& value) {
    if (text.empty()) return true;
    int parsed = 0;
    if (cfgWholeNumber(text, parsed)) {
      value = parsed;
      return true;
    }
    error = withValues(messageText("PXQUERNUM"), {option, text});
    return false;
  };
  if (!number(request.cells, "--cells", sheet.cells) || !number(request.lines, "--lines", sheet.lines)) return false;
  if (!request.brailleMode.empty() && !brailleModeByName(request.brailleMode, sheet.mode)) {
    error = withValues(messageText("PXBRMODINV"), {request.brailleMode});
    return false;
  }
  if (const std::string problem = customSheetProblem(sheet); !problem.empty()) {
    error = problem;
    return false;
  }
  return true;
}

std::string tactileLineUsage() { return messageText("PXUSOESP"); }

std::string brailleCodeUsage() { return messageText("PXUSOCB"); }

bool settleBrailleCode(const BatchRequest& request, std::string& error) {
  if (request.brailleCode.empty()) return true;
  BrailleCodeProblem problem;
  if (!findBrailleCode(request.brailleCode, &problem)) {
    error = brailleCodeProblemText(request.brailleCode, problem);
    return false;
  }
  setStartingBrailleCode(request.brailleCode);
  return true;
}

bool settleTactileLine(const BatchRequest& request, int32_t& tenths, std::string& error) {
  tenths = configuredTactileLine();
  if (!request.lineWidth.empty() && !tactileLineByText(request.lineWidth, tenths)) {
    error = withValues(messageText("PXESPINV"), {request.lineWidth});
    return false;
  }
  return true;
}

bool takeBatchScript(const std::vector<std::string>& scripts, BatchRequest& request, std::string& error) {
  if (scripts.size() > 1) {
    error = withValues(messageText("PXMAISROT"), {scripts[0], scripts[1]});
    return false;
  }
  if (scripts.empty() && !request.testDrawing) {
    error = messageText("PXFALTAROT");
    return false;
  }
  request.script = scripts.empty() ? std::string() : scripts[0];
  return true;
}

bool readBatchScript(const std::string& name, std::vector<std::string>& lines, std::string& error, bool& warned) {
  ProjectText text;
  if (name == "-") {
    std::string bytes;
    if (!readAllOfStdin(bytes)) {
      error = withValues(messageText("PXNAOLEENT"), {fileFailureReason(errno)});
      return false;
    }
    text = decodeProjectText(bytes);
  } else if (const int err = readProjectFile(name, text); err != 0) {
    error = withValues(messageText("PXNAOLERP"), {name, fileFailureReason(err)});
    return false;
  }
  lines = std::move(text.lines);
  // As the talking program says it when it loads such a project.
  warned = text.cutAtNul;
  if (warned)
    std::fprintf(stderr, "pontelix: %s\n", messageText("PXROTNUL").c_str());
  // The script stands for the project: its data files are looked for beside it.
  if (name != "-") setProjectFileName(name);
  return true;
}

ScriptReports BatchReports::reports() {
  const ScriptReports written = writtenScriptReports(stderr);
  ScriptReports counted;
  counted.lineError = [this, written](int lineIndex, const std::string& line, std::string_view why) {
    written.lineError(lineIndex, line, why);
    ++count_;
  };
  counted.figureFault = [this, written](int lineIndex, const std::string& line, std::string_view why) {
    written.figureFault(lineIndex, line, why);
    ++count_;
  };
  counted.dataMessage = [this](const std::string& text) { tell(Outcome{}.tellText(text)); };
  counted.dataFileRead = [this](std::string_view name, const FileIdentity& file) {
    dataFiles_.push_back({std::string(name), file});
  };
  return counted;
}

bool BatchReports::tell(const Outcome& outcome) {
  count_ += writeOutcome(outcome, stderr);
  return outcome.ok;
}

void drawBatchDrawing(Page& page, bool testDrawing, const std::vector<std::string>& lines, const ScriptReports& reports) {
  if (testDrawing) {
    renderTestDrawing(page);
  } else {
    runScript(page, lines, reports);
  }
}

