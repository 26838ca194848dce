// Option C in the test's own process, with speech engines that tell what they were
// started with and what they said.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/config/options.h"
#include "platform/platform_backends.h"
#include "heard_in_order.h"
#include "output/printing/configured_printer.h"
#include "output/printing/fake_spooler.h"
#include "platform/text/in_language.h"
#include "shell/program.h"

namespace {

std::vector<std::string>& engineLog() {
  static std::vector<std::string> log;
  return log;
}

class LoggingEngine : public SpeechEngine {
 public:
  explicit LoggingEngine(std::string name) : name_(std::move(name)) {}
  bool walksText() const override { return false; }
  void say(std::string_view text) override { engineLog().push_back(name_ + ": " + std::string(text)); }
  void sayCharacter(char32_t) override {}

 private:
  std::string name_;
};

std::unique_ptr<SpeechEngine> ownEngine(int speed, SynthOutput, EspeakStartError&) {
  const std::string name = "own " + std::to_string(speed);
  engineLog().push_back(name);
  return std::make_unique<LoggingEngine>(name);
}

// Whether the stand-in speech server answers.
bool gServerAnswers = true;

std::unique_ptr<SpeechEngine> externalEngine(const DispatcherSettings& s, int) {
  if (!gServerAnswers) return nullptr;
  const std::string name = "external voice " + std::to_string(s.voice) + " rate " + std::to_string(s.rate) +
                           " pitch " + std::to_string(s.pitch);
  engineLog().push_back(name);
  return std::make_unique<LoggingEngine>(name);
}

std::vector<std::string> twoVoices(int) { return {"Let\xed" "cia", "Raquel"}; }

class Configure : public SpoolerTest {
 protected:
  void SetUp() override {
    SpoolerTest::SetUp();
    engineLog().clear();
    gServerAnswers = true;
    setPlatformBackends({ownEngine, externalEngine, nullptr, twoVoices});
    conSetOptions({UiChoice::Headless, SpeechChoice::Auto});
    letters_ = dir_ + "/letras";
    std::filesystem::create_directories(letters_);
  }
  void TearDown() override {
    SpoolerTest::TearDown();
    setPlatformBackends({});
    conSetOptions({});
  }

  bool heardInOrder(std::initializer_list<std::string> events) { return eventsInOrder(heard(), events); }
  std::string ini() const { return dir_ + "/config/tramel/Tramel.ini"; }
  std::string readIni() const {
    std::ifstream in(ini(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Starts speech from the file as the program does, then runs option C with the keys.
  void configureWith(const std::string& keys) {
    spkStart(0, dir_);
    speechStarted_ = true;
    user(keys);
    configure();
  }

  std::string letters_;
};

}  // namespace

TEST_F(Configure, EveryFieldChangedIsWrittenAmongTheUsersOwnLinesAndAppliedAtOnce) {
  const std::string before = "; configura\xc3\xa7\xc3\xa3o do professor\r\n[TRADUTOR]\r\nVELOCIDADE=3\r\nDIRLETRAS=" +
                             letters_ + "\r\n[SERVFALA]\r\nTIPOSAPI=0\r\nFUTURO=guardado\r\n[PONTELIX]\r\n; nada aqui\r\n";
  writeFile(ini(), before);
  const std::string sounds = dir_ + "/outras";
  std::filesystem::create_directories(sounds);
  // Speed, engine, the second voice from the F9 list, rate, pitch, past the printers,
  // the letters' folder.
  configureWith("4<Enter>s<Enter><F9><Down><Down><Enter><Enter>5<Enter>-3<Enter><Enter><Enter>" + sounds +
                "<PgDn>");

  EXPECT_EQ(readIni(), "; configura\xc3\xa7\xc3\xa3o do professor\r\n[TRADUTOR]\r\nVELOCIDADE=4\r\nDIRLETRAS=" + sounds +
                           "\r\nSAPI=Sim\r\n[SERVFALA]\r\nTIPOSAPI=0\r\nFUTURO=guardado\r\nVOZ=2\r\nVELOCIDADE=5\r\n"
                           "TOM=-3\r\n[PONTELIX]\r\n; nada aqui\r\n");
  // The voices came from the server, numbered as SERVFALA/VOZ counts them.
  EXPECT_TRUE(heardInOrder({"say: Voz externa", "say: 0 - padrão", "say: 0 - padrão", "say: 1 - Letícia",
                            "say: 2 - Raquel", "say: Voz externa", "say: 2 - Raquel"}));
  // Speech started again from the new file before the confirmation, which the new
  // external engine speaks.
  const std::vector<std::string> expected = {"own 4", "external voice 2 rate 50 pitch -30",
                                             "external voice 2 rate 50 pitch -30: Configuração gravada."};
  ASSERT_GE(engineLog().size(), 3u);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), engineLog().end() - 3));
  EXPECT_EQ(cfgReadValue("TRADUTOR", "DIRLETRAS"), sounds);
}

TEST_F(Configure, AWrongValueIsSaidAndAskedAgainWhereItStandsAndEscWritesNothing) {
  const std::string before = "[TRADUTOR]\nVELOCIDADE=2\n; fim\n";
  writeFile(ini(), before);
  // The letters' folder is the eighth field, eight above the last.
  configureWith("9<PgDn>3<Ctrl+Down><Up><Up><Up><Up><Up><Up><Up><Up>" + dir_ + "/nao/existe<PgDn><Ctrl+Y><Ctrl+Up><Enter>ok<PgDn><Esc>");

  EXPECT_TRUE(heardInOrder({"say: Configuração", "say: Velocidade da fala", "say: 2", "spell: 9",
                            "say: Velocidade da fala: use um número de 1 a 5.", "say: Velocidade da fala",
                            "say: 9",
                            "say: Pasta das letras gravadas: pasta não encontrada.",
                            "say: Pasta das letras gravadas", "say: " + dir_ + "/nao/existe",
                            "say: Sintetizador externo: responda Sim ou Não.", "say: Sintetizador externo",
                            "say: ok", "say: Cancelado"}))
      << transcript();
  EXPECT_EQ(readIni(), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ + "/config/tramel"), {}), 1);
  // Speech was not started again.
  EXPECT_EQ(engineLog().front(), "own 2");
  EXPECT_EQ(std::count(engineLog().begin(), engineLog().end(), "own 3"), 0);
}

TEST_F(Configure, UntouchedFieldsAreNotWrittenAndWrongFileValuesShowAsUsed) {
  // A speed the services would not take shows as the 3 they use; the "@" spelling of
  // the letters' folder stays in the file while other fields change.
  const std::string before = "[TRADUTOR]\nVELOCIDADE=7\nDIRLETRAS=@@\\letras\n[SERVFALA]\nVOZ=x\n";
  writeFile(ini(), before);
  std::filesystem::create_directories(dir_ + "/config/tramel/letras");
  configureWith("<PgDn>");
  EXPECT_TRUE(heardInOrder({"say: Velocidade da fala", "say: 3", "say: Nada mudou."}));
  EXPECT_EQ(readIni(), before);

  configureWith("<Enter><Enter><Enter>2<PgDn>");
  EXPECT_EQ(readIni(), "[TRADUTOR]\nVELOCIDADE=7\nDIRLETRAS=@@\\letras\n[SERVFALA]\nVOZ=x\nVELOCIDADE=2\n");
}

TEST_F(Configure, PrintersComeFromThePrinterListStartingOnTheFieldsOwnAndAnUnknownOneIsRefused) {
  writeFile(ini(), "[PONTELIX]\nIMPTINTA=Tinta/rascunho\n");
  // F9 on the empty Braille field starts on the first printer and Enter takes it; on the
  // ink field it starts on the configured one, and Esc keeps it. A typed name the
  // print service does not know is refused; an empty field is no printer at all.
  configureWith("<Enter><Enter><Enter><Enter><Enter><F9><Enter><Enter><F9><Esc><Enter><Up>Outra<PgDn>"
                "<Ctrl+Y><PgDn>");
  EXPECT_TRUE(heardInOrder({"say: Impressora Braille", "say: Braille", "say: Impressora Braille", "say: Braille",
                            "say: Impressora a tinta", "say: Tinta/rascunho", "say: Tinta/rascunho",
                            "say: Impressora a tinta", "say: Tinta/rascunho",
                            "say: Impressora a tinta: impressora não encontrada.", "say: Impressora a tinta",
                            "say: Outra", "say: Configuração gravada."}))
      << transcript();
  EXPECT_EQ(readIni(), "[PONTELIX]\nIMPTINTA=\nIMPBRAILLE=Braille\n");
  EXPECT_EQ(configuredPrinter(OutputMode::Embosser), "Braille");
  EXPECT_EQ(configuredPrinter(OutputMode::InkPrinter), "");
}

TEST_F(Configure, AnExternalEngineThatDoesNotAnswerIsSaidAndTheOwnOneSpeaks) {
  writeFile(ini(), "[TRADUTOR]\nSAPI=Nao\n");
  gServerAnswers = false;
  configureWith("<Enter>Sim<PgDn>");
  EXPECT_EQ(readIni(), "[TRADUTOR]\nSAPI=Sim\n");
  EXPECT_EQ(engineLog().back(), "own 3: O sintetizador externo não respondeu; fala o sintetizador interno.");
}

TEST_F(Configure, TheLanguageFieldShowsTheLanguageInUseAndSaysWhenANewOneCounts) {
  const InLanguage english(Language::English);
  writeFile(ini(), "[PONTELIX]\nIDIOMA=klingon\n");
  // The last field; F9 lists the languages, starting on the one in use.
  configureWith("<Ctrl+Down><F9><Up><Enter><PgDn>");
  EXPECT_TRUE(heardInOrder({"say: Idioma / Language", "say: en", "say: pt", "say: Settings saved.",
                            "say: The new language takes effect the next time Pontelix starts."}))
      << transcript();
  EXPECT_EQ(readIni(), "[PONTELIX]\nIDIOMA=pt\n");
}

TEST_F(Configure, InEnglishTheExternalSynthesizerFieldTakesYesAndNoAndTheFileKeepsSimAndNao) {
  const InLanguage english(Language::English);
  writeFile(ini(), "[TRADUTOR]\nSAPI=N\xc3\xa3o\n");
  configureWith("<Enter>s<PgDn><Ctrl+Y>y<PgDn>");
  EXPECT_TRUE(heardInOrder({"say: External synthesizer", "say: No", "say: External synthesizer: answer Yes or No.",
                            "say: Settings saved."}))
      << transcript();
  EXPECT_EQ(readIni(), "[TRADUTOR]\nSAPI=Sim\n");
}

TEST_F(Configure, TheBrailleCodeFieldListsTheCodesAndTakesATableFileName) {
  writeFile(ini(), "[PONTELIX]\n");
  // The field above the language's; a missing code shows as the language's.
  configureWith("<Ctrl+Down><Up><F9><Down><Enter><PgDn>");
  EXPECT_TRUE(heardInOrder({"say: Código braille dos rótulos", "say: pt-br", "say: en-ueb-g1"})) << transcript();
  EXPECT_EQ(readIni(), "[PONTELIX]\nCODIGOBRAILLE=en-ueb-g1\n");
  configureWith("<Ctrl+Down><Up><Ctrl+Y>xx-nada<PgDn><Ctrl+Y>de-g0.utb<PgDn>");
  EXPECT_EQ(readIni(), "[PONTELIX]\nCODIGOBRAILLE=de-g0\n");
}
