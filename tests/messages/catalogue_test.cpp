// The catalogue: exact UTF-8 texts, search by exact key, unknown keys.
#include <gtest/gtest.h>

#include "platform/text/text.h"
#include "messages/messages.h"

namespace {

// Expected texts are typed here as the table types them: UTF-8, unchanged on the way.
std::string cp(const char* utf8) { return utf8; }

TEST(MessageCatalogue, TextsAreExactUtf8Bytes) {
  EXPECT_EQ(messageText("PXINIC"), "Pontelix - ");
  EXPECT_EQ(messageText("PXOPINV"), cp("Opção inválida"));
  EXPECT_EQ(messageText("PXOPCAO"), cp("As opções são:"));
  EXPECT_EQ(messageText("PXSOBRESC"), cp("Arquivo já existe, sobrescreve? "));
  EXPECT_EQ(messageText("PXCOM_CM"), cp("CD - Definir contradomínio"));
  EXPECT_EQ(messageText("PXCOM_PA"), cp("PA - Parábola"));
  EXPECT_EQ(messageText("PX_ANG"), cp("Ângulo em graus: "));
  EXPECT_EQ(messageText("PX_DIME"), cp("Dimensões X e Y: "));
  EXPECT_EQ(messageText("PX_JXMAX"), cp("X máximo (sugiro 1.0): "));
  EXPECT_EQ(messageText("PX_0_1"), "Valores entre 0 e 1 ");
  EXPECT_EQ(messageText("PX_PBR12"), "Barra 12: ");
  EXPECT_EQ(messageText("PXIMPROK"), cp("Impressora ok. Iniciando impressão."));
  EXPECT_EQ(messageText("PXTAMPAP"), "Tamanho do papel (em pixels): ");
  EXPECT_EQ(messageText("PX_QLDADOS"), "Quer utilizar dados lidos de arquivo? ");
  EXPECT_EQ(messageText("PXNIMPL"), cp("Não implementado"));
  // Two bytes per accented letter: no Windows-1252 slipped into the table.
  EXPECT_EQ(messageText("PX_CIRC").size(), std::string("Circunferencia").size() + 1);
  EXPECT_TRUE(isValidUtf8(messageText("PX_CIRC")));
}

TEST(MessageCatalogue, BuilderItemsForTextCommandsStartWithTheirCommand) {
  EXPECT_EQ(messageText("PXCOM_TB").substr(0, 5), "TB - ");
  EXPECT_EQ(messageText("PXCOM_TT").substr(0, 5), "TX - ");
}

TEST(MessageCatalogue, UnknownKeysAreNamedInTheText) {
  const std::string invalid = cp("--> Mensagem inválida: ");
  EXPECT_EQ(messageText("px_texto"), invalid + "px_texto");
  EXPECT_EQ(messageText("PX_TEXTo"), invalid + "PX_TEXTo");
  EXPECT_EQ(messageText("PX_TEXT"), invalid + "PX_TEXT");
  EXPECT_EQ(messageText(""), invalid);
  EXPECT_EQ(messageText("PX_TEXTO"), "Texto: ");
}

TEST(WindowTitle, IsPrefixedAndKeepsTheEndOfALongName) {
  EXPECT_EQ(windowTitleFor(""), "Pontelix ");
  EXPECT_EQ(windowTitleFor("desenho.pxg"), "Pontelix desenho.pxg");
  const std::string exact(kMaxWindowTitle - 9, 'a');
  EXPECT_EQ(windowTitleFor(exact), "Pontelix " + exact);

  const std::string longPath = "/home/aluno/" + std::string(300, 'd') + "/grafico.pxg";
  const std::string title = windowTitleFor(longPath);
  EXPECT_EQ(title.size(), kMaxWindowTitle);
  EXPECT_EQ(title.substr(0, 12), "Pontelix ...");
  EXPECT_EQ(title.substr(title.size() - 12), "/grafico.pxg");
}

TEST(WindowTitle, ControlCharactersOfAFileNameBecomeBlanks) {
  // A terminal would take them for the end of its title sequence and run the rest.
  EXPECT_EQ(windowTitleFor("a\x07\x1b[2J\tb\x7f\x9d\x81.pxg"), "Pontelix a  [2J b   .pxg");
  EXPECT_EQ(windowTitleFor("p\xe3o \x80\x9c.pxg"), "Pontelix pão €œ.pxg");
  EXPECT_EQ(windowTitleFor("área\u0085π.pxg"), "Pontelix área π.pxg");
  // A long name is cut before a character, never inside one.
  const std::string title = windowTitleFor(std::string(200, 'a') + std::string(100, '\xcf') + "π.pxg");
  EXPECT_TRUE(isValidUtf8(title));
}

}  // namespace
