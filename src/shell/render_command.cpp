// The batch road: a script to a picture or an embosser stream, without the console.
#include "shell/render_command.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/text/file_read.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pef.h"
#include "output/embosser/embosser_stream.h"
#include "output/tactile/tactile_page.h"
#include "output/tactile/tactile_pdf.h"
#include "output/tactile/tactile_svg.h"
#include "render/image_page.h"
#include "render/image_writer.h"
#include "shell/batch_run.h"

namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         toUpperText(text.substr(text.size() - suffix.size())) == toUpperText(suffix);
}

bool parseSide(std::string_view text, int& side) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), side);
  return ec == std::errc() && end == text.data() + text.size() && side > 0 && side <= Canvas::kMaxSide;
}

// "N" or "WxH"; a single N stands for a square.
bool parseSize(std::string_view text, int& width, int& height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return parseSide(text, width) && parseSide(text, height);
  return parseSide(text.substr(0, x), width) && parseSide(text.substr(x + 1), height);
}

bool chooseTarget(const std::string& output, RenderTarget& target) {
  if (endsWithNoCase(output, ".brf")) {
    target = RenderTarget::EmbosserStream;
    return true;
  }
  if (endsWithNoCase(output, ".txt")) {
    target = RenderTarget::EmbosserPage;
    return true;
  }
  if (endsWithNoCase(output, ".pef")) {
    target = RenderTarget::EmbosserPef;
    return true;
  }
  if (endsWithNoCase(output, ".pdf")) {
    target = RenderTarget::Pdf;
    return true;
  }
  if (endsWithNoCase(output, ".svg")) {
    target = RenderTarget::Svg;
    return true;
  }
  switch (imageFormatForName(output)) {
    case ImageFormat::Bmp: target = RenderTarget::Bmp; return true;
    case ImageFormat::Png: target = RenderTarget::Png; return true;
    case ImageFormat::Jpeg: target = RenderTarget::Jpeg; return true;
    case ImageFormat::None: break;
  }
  return false;
}

ImageFormat imageFormatOf(RenderTarget target) {
  switch (target) {
    case RenderTarget::Bmp: return ImageFormat::Bmp;
    case RenderTarget::Png: return ImageFormat::Png;
    case RenderTarget::Jpeg: return ImageFormat::Jpeg;
    case RenderTarget::EmbosserStream:
    case RenderTarget::EmbosserPage:
    case RenderTarget::EmbosserPef:
    case RenderTarget::Pdf:
    case RenderTarget::Svg: break;
  }
  return ImageFormat::None;
}

// The page of a PDF printed elsewhere: A4 to its edges, at 300 dpi, or at the
// resolution that makes a side of the user's choosing as wide as the paper.
InkPage pdfPageFor(const RenderRequest& request) {
  InkPage page = defaultInkPage();
  if (request.mode == OutputMode::Tactile) {
    page.width = request.paperWidth * 100;
    page.length = request.paperLength * 100;
  } else if (request.inkSideGiven) {
    page.dpi = dpiForSide(page, request.inkSide);
  }
  return orientedPage(page, request.landscape);
}

// The page the request draws on, for its device: the embosser's of the sheet, the
// tactile page's with lines of `tactileLine`.
std::optional<Page> prepareRequestedPage(const RenderRequest& request, const EmbosserSheet& sheet,
                                         int32_t tactileLine, std::string& why) {
  if (request.mode == OutputMode::Tactile) return prepareTactilePage(pdfPageFor(request), tactileLine, why);
  why = messageText("PXNAOSUP");
  switch (request.mode) {
    case OutputMode::Embosser:
      return preparePage(embosserPageSpec(sheet));
    case OutputMode::InkPrinter: {
      const bool pdf = request.target == RenderTarget::Pdf;
      return preparePage(inkPageSpec(pdf ? static_cast<int32_t>(inkSideOf(printableDots(pdfPageFor(request))))
                                         : request.inkSide));
    }
    case OutputMode::Screen:
    case OutputMode::Tactile:
      break;
  }
  return preparePage(screenPageSpec(request.width, request.height));
}

// Why the output must not be written: it is the script; empty when it may be.
std::string scriptClash(const RenderRequest& request) {
  if (request.testDrawing || request.script == "-" || !sameFile(request.output, request.script)) return {};
  return withValues(messageText("PXSAIROT"), {request.output});
}

// Why the output must not be written: it is a data file the script read; empty when it
// may be. Asked once the script ran, before anything is written.
std::string dataFileClash(const RenderRequest& request, const BatchReports& told) {
  FileIdentity output;
  if (fileIdentityOf(request.output, output) != 0) return {};
  for (const BatchReports::DataFile& read : told.dataFilesRead()) {
    if (read.file.sameFileAs(output))
      return withValues(messageText("PXSAIDAD"), {request.output, read.name});
  }
  return {};
}

bool writeOutput(const RenderRequest& request, const Page& page, const std::vector<std::string>& lines,
                 SaveReport& report, std::string& error) {
  int failure = 0;
  switch (request.target) {
    case RenderTarget::EmbosserStream:
      failure = replaceFileAtomically(request.output, embosserStream(pagePixels(page), page.sheet.mode), &report);
      break;
    case RenderTarget::EmbosserPage:
      failure = replaceFileAtomically(request.output, embosserPageText(embosserPage(pagePixels(page))), &report);
      break;
    case RenderTarget::EmbosserPef:
      failure = replaceFileAtomically(request.output, embosserPagePef(embosserPage(pagePixels(page))), &report);
      break;
    case RenderTarget::Pdf:
      failure = replaceFileAtomically(request.output, [&](const ByteSink& sink) {
        return writePagePdf(page, pdfPageFor(request), sink);
      }, &report);
      break;
    case RenderTarget::Svg:
      failure = replaceFileAtomically(request.output, [&](const ByteSink& sink) {
        return page.paths() && writeTactileSvg(*page.paths(), pdfPageFor(request), lines, sink);
      }, &report);
      break;
    default:
      failure = savePageImage(page, request.output, imageFormatOf(request.target), &report);
  }
  if (failure != 0) error = withValues(messageText("PXNAOGRVA"), {saveFailureReason(failure, report)});
  return failure == 0;
}


}  // namespace

bool parseRenderArguments(int argc, char** argv, RenderRequest& request, bool& help, std::string& error) {
  bool modeGiven = false;
  std::string size;
  std::vector<std::string> scripts;
  const bool walked = walkBatchArguments(argc, argv, request, help, scripts, [&](int& i, std::string_view arg, std::string& why) {
    if (arg.starts_with("--mode=")) {
      const std::string_view mode = arg.substr(7);
      modeGiven = true;
      if (mode == "screen") {
        request.mode = OutputMode::Screen;
      } else if (mode == "embosser") {
        request.mode = OutputMode::Embosser;
      } else if (mode == "ink") {
        request.mode = OutputMode::InkPrinter;
      } else if (mode == "tactile") {
        request.mode = OutputMode::Tactile;
      } else {
        why = withValues(messageText("PXMODREN"), {mode});
        return false;
      }
    } else if (arg.starts_with("--size=")) {
      size = arg.substr(7);
      if (size.empty()) {
        why = withValues(messageText("PXFALTAVAL"), {"--size="});
        return false;
      }
    } else if (arg == "-o") {
      if (++i >= argc) {
        why = messageText("PXFALTAO");
        return false;
      }
      request.output = argv[i];
    } else if (arg.starts_with("-o")) {
      request.output = arg.substr(2);
    } else if (arg.starts_with("--output=")) {
      request.output = arg.substr(9);
    } else {
      return false;
    }
    return true;
  }, error);
  if (!walked || help) return walked;
  if (!takeBatchScript(scripts, request, error)) return false;
  if (request.output.empty()) {
    error = messageText("PXFALTASAI");
    return false;
  }
  if (!chooseTarget(request.output, request.target)) {
    error = withValues(messageText("PXEXTDESC"), {request.output});
    return false;
  }
  // The outputs of cells, whose page is the embosser's.
  const bool cells = request.target == RenderTarget::EmbosserStream || request.target == RenderTarget::EmbosserPage ||
                     request.target == RenderTarget::EmbosserPef;
  if (!modeGiven) {
    request.mode = cells                                  ? OutputMode::Embosser
                   : request.target == RenderTarget::Pdf ? OutputMode::InkPrinter
                   : request.target == RenderTarget::Svg ? OutputMode::Tactile
                                                          : OutputMode::Screen;
  }
  const bool page = request.target == RenderTarget::Pdf || request.target == RenderTarget::Svg;
  const bool tactile = request.mode == OutputMode::Tactile;
  if (request.target == RenderTarget::Pdf && request.mode != OutputMode::InkPrinter && !tactile) {
    error = messageText("PXPDFMODO");
    return false;
  }
  if (request.target == RenderTarget::Svg && !tactile) {
    error = messageText("PXSVGMODO");
    return false;
  }
  if (tactile && !page) {
    error = messageText("PXTATSAI");
    return false;
  }
  if (request.landscape && !page) {
    error = messageText("PXLANDREN");
    return false;
  }
  if (!size.empty() && cells) {
    error = messageText("PXSIZECEL");
    return false;
  }
  if (!size.empty()) {
    int width = 0, height = 0;
    if (!parseSize(size, width, height)) {
      error = withValues(messageText("PXSIZEINV"), {size, std::to_string(Canvas::kMaxSide)});
      return false;
    }
    if (tactile) {
      request.paperWidth = width;
      request.paperLength = height;
      return true;
    }
    if (request.mode == OutputMode::InkPrinter && width != height) {
      error = withValues(messageText("PXINKQUAD"), {size});
      return false;
    }
    request.width = width;
    request.height = height;
    request.inkSide = width;
    request.inkSideGiven = true;
  }
  return true;
}

int runRenderCommand(int argc, char** argv) {
  RenderRequest request;
  bool help = false;
  std::string error;
  const bool parsed = parseRenderArguments(argc, argv, request, help, error);
  const std::string usage = messageText("PXUSOREN") + embosserPageUsage() + tactileLineUsage() + brailleCodeUsage() + messageText("PXSTAREN");
  if (const int status = answerBatchUsage("render", parsed, help, error, usage); status >= 0) return status;
  EmbosserSheet sheet;
  int32_t tactileLine = 0;
  BatchReports told;
  if (!settleEmbosserSheet(request, sheet, error, told) || !settleTactileLine(request, tactileLine, error) ||
      !settleBrailleCode(request, error))
    return answerBatchUsage("render", false, false, error, usage);
  std::vector<std::string> lines;
  bool warned = false;
  if (!request.testDrawing && !readBatchScript(request.script, lines, error, warned)) return batchFailure("render", error);
  if (const std::string clash = scriptClash(request); !clash.empty()) return batchFailure("render", clash);

  std::string why;
  std::optional<Page> page = prepareRequestedPage(request, sheet, tactileLine, why);
  if (!page) return batchFailure("render", why);
  if (request.mode == OutputMode::Tactile) {
    drawTactileDrawing(*page, request.testDrawing, lines, told.reports());
  } else {
    drawBatchDrawing(*page, request.testDrawing, lines, told.reports());
  }
  if (const std::string clash = dataFileClash(request, told); !clash.empty()) return batchFailure("render", clash);
  SaveReport saved;
  const bool written = writeOutput(request, *page, lines, saved, error);
  if (!written) return batchFailure("render", request.output + ": " + error);
  if (const std::string note = ownershipNotKeptText(request.output, saved); !note.empty())
    told.tell(Outcome{}.tellText(note));
  // A batch user learns of a missing curve from the status, not by looking.
  return told.reported() || warned ? kBatchReported : kBatchDone;
}
