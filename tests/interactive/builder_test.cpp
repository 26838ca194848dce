// The builder's prompt, its command list and the lines its forms assemble.
#include <gtest/gtest.h>

#include "platform/text/text.h"

#include "builder_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// Esc ends a form, whatever field is current; at the prompt it leaves the builder.
const std::string kEndForm = "<Esc>";
const std::string kEndFormAndBuilder = "<Esc><Esc>";

TEST_F(BuilderTest, TypedCodeInEitherCaseOpensItsFormAndAppendsTheLine) {
  EXPECT_TRUE(build("dm0<Enter>10<Enter>0<Enter>5<Enter>" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), Lines{"DM 0 10 0 5"});
  EXPECT_TRUE(heardInOrder({"say: Digite o comando: ", "say: Domínio", "say: Formulário",
                            "say: X mínimo: ", "say: X máximo: ", "say: Y mínimo: ",
                            "say: Y máximo: ", "click", "say: Digite o comando: "}));

}

// A field of numbers or points keeps the user on a word that is none; Esc in a
// half-filled form asks before the line goes in, and drops a refused value first.
TEST_F(BuilderTest, FieldsRefuseWhatIsNoNumberAndEscInAHalfFilledFormAsksFirst) {
  EXPECT_TRUE(build("ciabc<Enter><End><BS><BS><BS>1,5,0<Down><Del><Del><Del><Del><Del>5 0<Enter>2<Enter>" + kEndForm +
                    "Dm0" + kEndForm + "S" + "el1 1<Enter><Enter>2" + kEndForm + "s" +
                    "pa1 1" + kEndForm + "N" + "rg1 1<Enter>x" + kEndForm + "<Esc>" + "ptx y<Enter><Esc><Esc>"));
  // The blank after 0 stays; the ellipse's values went where they were typed.
  EXPECT_EQ(lines(), (Lines{"CI 5 0 2", "DM 0 ", "EL 1 1 2"}));
  EXPECT_TRUE(heardInOrder({"say: Valor inválido: abc", "say: Centro: ", "say: Valor inválido: 1,5,0",
                            "say: Acrescentado: CI 5 0 2", "say: Acrescenta a linha incompleta? (S/N) ",
                            "say: Acrescentado: DM 0 ", "say: Acrescentado: EL 1 1 2",
                            "say: Acrescenta a linha incompleta? (S/N) ", "say: Desistiu...",
                            "say: Valor inválido: x", "say: Acrescenta a linha incompleta? (S/N) ",
                            "say: Desistiu...", "say: Valor inválido: x y", "say: Desistiu..."}));
  EXPECT_EQ(timesSaid("Acrescenta a linha incompleta? (S/N) "), 4);
}

TEST_F(BuilderTest, FormLeftEmptyAppendsNothingAndSaysSo) {
  EXPECT_TRUE(build("rt" + kEndForm + "dm<Enter><Enter><Enter><Enter><Enter><Esc><Esc>"));
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(timesSaid("Dados incompletos"), 2);
}

// The first Enter after the two letters confirms the code (as the tutorial types it);
// the form's fields come after it.
TEST_F(BuilderTest, GridIntervalsLeftEmptyBecomeOne) {
  EXPECT_TRUE(build("gr0<Enter>0<Enter>10<Enter>5" + kEndForm +
                    "gr<Enter><Enter><Enter><Enter><Enter><Enter>2" + kEndForm + "S<Esc>"));
  EXPECT_EQ(lines(), (Lines{"GR 0 0 10 5 1 1", "GR   1 2"}));
}

TEST_F(BuilderTest, AnEnterAfterTheTwoLettersOnlyConfirmsTheCode) {
  EXPECT_TRUE(build("dm<Enter>5" + kEndForm + "S" + "pt<Enter>1 2<Enter>" + "ld<Enter>dados.dat<Enter>" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), (Lines{"DM 5 ", "PT 1 2", "LD dados.dat"}));  // 5 went to X mínimo, as typed
}

TEST_F(BuilderTest, PolygonAndCurveAnsweredYesUseTheDataFileWithoutAForm) {
  EXPECT_TRUE(build("pos" "cvS" "<Esc>"));
  EXPECT_EQ(lines(), (Lines{"PO *", "CV *"}));
  EXPECT_EQ(timesSaid("Ponto 1: "), 0);
  EXPECT_EQ(timesSaid("Quer utilizar dados lidos de arquivo? "), 2);
}

TEST_F(BuilderTest, PolygonAndCurveOtherwiseAskForFivePoints) {
  // n, any other letter, and Esc in the S/N popup all lead to the form.
  EXPECT_TRUE(build("pon1 1<Enter>2 2<Enter><Enter>3,5 3" + kEndForm +
                    "cvx-1 0" + kEndForm +
                    "po<Down><Esc>@1 1" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), (Lines{"PO 1 1 2 2  3,5 3", "CV -1 0", "PO @1 1"}));
  EXPECT_TRUE(heardInOrder({"say: Polígono", "say: Deixe em branco os pontos inexistentes",
                            "say: Ponto 1: ", "say: Curva",
                            "say: Deixe em branco os valores inexistentes", "say: Ponto 1: "}));
}

TEST_F(BuilderTest, PenFormTakesTheFirstCharacterAndItsChoicesAreTheNumbersCCReads) {
  EXPECT_TRUE(build("cc" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), Lines{"CC 1  "});
  EXPECT_TRUE(heardInOrder({"say: Acrescentado: CC 1  "}));
  EXPECT_TRUE(heardInOrder({"say: Configuração da caneta", "say: Largura da caneta: "}));

  // F9 opens a field's choices; the field stays current and Enter moves on.
  EXPECT_TRUE(build("cc2<Enter><F9><Down><Enter><Enter><F9><Enter><Enter>" + kEndFormAndBuilder));
  EXPECT_EQ(lines().back(), "CC 2 2 1");
  EXPECT_TRUE(heardInOrder({"say: Estilo do traço: ", "say: 1-NORMAL", "say: 2-PONTILHADA",
                            "say: Estilo do traço: ", "say: 2-PONTILHADA", "say: Cor: ",
                            "say: 1-PRETA"}));

  // Typed values go by their first character, as typed: 3 is 3-AZUL as the list says.
  EXPECT_TRUE(build("cc34<Enter>2<Enter>3azul" + kEndFormAndBuilder));
  EXPECT_EQ(lines().back(), "CC 3 2 3");
}

TEST_F(BuilderTest, PolynomialHalvesEachPairOfBlanksOnce) {
  EXPECT_TRUE(build("pn2<Enter><Enter><Enter>1<Enter>0<Enter>-1<Enter>-2<Enter>2" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), Lines{"PN 2  1 0 -1 -2 2"});
  EXPECT_EQ(timesSaid("Deixe em branco os valores inexistentes"), 1);
}

TEST_F(BuilderTest, PointIsEditedOnThePromptLineAndEscGivesUp) {
  EXPECT_TRUE(build("pt  1 2<Enter>" "pt3 4<Esc>" "<Esc>"));
  EXPECT_EQ(lines(), Lines{"PT 1 2"});
  EXPECT_EQ(timesSaid("Coordenadas: "), 2);
  EXPECT_EQ(timesSaid("Desistiu..."), 1);
}

TEST_F(BuilderTest, DataFileNameIsReadOnItsOwnLine) {
  EXPECT_TRUE(build("ldpontos 1.txt<Enter>" "ldabc<Esc>" "<Esc>"));
  EXPECT_EQ(lines(), Lines{"LD pontos 1.txt"});
  EXPECT_TRUE(heardInOrder({"say: Leitura de dados", "say: Nome do arquivo: ",
                            "say: Leitura de dados", "say: Nome do arquivo: ",
                            "say: Dados incompletos"}));
}

TEST_F(BuilderTest, InkTextSettingsAreNotImplemented) {
  EXPECT_TRUE(build("ct<Esc>"));
  EXPECT_TRUE(lines().empty());
  EXPECT_TRUE(heardInOrder({"say: Configuração do texto em tinta", "say: Não implementado", "say: Dados incompletos"}));
}

// The equation's one field takes the expression as typed; F9 adds a function from the list.
TEST_F(BuilderTest, EquationFormTakesTheExpressionAndF9AddsAFunction) {
  EXPECT_TRUE(build("eq2<F9><Down><Enter>" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), Lines{"EQ y = 2cos(x)"});
  EXPECT_TRUE(heardInOrder({"say: Equação", "say: y = ", "say: Acrescentado: EQ y = 2cos(x)"}));
}

TEST_F(BuilderTest, BrailleTextKeepsAllEightyCharactersThoughTheFieldShowsFiftyOne) {
  const std::string text = "abcdefghij" "klmnopqrst" "uvwxyz0123" "456789ABCD" "EFGHIJKLMN"
                           "OPQRSTUVWX" "YZabcdefgh" "ijklmnopqr";
  ASSERT_EQ(text.size(), 80u);
  EXPECT_TRUE(build("tb 1 1 <Enter>" + text + "x" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), Lines{"TB 1 1 " + text});  // the 81st character was refused

  // The keys run out while the text is still being edited, with the field on screen.
  // Row 8 holds the second field, below the title, its blank line and the first field.
  // Of the 51 cells from column 29 the last is the cursor's, after the 80th character.
  EXPECT_FALSE(build("tb 1 1 <Enter>" + text));
  EXPECT_EQ(conScreenRows().at(7), std::string(20, ' ') + "Texto:  " + text.substr(30));
}

// Every other row: its title, its fields and the line it assembles.
struct RowCase {
  const char* keys;
  const char* title;
  const char* line;
};

// A label is written in the code of the last CB above it, and what that code cannot
// write is said as the label is added.
TEST_F(BuilderTest, TheBrailleLabelFormTellsWhatTheCodeCannotWrite) {
  EXPECT_TRUE(build("tb0 0<Enter>aßb<Esc>" "cbes-g1<Esc>" "tb0 0<Enter>aßb" + kEndFormAndBuilder)) << transcript();
  EXPECT_EQ(timesSaid("O caractere ß não tem braille no código es-g1."), 1);
  EXPECT_EQ(timesSaid("O caractere ß não tem braille no código pt-br."), 0);
}

TEST_F(BuilderTest, EveryRowAssemblesItsLine) {
  const RowCase cases[] = {
      {"cd0<Enter>1.0<Enter> 0<Enter>1", "Contradomínio", "CD 0 1.0 0 1"},
      {"ex-5<Enter>5 <Enter>1", "Eixo", "EX -5 5 1"},
      {"rt 0 0<Enter>3 4", "Reta", "RT 0 0 3 4"},
      {"st0 0<Enter>@1 1", "Seta", "ST 0 0 @1 1"},
      {"rg1 1<Enter>4 2", "Retângulo", "RG 1 1 4 2"},
      {"rr1 1<Enter>4 2<Enter>30", "Retângulo", "RR 1 1 4 2 30"},
      {"ci0 0<Enter>5", "Circunferência", "CI 0 0 5"},
      {"el0 0<Enter>4<Enter>2", "Elipse", "EL 0 0 4 2"},
      {"pa-1 1<Enter>0 0<Enter>1 1", "Parábola", "PA -1 1 0 0 1 1"},
      {"hi0 0<Enter>1<Enter>3<Enter>5<Enter><Enter>2", "Histograma: ", "HI 0 0 1 3 5  2"},
      {"tx2,5 3<Enter>Área", "Texto em Tinta", "TX 2,5 3 Área"},
      {"cben-ueb-g2", "Código Braille dos rótulos", "CB en-ueb-g2"},
  };
  for (const RowCase& c : cases) {
    resetProject();
    const long titlesBefore = timesSaid(c.title);
    EXPECT_TRUE(build(std::string(c.keys) + kEndFormAndBuilder)) << c.keys;
    EXPECT_EQ(lines(), Lines{c.line}) << c.keys;
    EXPECT_EQ(timesSaid(c.title), titlesBefore + 1) << c.keys;
  }
  EXPECT_TRUE(heardInOrder({"say: Contradomínio", "say: Formulário", "say: Valores entre 0 e 1 ",
                            "say: X mínimo (sugiro 0): ", "say: Elipse", "say: Centro: ",
                            "say: Semieixo a: ", "say: Semieixo b: "}));
}

TEST_F(BuilderTest, PopupItemOpensItsFormUnderAHeadingFromTheItem) {
  EXPECT_TRUE(build("<F9><End><Up><Up><Up><Enter>0 0<Enter>a" + kEndFormAndBuilder));
  EXPECT_EQ(lines(), Lines{"TX 0 0 a"});
  EXPECT_TRUE(heardInOrder({"say: TX - Texto em Tinta", "say: Texto em Tinta"}));

  // c searches forward: CI, CV, then CD, whose item is "PXCOM_CM". The keys run out in
  // the form, while the heading is on screen.
  EXPECT_FALSE(build("<Down>ccc<Enter>"));
  EXPECT_TRUE(heardInOrder({"say: PT - Ponto", "say: CI - Circunferência", "say: CV - Curva",
                            "say: CD - Definir contradomínio", "say: Contradomínio",
                            "say: Valores entre 0 e 1 ", "say: X mínimo (sugiro 0): "}));
  EXPECT_EQ(conScreenRows().at(2), "Comando - Definir contradomínio");
  EXPECT_EQ(conScreenRows().at(4), "Contradomínio");
  EXPECT_EQ(conScreenCell(1, 3).attr >> 4, 1);  // the heading on blue
}

// The popup's order is the one users learnt, not the command list's.
TEST_F(BuilderTest, PopupSaysEveryCommandInItsOrderAndTheWayOutLast) {
  std::string keys = "<F9>";
  for (int item = 2; item <= 24; ++item) keys += "<Down>";
  EXPECT_TRUE(build(keys + "<Esc><Esc>"));
  EXPECT_TRUE(heardInOrder({"say: PT - Ponto", "say: RT - Reta", "say: ST - Seta", "say: RG - Retângulo",
                            "say: RR - Retângulo rodado", "say: GR - Definir Grade", "say: EX - Definir Eixo X",
                            "say: PO - Polígono", "say: CI - Circunferência", "say: EL - Elipse", "say: PA - Parábola",
                            "say: CV - Curva", "say: PN - Polinômio", "say: EQ - Equação", "say: HI - Histograma",
                            "say: LD - Le dados de arquivo", "say: DM - Definir domínio",
                            "say: CD - Definir contradomínio", "say: CC - Configurar Caneta",
                            "say: TB - Texto em Braille", "say: TX - Texto em Tinta",
                            "say: CT - Configurar Texto em Tinta", "say: CB - Código Braille",
                            "say: ESC - terminar"}));
}

TEST_F(BuilderTest, PopupLastItemOrEscReturnsToThePromptWithoutAForm) {
  EXPECT_TRUE(build("<Down><End><Enter>" "<Up><Esc>" "<Esc>"));
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(timesSaid("ESC - terminar"), 1);
  EXPECT_EQ(timesSaid("Formulário"), 0);
  EXPECT_EQ(timesSaid("Opção inválida"), 0);
  EXPECT_EQ(timesSaid("Digite o comando: "), 3);
}

TEST_F(BuilderTest, UnknownCodesAndKeysAreInvalidAndNeverRepeatTheLastCommand) {
  // F1 does nothing; the others are invalid, a letter and Esc as well.
  EXPECT_TRUE(build("ci0 0<Enter>1<Esc>" "<F1>" "zz" "x<Enter>" "5" "<Left>" "<Shift+Down>" "c<Esc>" "<Esc>"));
  EXPECT_EQ(lines(), Lines{"CI 0 0 1"});
  EXPECT_EQ(timesSaid("Circunferência"), 1);
  EXPECT_EQ(timesSaid("Opção inválida"), 6);
  EXPECT_EQ(timesSaid("Digite o comando: "), 9);
}

TEST_F(BuilderTest, PromptHeadingIsWrittenOnBlue) {
  EXPECT_FALSE(build(""));
  EXPECT_EQ(conScreenRows().at(0), "Passo-a-passo interativo");
  EXPECT_EQ(conScreenCell(1, 1).attr >> 4, 1);
  EXPECT_EQ(conScreenRows().at(2), "Digite o comando:");
}

}  // namespace
