// The batch road: a script to a picture or an embosser stream, without the console.
#include "shell/render_command.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "console/options.h"
#include "console/text.h"
#include "console/transcript.h"
#include "devices/embosser_stream.h"
#include "language/interpreter.h"
#include "render/figures.h"
#include "render/image_surface.h"
#include "render/image_writer.h"
#include "shell/project/projectfile.h"

namespace {

constexpr int kDone = 0, kStoppedAtLine = 1, kFailed = 2;

constexpr char kUsage[] =
    "Uso: pontelix render [--mode=screen|embosser|ink] [--size=LxA] [--test-drawing] ROTEIRO -o SAIDA\n"
    "  ROTEIRO   arquivo de comandos (.pxg); \"-\" l\xc3\xaa a entrada padr\xc3\xa3o\n"
    "  SAIDA     .bmp, .png, .jpg/.jpeg (imagem), .brf (fluxo do impressor braille) ou\n"
    "            .txt (a p\xc3\xa1gina do impressor em padr\xc3\xb5" "es Braille Unicode, UTF-8)\n"
    "  --mode    superf\xc3\xad" "cie: tela (padr\xc3\xa3o), impressor braille (padr\xc3\xa3o para .brf e .txt)\n"
    "            ou tinta\n"
    "  --size    tela: largura x altura (padr\xc3\xa3o 1040x658); tinta: lado da p\xc3\xa1gina (padr\xc3\xa3o 2480)\n"
    "  --test-drawing  desenha o desenho de teste (ROTEIRO pode faltar)\n";

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         toUpperAnsi(text.substr(text.size() - suffix.size())) == toUpperAnsi(suffix);
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
    case RenderTarget::EmbosserPage: break;
  }
  return ImageFormat::None;
}

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

bool readScript(const std::string& name, std::vector<std::string>& lines, std::string& error) {
  ProjectText text;
  if (name == "-") {
    std::string bytes;
    if (!readAllOfStdin(bytes)) {
      error = std::string("n\xc3\xa3o foi poss\xc3\xadvel ler a entrada padr\xc3\xa3o: ") + std::strerror(errno);
      return false;
    }
    text = decodeProjectText(bytes);
  } else if (const int err = readProjectFile(name, text); err != 0) {
    error = "n\xc3\xa3o foi poss\xc3\xadvel ler " + name + ": " + std::strerror(err);
    return false;
  }
  lines = std::move(text.lines);
  return true;
}

// While it lives, nothing is heard and every text that would have been heard (the
// data-file reader's messages) goes to standard error instead.
class SilentRun {
 public:
  SilentRun() {
    ConOptions options = conOptions();
    options.speech = SpeechChoice::None;
    conSetOptions(options);
    transcriptSetListener([](std::string_view kind, std::string_view text) {
      if (kind == "say" && !text.empty()) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    });
  }
  ~SilentRun() { transcriptSetListener({}); }
  SilentRun(const SilentRun&) = delete;
  SilentRun& operator=(const SilentRun&) = delete;
};

bool prepareRequestedSurface(const RenderRequest& request) {
  outputMode = request.mode;
  setScreenSurfaceSize(request.width, request.height);
  setInkPageSide(request.inkSide);
  return prepareSurface();
}

bool writeOutput(const RenderRequest& request, std::string& error) {
  int failure = 0;
  if (request.target == RenderTarget::EmbosserStream) {
    failure = replaceFileAtomically(request.output, embosserStream(surfacePixels()));
  } else if (request.target == RenderTarget::EmbosserPage) {
    failure = replaceFileAtomically(request.output, embosserPageText(embosserPage(surfacePixels())));
  } else {
    failure = saveSurfaceImage(request.output, imageFormatOf(request.target));
  }
  if (failure != 0) error = std::string("n\xc3\xa3o foi poss\xc3\xadvel gravar o arquivo: ") + std::strerror(failure);
  return failure == 0;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "pontelix render: %s\n", message.c_str());
  return kFailed;
}

}  // namespace

bool parseRenderArguments(int argc, char** argv, RenderRequest& request, bool& help, std::string& error) {
  help = false;
  bool modeGiven = false, optionsEnded = false;
  std::string size;
  std::vector<std::string> scripts;
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
    } else if (arg.starts_with("--mode=")) {
      const std::string_view mode = arg.substr(7);
      modeGiven = true;
      if (mode == "screen") {
        request.mode = OutputMode::Screen;
      } else if (mode == "embosser") {
        request.mode = OutputMode::Embosser;
      } else if (mode == "ink") {
        request.mode = OutputMode::InkPrinter;
      } else {
        error = "modo desconhecido: " + std::string(mode) + " (use screen, embosser ou ink)";
        return false;
      }
    } else if (arg.starts_with("--size=")) {
      size = arg.substr(7);
    } else if (arg == "-o") {
      if (++i >= argc) {
        error = "falta o nome da sa\xc3\xad" "da depois de -o";
        return false;
      }
      request.output = argv[i];
    } else if (arg.starts_with("-o")) {
      request.output = arg.substr(2);
    } else if (arg.starts_with("--output=")) {
      request.output = arg.substr(9);
    } else {
      error = "op\xc3\xa7\xc3\xa3o desconhecida: " + std::string(arg);
      return false;
    }
  }
  if (scripts.size() > 1) {
    error = "mais de um roteiro: " + scripts[0] + " e " + scripts[1];
    return false;
  }
  if (scripts.empty() && !request.testDrawing) {
    error = "falta o roteiro";
    return false;
  }
  if (!scripts.empty()) request.script = scripts[0];
  if (request.output.empty()) {
    error = "falta a sa\xc3\xad" "da (-o ARQUIVO)";
    return false;
  }
  if (!chooseTarget(request.output, request.target)) {
    error = "extens\xc3\xa3o de sa\xc3\xad" "da desconhecida: " + request.output + " (use .bmp, .png, .jpg, .jpeg, .brf ou .txt)";
    return false;
  }
  const bool cells = request.target == RenderTarget::EmbosserStream || request.target == RenderTarget::EmbosserPage;
  if (!modeGiven) request.mode = cells ? OutputMode::Embosser : OutputMode::Screen;
  if (!size.empty()) {
    int width = 0, height = 0;
    if (!parseSize(size, width, height)) {
      error = "tamanho inv\xc3\xa1lido: " + size + " (use LxA, de 1 a " + std::to_string(Canvas::kMaxSide) + ")";
      return false;
    }
    if (request.mode == OutputMode::InkPrinter && width != height) {
      error = "a p\xc3\xa1gina de tinta \xc3\xa9 quadrada: " + size;
      return false;
    }
    request.width = width;
    request.height = height;
    request.inkSide = width;
  }
  return true;
}

int runRenderCommand(int argc, char** argv) {
  RenderRequest request;
  bool help = false;
  std::string error;
  if (!parseRenderArguments(argc, argv, request, help, error)) {
    std::fprintf(stderr, "pontelix render: %s\n%s", error.c_str(), kUsage);
    return kFailed;
  }
  if (help) {
    std::fputs(kUsage, stdout);
    return kDone;
  }
  std::vector<std::string> lines;
  if (!request.testDrawing && !readScript(request.script, lines, error)) return fail(error);

  SilentRun silent;
  if (!prepareRequestedSurface(request)) return fail("n\xc3\xa3o foi poss\xc3\xadvel criar a superf\xc3\xad" "cie de desenho");
  int status = kDone;
  if (request.testDrawing) {
    renderTestDrawing();
  } else if (runScript(lines, writtenScriptReports(stderr)) != ScriptOutcome::Completed) {
    status = kStoppedAtLine;
  }
  const bool written = writeOutput(request, error);
  freeSurface();
  if (!written) return fail(request.output + ": " + error);
  return status;
}
