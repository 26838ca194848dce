// The program from greeting to goodbye, and the main menu, through the real program.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "shell/program_run.h"

namespace {

using ProgramMenu = ProgramRun;

const std::string kPrompt = "say: Pontelix - Que deseja? ";
const std::string kConfirm = "say: Confirma o fim do pontelix? ";
const std::string kCancelled = "say: Cancelado";
const std::string kGoodbye = "say: Fim do Pontelix";
const std::string kInvalid = "Opção inválida";
const std::string kNotImplemented = "Não implementado";

TEST_F(ProgramMenu, GreetsTakesTheNameFromTheCommandLineAndEnds) {
  EXPECT_EQ(run("<Esc>s", "  figura  "), 0);
  EXPECT_TRUE(heardInOrder({"say: Pontelix - ", "say: 1.0 alfa", "say: Arquivo novo",
                            "say: Aperte F1 para ouvir as opções ou F9 para escolher uma", kPrompt, kConfirm, kGoodbye}));
  EXPECT_EQ(timesSaid("Informe o nome do arquivo"), 0);
  EXPECT_EQ(timesSaid("O projeto ainda não foi salvo."), 0);
  // The hint is only heard; the greeting and the version share a line.
  EXPECT_EQ(screen().find("Aperte F9"), std::string::npos);
  EXPECT_NE(screen().find("Fim do Pontelix"), std::string::npos);
  EXPECT_EQ(readBytes(dir_.file("err.txt")), "");
}

// In English a whole lesson is heard in English: a new project, a circle built with P,
// V, the check, S, and the end, which Y confirms and S does not.
TEST_F(ProgramMenu, InEnglishALessonHearsNoPortugueseAndYConfirms) {
  options_ = "--language=en";
  EXPECT_EQ(run("aula.pxg<Enter>" "pci0 0<Enter>5<Esc><Esc>" "v<Esc>" "r" "sy" "<Esc>s<Esc>y"), 0);
  EXPECT_EQ(readBytes(dir_.file("aula.pxg")), "CI 0 0 5\r\n");
  EXPECT_TRUE(heardInOrder({"say: 1.0 alpha", "say: Type the file name", "say: New file", "say: Circle",
                            "say: Added: CI 0 0 5", "say: Checking the embosser page.", "say: No warnings.",
                            "say: Do you want to save the file (Y/N)? ", "say: File saved.",
                            "say: Do you want to quit Pontelix? ", "say: Canceled",
                            "say: Do you want to quit Pontelix? ", "say: Pontelix has ended"}))
      << transcriptText();
  // Portuguese shows in its accents and its most common words.
  const auto portuguese = [](const std::string& text) {
    static const std::regex words("\\b(de|da|nao|uma|para|com|arquivo|linha|Aperte|Digite|Desistiu|Informe)\\b");
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) ||
           std::regex_search(text, words);
  };
  for (const std::string& line : heard()) EXPECT_FALSE(portuguese(line)) << line;
  EXPECT_FALSE(portuguese(screen())) << screen();
}

// A key script is a patient user: it types when the program asks, never while a message
// is being spoken, so no key is lost to the clicks that discard keys typed ahead. This
// holds with the real synthesizer, with or without an audio device.
TEST_F(ProgramMenu, WithTheRealVoiceNoScriptKeyIsLost) {
  speech_ = "espeak";
  for (const char* audio : {"SDL_AUDIODRIVER=dummy", "SDL_AUDIODRIVER=nenhum"}) {
    speechEnvironment_ = audio;
    EXPECT_EQ(run("aula<Enter><Esc>s"), 0) << audio;
    EXPECT_TRUE(heardInOrder({"say: Informe o nome do arquivo", "spell: a", "spell: u", "spell: l", "spell: a",
                              "say: Arquivo novo", kPrompt, kConfirm, "spell: s", kGoodbye}))
        << audio << "\n" << transcriptText();
    // Without a device it is said once, on standard error as well as on the screen.
    const bool silent = std::string(audio).ends_with("nenhum");
    EXPECT_EQ(readBytes(dir_.file("err.txt")).find("pontelix: Sem som: ") == 0, silent) << audio;
    // and below the menu's first prompt, where the banner no longer covers it.
    EXPECT_EQ(run("aula<Enter>"), 0) << audio;
    const std::string shown = screen();
    const size_t below = shown.find("Sem som: ");
    EXPECT_EQ(below != std::string::npos && below > shown.find("Pontelix - Que deseja?"), silent) << audio << "\n" << shown;
  }
}

TEST_F(ProgramMenu, EscAtTheNameEndsWithoutTheMenu) {
  EXPECT_EQ(run("<Esc>"), 0);
  EXPECT_TRUE(heardInOrder({"say: Informe o nome do arquivo", "say: Desistiu...", kGoodbye}));
  EXPECT_EQ(timesSaid("Pontelix - Que deseja? "), 0);
  EXPECT_EQ(timesSaid("Confirma o fim do pontelix? "), 0);

  // A name begun and given up leaves its line to the message.
  EXPECT_EQ(run("figura<Esc>"), 0);
  EXPECT_EQ(screen().find("figura"), std::string::npos);
  EXPECT_NE(screen().find("\nDesistiu...\nFim do Pontelix"), std::string::npos);
}

TEST_F(ProgramMenu, LettersInEitherCaseAndTheTestDrawingCodesAreOptions) {
  // Ctrl+V shows the test drawing until a key that does not explore it (Esc); Ctrl+B,
  // Tab and Ctrl+I ask for a printer, and there is none.
  EXPECT_EQ(run("c<Esc>C<Esc><Ctrl+V><Esc><Ctrl+B><Tab><Ctrl+I><Esc>s", "p"), 0);
  EXPECT_EQ(timesSaid("Configuração"), 2);
  EXPECT_EQ(timesSaid(kNotImplemented), 0);
  EXPECT_EQ(timesSaid("Selecione a impressora Braille"), 1);
  EXPECT_EQ(timesSaid("Selecione a impressora a tinta"), 2);
  EXPECT_EQ(timesSaid(kInvalid), 0);
}

TEST_F(ProgramMenu, EverythingElseIsAnInvalidOption) {
  EXPECT_EQ(run("<F2>x1<Ctrl+A><Left><Shift+Down><Shift+PgUp><Ctrl+F1><Esc>s", "p"), 0);
  EXPECT_EQ(timesSaid(kInvalid), 8);
  EXPECT_EQ(timesSaid(kNotImplemented), 0);
}

TEST_F(ProgramMenu, AltLettersAreNoKeysAndAltF4EndsAtOnce) {
  EXPECT_EQ(run("<Alt+x><Alt+F4>s", "p"), 0);
  EXPECT_EQ(timesSaid(kInvalid), 0);
  EXPECT_EQ(timesSaid("Confirma o fim do pontelix? "), 0);
  EXPECT_EQ(timesSaid("Fim do Pontelix"), 0);
  EXPECT_EQ(timesSaid("Pontelix - Que deseja? "), 1);
}

TEST_F(ProgramMenu, EnterAloneOnlyAsksAgain) {
  EXPECT_EQ(run("<Enter><Enter><Esc>s", "p"), 0);
  const auto lines = heard();
  const auto first = std::find(lines.begin(), lines.end(), kPrompt);
  ASSERT_NE(first, lines.end());
  // Nothing but the prompt is said between the prompts.
  EXPECT_EQ(*(first + 1), kPrompt);
  EXPECT_EQ(*(first + 2), kPrompt);
  EXPECT_EQ(*(first + 3), kConfirm);
}

TEST_F(ProgramMenu, F9AndTheArrowsOpenTheOptionMenu) {
  // F9 then Esc cancels the menu, which asks to end; Up, End, Enter chooses the last
  // item, which does too; Down to the eighth item chooses C.
  EXPECT_EQ(run("<F9><Esc>n<Up><End><Enter>n"
                "<Down><Down><Down><Down><Down><Down><Down><Down><Enter><Esc><Esc>s",
                "p"),
            0);
  EXPECT_EQ(timesSaid("As opções são:"), 3);
  EXPECT_TRUE(heardInOrder({"say: As opções são:", "say: P - passo-a-passo interativo",
                            kConfirm, kCancelled, "say: As opções são:", "say: ESC - terminar",
                            kConfirm, kCancelled, "say: As opções são:", "say: C - configurar",
                            "say: Configuração", kCancelled, kPrompt, kConfirm, kGoodbye}));
}

TEST_F(ProgramMenu, OnlySEndsTheProgram) {
  EXPECT_EQ(run("<Esc>N<Esc><Esc><Esc>x<Esc>S", "p"), 0);
  EXPECT_EQ(timesSaid("Cancelado"), 3);
  EXPECT_EQ(timesSaid("Confirma o fim do pontelix? "), 4);
  EXPECT_TRUE(heardInOrder({kCancelled, kCancelled, kCancelled, kConfirm, kGoodbye}));
}

TEST_F(ProgramMenu, F1SaysTwelveLinesNBeforeIThenClicks) {
  EXPECT_EQ(run("<F1><Esc>s", "p"), 0);
  const auto lines = heard();
  const auto start = std::find(lines.begin(), lines.end(), "say: As opções são:");
  const std::vector<std::string> expected{
      "say: As opções são:",
      "say: P - passo-a-passo interativo",
      "say: E - editar os comandos para graficar",
      "say: V - visualizar",
      "say: S - salvar os comandos gráficos",
      "say: B - imprimir em Braille",
      "say: N - novo gráfico",
      "say: I - imprimir em tinta",
      "say: G - gravar imagem do gráfico",
      "say: C - configurar",
      "say: R - revisar o desenho antes de imprimir",
      "say: ESC - terminar",
      "click",
      kPrompt};
  ASSERT_GE(std::distance(start, lines.end()), static_cast<long>(expected.size()));
  EXPECT_EQ(std::vector<std::string>(start, start + static_cast<long>(expected.size())), expected);
  // The list stays written for the eye until the next option.
  EXPECT_NE(screen().find("R - revisar o desenho antes de imprimir"), std::string::npos) << screen();
  // The keys pressed after F1 reach the menu.
  EXPECT_TRUE(heardInOrder({"click", kPrompt, kConfirm, kGoodbye}));
}

TEST_F(ProgramMenu, UnsavedChangesAskASecondQuestion) {
  // N declines the save and starts a new, empty project "novo": unsaved until S.
  EXPECT_EQ(run("Nnnovo<Enter><Esc>sn<Esc>ss", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Quer salvar o arquivo (S/N)? ", "say: Desistiu...",
                            "say: Arquivo novo", kConfirm, "say: O projeto ainda não foi salvo.",
                            "say: Confirma que não quer gravar? ", kCancelled, kConfirm,
                            "say: O projeto ainda não foi salvo.", kGoodbye}));
  EXPECT_FALSE(std::filesystem::exists(dir_.file("novo.pxg")));

  // Once saved, one question is enough.
  EXPECT_EQ(run("Nnnovo<Enter>Ss<Esc>s", "p"), 0);
  EXPECT_EQ(timesSaid("O projeto ainda não foi salvo."), 0);
  EXPECT_TRUE(std::filesystem::exists(dir_.file("novo.pxg")));
}

}  // namespace

namespace {

// A short silent PCM WAVE file.
std::string silentWave() {
  std::string wave = "RIFF";
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) wave += static_cast<char>(v >> (8 * i)); };
  auto put16 = [&](uint16_t v) { for (int i = 0; i < 2; ++i) wave += static_cast<char>(v >> (8 * i)); };
  put32(36 + 8);
  wave += "WAVEfmt ";
  put32(16), put16(1), put16(1), put32(11025), put32(11025), put16(1), put16(8);
  wave += "data";
  put32(8);
  wave += std::string(8, '\x80');
  return wave;
}

TEST_F(ProgramMenu, RecordingsComeFromTheConfiguredSoundDirectory) {
  std::filesystem::create_directories(dir_.file("config/tramel"));
  std::filesystem::create_directories(dir_.file("sons"));
  std::filesystem::create_directories(dir_.file("suite/som/pontelix"));
  writeBytes(dir_.file("sons/PXINIC.wav"), silentWave());
  writeBytes(dir_.file("suite/som/pontelix/PXFIM.wav"), silentWave());

  writeBytes(dir_.file("config/tramel/Tramel.ini"),
             "[PONTELIX]\nDIRPONTELIX=" + dir_.file("sons") + "\n[TRAMEL]\nPGMTRAMEL=" +
                 dir_.file("suite") + "\n");
  EXPECT_EQ(run("<Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"play: PXINIC.wav", "say: 1.0 alfa", kGoodbye}));
  EXPECT_EQ(timesSaid("Pontelix - "), 0);

  // Without a directory of its own the program looks in the suite's.
  writeBytes(dir_.file("config/tramel/Tramel.ini"), "[TRAMEL]\nPGMTRAMEL=" + dir_.file("suite") + "\n");
  EXPECT_EQ(run("<Esc>s", "p"), 0);
  EXPECT_TRUE(heardInOrder({"say: Pontelix - ", "play: PXFIM.wav"}));
  EXPECT_EQ(timesSaid("Fim do Pontelix"), 0);
}

}  // namespace

namespace {

// R says how many findings, each one until Esc, and the summary.
TEST_F(ProgramMenu, RSaysTheFindingsOneByOneUntilEscThenTheSummary) {
  writeBytes(dir_.file("fora.pxg"), "CI 0 0 30\r\nPT 100 100\r\nCI 0 0 5\r\n");
  EXPECT_EQ(run("r<Enter><Esc>r<Enter><Enter><Esc>s", "fora.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Conferindo a página do impressor braille.",
                            "say: O desenho tem 2 avisos. Enter passa ao seguinte, Esc para.",
                            "say: Linha 0: o círculo fica todo fora da página: CI 0 0 30",
                            "say: Linha 1: o ponto não desenha nada na página: PT 100 100", "say: Cancelado",
                            "say: 1 linha desenhou; o desenho ocupa as fileiras 15 a 30, celas 25 a 41, de uma página "
                            "de 44 fileiras por 66 celas.",
                            "say: Linha 1: o ponto não desenha nada na página: PT 100 100", kPrompt}))
      << transcriptText();
}

}  // namespace
