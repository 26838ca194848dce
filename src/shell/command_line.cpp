#include "shell/command_line.h"

#include <cstdio>
#include <string_view>

#include "platform/text/file_read.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "project/project.h"
#include "shell/install_layout.h"
#include "shell/version.h"

namespace {

bool takeValue(std::string_view arg, std::string_view name, std::string& value) {
  if (arg.size() <= name.size() || arg.substr(0, name.size()) != name || arg[name.size()] != '=') {
    return false;
  }
  value = std::string(arg.substr(name.size() + 1));
  return true;
}

CommandLine failure(CommandLine cl, std::string message) {
  cl.action = CommandLine::Action::Error;
  cl.error = std::move(message);
  return cl;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv, bool hasDisplay) {
  CommandLine cl;
  cl.options.ui = hasDisplay ? UiChoice::Window : UiChoice::Terminal;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string value;
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      // File names are bytes as the system gives them, in whatever encoding.
      cl.args.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      cl.action = CommandLine::Action::Help;
      return cl;
    } else if (arg == "--version") {
      cl.action = CommandLine::Action::Version;
      return cl;
    } else if (takeValue(arg, "--ui", value)) {
      if (value == "window") cl.options.ui = UiChoice::Window;
      else if (value == "terminal") cl.options.ui = UiChoice::Terminal;
      else if (value == "headless") cl.options.ui = UiChoice::Headless;
      else return failure(cl, "--ui deve ser window, terminal ou headless: " + value);
      cl.uiGiven = true;
    } else if (takeValue(arg, "--speech", value)) {
      if (value == "espeak") cl.options.speech = SpeechChoice::Espeak;
      else if (value == "speechd") cl.options.speech = SpeechChoice::Speechd;
      else if (value == "none") cl.options.speech = SpeechChoice::None;
      else return failure(cl, "--speech deve ser espeak, speechd ou none: " + value);
    } else if (takeValue(arg, "--keys", cl.keysFile) || takeValue(arg, "--transcript", cl.transcriptFile) ||
               takeValue(arg, "--screen", cl.screenFile) || takeValue(arg, "--picture", cl.pictureFile) ||
               takeValue(arg, "--braille-display", cl.brailleDisplayFile)) {
    } else {
      return failure(cl, "op\xc3\xa7\xc3\xa3o desconhecida: " + std::string(arg));
    }
  }
  if (!cl.keysFile.empty() && cl.options.ui != UiChoice::Headless) {
    return failure(cl, "--keys s\xc3\xb3 vale com --ui=headless");
  }
  if (!cl.pictureFile.empty() && cl.options.ui != UiChoice::Headless) {
    return failure(cl, "--picture s\xc3\xb3 vale com --ui=headless");
  }
  if (!cl.brailleDisplayFile.empty() && cl.options.ui != UiChoice::Headless) {
    return failure(cl, "--braille-display s\xc3\xb3 vale com --ui=headless");
  }
  if (cl.args.size() > 1) return failure(cl, "mais de um projeto: " + cl.args[1]);
  return cl;
}

std::string commandLineHelp() {
  std::string reference = installedReference();
  if (reference.empty()) reference = "doc/comandos.md (no c\xc3\xb3""digo-fonte)";
  return std::string("Pontelix ") + kPontelixVersion +
         " - gr\xc3\xa1""ficos t\xc3\xa1teis falados\n"
         "\n"
         "Uso:\n"
         "  pontelix [OP\xc3\x87\xc3\x95""ES] [PROJETO]   programa interativo (PROJETO: arquivo .pxg)\n"
         "  pontelix render [OP\xc3\x87\xc3\x95""ES] ROTEIRO -o SAIDA\n"
         "                                 desenha o roteiro em .bmp, .png, .jpg, .brf, .txt,\n"
         "                                 .pef, .pdf ou .svg,\n"
         "                                 sem falar (op\xc3\xa7\xc3\xb5""es: pontelix render --help)\n"
         "  pontelix print [--printer=NOME] [OP\xc3\x87\xc3\x95""ES] [ROTEIRO]\n"
         "                                 imprime o roteiro no impressor braille ou na\n"
         "                                 impressora a tinta (pontelix print --help; --list)\n"
         "  pontelix check [OP\xc3\x87\xc3\x95""ES] ROTEIRO\n"
         "                                 confere a p\xc3\xa1gina do impressor braille e escreve\n"
         "                                 os avisos (pontelix check --help)\n"
         "  pontelix braille [--format=unicode|ascii|dots] [TEXTO...]\n"
         "                                 o texto (ou cada linha da entrada) em celas Braille\n"
         "  pontelix --version             vers\xc3\xa3o\n"
         "  pontelix --help                esta ajuda\n"
         "\n"
         "Op\xc3\xa7\xc3\xb5""es:\n"
         "  --ui=window|terminal|headless  interface: janela gr\xc3\xa1""fica, terminal, ou sem tela\n"
         "                                 (padr\xc3\xa3o: janela quando h\xc3\xa1 tela, sen\xc3\xa3o terminal)\n"
         "  --speech=espeak|speechd|none   fala: espeak-ng, speech-dispatcher ou sil\xc3\xaanc""io\n"
         "                                 (padr\xc3\xa3o: conforme TRADUTOR/SAPI em Tramel.ini)\n"
         "  --keys=ARQUIVO                 com --ui=headless: as teclas, em texto UTF-8; cada\n"
         "                                 caractere \xc3\xa9 a tecla que o digita; <Enter> <Esc> <Tab>\n"
         "                                 <BS> <Up> <Down> <Left> <Right> <Home> <End> <PgUp>\n"
         "                                 <PgDn> <Ins> <Del> <F1>..<F12>, com Ctrl+ Shift+ Alt+\n"
         "                                 (<Ctrl+V>, <Shift+Ins>, <Alt+F4>); <lt> \xc3\xa9 \"<\".\n"
         "                                 Sem mais teclas, o programa termina (status 0).\n"
         "  --transcript=ARQUIVO           grava, uma por linha, cada coisa falada ou tocada\n"
         "                                 (say:, play:, spell:, click, tick, tone:, beep)\n"
         "  --screen=ARQUIVO               grava as 25 linhas da tela ao terminar\n"
         "  --picture=ARQUIVO              com --ui=headless: grava em PNG, ao terminar, a\n"
         "                                 \xc3\xbaltima imagem mostrada sobre a tela (op\xc3\xa7\xc3\xa3o V);\n"
         "                                 sem imagem mostrada, nenhum arquivo\n"
         "  --braille-display=ARQUIVO      com --ui=headless: simula uma linha braille de 40\n"
         "                                 celas e grava, ao terminar, cada escrita nela como\n"
         "                                 uma linha de padr\xc3\xb5""es Braille Unicode\n"
         "\n"
         "Configura\xc3\xa7\xc3\xa3o: $XDG_CONFIG_HOME/tramel/Tramel.ini (sem a vari\xc3\xa1vel,\n"
         "~/.config/tramel/Tramel.ini; se ele n\xc3\xa3o existe, /etc/tramel/Tramel.ini): fala\n"
         "(TRADUTOR, SERVFALA, SINTETIZADOR), grava\xc3\xa7\xc3\xb5""es (PONTELIX, TRAMEL), janela\n"
         "(VIDEO) e teclado braille (BRAILLE). Cada chave, seu padr\xc3\xa3o e seu efeito: man\n"
         "pontelix, se\xc3\xa7\xc3\xa3o CONFIGURA\xc3\x87\xc3\x83O, e " + reference + ",\n"
         "que tamb\xc3\xa9m descreve todos os comandos de desenho. A op\xc3\xa7\xc3\xa3o C do programa\n"
         "grava, falando: TRADUTOR/VELOCIDADE (1 a 5), TRADUTOR/SAPI (Sim ou N\xc3\xa3o),\n"
         "SERVFALA/VOZ (0: a padr\xc3\xa3o; n: a n-\xc3\xa9sima voz portuguesa), SERVFALA/VELOCIDADE e\n"
         "TOM (-10 a 10), PONTELIX/IMPBRAILLE e IMPTINTA (as impressoras oferecidas primeiro\n"
         "por B e por I), PONTELIX/PAGBRAILLE, CELAS, LINHAS e MODOBRAILLE (a p\xc3\xa1gina do\n"
         "impressor braille), PONTELIX/PAPELTINTA e ESPESSURATATIL (o papel de I quando Enter\n"
         "responde, comum ou microcapsulado, e a largura das linhas t\xc3\xa1teis em mil\xc3\xadmetros) e\n"
         "TRADUTOR/DIRLETRAS (a pasta das letras gravadas).\n";
}

std::string commandLineOutputClash(const CommandLine& cl) {
  const struct {
    const char* option;
    const std::string& path;
  } outputs[] = {{"--transcript", cl.transcriptFile},
                 {"--screen", cl.screenFile},
                 {"--picture", cl.pictureFile},
                 {"--braille-display", cl.brailleDisplayFile}};
  const std::string project = cl.args.empty() ? std::string() : projectPathOfArgument(cl.args[0]);
  for (const auto& output : outputs) {
    if (output.path.empty()) continue;
    const std::string named = std::string(output.option) + "=" + output.path;
    if (!project.empty() && sameFile(output.path, project))
      return withValues(messageText("PXSAIPRJ"), {named});
    if (!cl.keysFile.empty() && sameFile(output.path, cl.keysFile))
      return withValues(messageText("PXSAITEC"), {named});
  }
  return {};
}

int answerCommandLine(const CommandLine& cl) {
  switch (cl.action) {
    case CommandLine::Action::Help:
      std::fputs(commandLineHelp().c_str(), stdout);
      return 0;
    case CommandLine::Action::Version:
      std::printf("Pontelix %s\n", kPontelixVersion);
      return 0;
    case CommandLine::Action::Error:
      std::fprintf(stderr, "pontelix: %s\n(veja pontelix --help)\n", shownLine(cl.error).c_str());
      return kUsageError;
    case CommandLine::Action::Run:
      break;
  }
  return kUsageError;
}
