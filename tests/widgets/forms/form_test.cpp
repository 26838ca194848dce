// Spoken forms: announcing, moving, the outside positions, scrolling, widths, the
// choice list and storing the values back.
#include <algorithm>
#include <deque>

#include "widgets/forms/form.h"
#include "platform/popup_fixture.h"

namespace {

class FormTest : public PopupTest {
 protected:
  // Fields "Campo 1".."Campo n" starting on row `top`, each editing its own variable.
  void buildForm(int top, int n, int width = 10) {
    conGoto(1, top);
    formBegin();
    values_.assign(static_cast<size_t>(n), "");
    for (int i = 1; i <= n; ++i)
      formAddField("K_" + std::to_string(i), "Campo " + std::to_string(i), values_[i - 1], width);
  }
  // The label written on a screen row, blanks around it removed.
  std::string labelOn(int r) {
    const std::string text = row(r).substr(0, formLabelWidth);
    const size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? "" : text.substr(start, text.find_last_not_of(' ') - start + 1);
  }
  std::deque<std::string> values_;
};

TEST_F(FormTest, AnnouncesLabelThenValueAndStoresValuesWhateverEndsIt) {
  std::string radius = "5", name = "velho";
  conGoto(1, 2);
  formBegin();
  formAddField("PX_RAIO", "Raio: ", radius, 8);
  formAddField("PX_TEXTO", "Texto: ", name, 20);
  user("12<Enter>novo<Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(radius, "12");
  EXPECT_EQ(name, "novo");
  EXPECT_EQ(said(), (std::vector<std::string>{"say: Raio: ", "say: 5", "say: Texto: ",
                                               "say: velho"}));
  EXPECT_EQ(row(2), std::string(21, ' ') + "Raio:  12");
  EXPECT_EQ(row(3), std::string(20, ' ') + "Texto:  novo");
  EXPECT_EQ(conScreenCell(1, 2).attr, 0x4F);
  EXPECT_EQ(conScreenCell(29, 2).attr, 0x0F);
  // The cursor is left on the row below the last field.
  EXPECT_EQ(conRow(), 4);
  EXPECT_EQ(conColumn(), 1);
}

TEST_F(FormTest, UpOnTheFirstFieldClicksAndDownComesBack) {
  buildForm(1, 2);
  user("<Up><Tab><Down><Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(heard(), (std::vector<std::string>{"say: Campo 1", "click", "say: Campo 1",
                                               "say: Campo 2"}));
}

TEST_F(FormTest, BelowTheLastFieldEveryKeyClicksUntilEscPageUpOrPageDown) {
  for (const auto& [ending, code] : {std::pair{"<Esc>", 27}, {"<PgUp>", 73}, {"<PgDn>", 81}}) {
    conReset();
    transcriptOpen(dir_ + "/transcript.txt");
    buildForm(1, 2);
    user(std::string("<Enter><Enter><Enter><Tab><Down>H") + ending);
    EXPECT_EQ(formRun(true), code);
    // A typed H outside the fields is not the Up key.
    EXPECT_EQ(heard(), (std::vector<std::string>{"say: Campo 1", "say: Campo 2", "click", "click",
                                                 "click", "click", "click"}));
    EXPECT_EQ(values_[0], "");
  }
}

TEST_F(FormTest, ATallFormScrollsOneFieldAtATimeAndBack) {
  // 30 fields from row 3: field 23 is on the last row; at most 7 can scroll away.
  buildForm(3, 30);
  std::string keys;
  for (int i = 1; i < 24; ++i) keys += "<Enter>";
  user(keys + "<PgDn>");
  EXPECT_EQ(formRun(true), 81);
  // Field 24 needed one field of scrolling. The final line end to leave the cursor below
  // the form moved the screen up by one row.
  EXPECT_EQ(labelOn(2), "Campo 2");
  EXPECT_EQ(labelOn(24), "Campo 24");
  EXPECT_EQ(conRow(), 25);

  conReset();
  buildForm(3, 30);
  user("<Ctrl+Down><Down><Down><Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(labelOn(2), "Campo 8");  // the maximum scroll
  EXPECT_EQ(labelOn(24), "Campo 30");

  conReset();
  buildForm(3, 30);
  user("<Ctrl+Down><Ctrl+Up><Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(labelOn(2), "Campo 1");
  EXPECT_EQ(labelOn(24), "Campo 23");
}

TEST_F(FormTest, ALongLabelPushesItsValueButEditingStaysInColumn29) {
  std::string a = "a", b = "b";
  const std::string longLabel(40, 'L');
  for (const char* keys : {"<Esc>", "<Down>xyz<Esc>"}) {
    conReset();
    conGoto(1, 1);
    formBegin();
    formAddField("K_A", "Curto", a, 5);
    formAddField("K_B", longLabel, b, 5);
    user(keys);
    formRun(true);
  }
  // Drawn before editing: the whole label, then the value.
  EXPECT_EQ(row(2).substr(40), " b");
  // Edited and rewritten in column 29, over the label's tail.
  EXPECT_EQ(b, "xyz");
  EXPECT_EQ(row(2).substr(28, 5), "xyz  ");
}

TEST_F(FormTest, AWideFieldIsShown51WideButHolds60) {
  std::string wide(60, 'v');
  conGoto(1, 25);
  formBegin();
  formAddField("K_W", "Largo", wide, 60);
  user("<Up><Esc>");
  formRun(true);
  EXPECT_EQ(row(24).substr(28), std::string(51, 'v'));  // moved up by the final line end
  EXPECT_EQ(wide, std::string(60, 'v'));

  conReset();
  conGoto(1, 1);
  formBegin();
  formAddField("K_W", "Largo", wide, 60);
  user(std::string(70, 'w') + "<Esc>");
  formRun(true);
  EXPECT_EQ(wide, std::string(60, 'w'));
}

TEST_F(FormTest, F9OpensTheChoiceListAndTheFieldIsPresentedAgain) {
  std::string pen = "0-NORMAL", plain = "x";
  conGoto(1, 5);
  formBegin();
  formAddChoiceField("K_P", "Caneta", pen, 12, "0-NORMAL|1-PONTILHADA|2-TRACEJADA");
  formAddField("K_X", "Sem lista", plain, 5);
  user("<F9><Down><Enter><F9><Esc><Down><F9><Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(pen, "1-PONTILHADA");
  EXPECT_EQ(plain, "x");
  EXPECT_EQ(heard(), (std::vector<std::string>{
                         "say: Caneta", "say: 0-NORMAL", "say: 0-NORMAL", "say: 1-PONTILHADA",
                         "say: Caneta", "say: 1-PONTILHADA", "say: 0-NORMAL", "say: Caneta",
                         "say: 1-PONTILHADA", "say: Sem lista", "say: x", "say: Sem lista",
                         "say: x"}));
  // The list closed without a trace.
  EXPECT_EQ(row(6), std::string(18, ' ') + "Sem lista x");
}

TEST_F(FormTest, ControlBytesInAValueShowAsBlanksOnItsRow) {
  // A tab pasted into a field, or one in the value the form started with, must neither
  // shift the rest of the row nor move the cursor, beep or scroll when the row is drawn.
  std::string pasted, given = "x\ty\nz";
  conGoto(1, 3);
  formBegin();
  formAddField("K_A", "Colado", pasted, 10);
  formAddField("K_B", "Dado", given, 10);
  conCopyToClipboard("1\t2\b3\a");
  keys("<Ctrl+V><Down><Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(pasted, "1\t2\b3\a");
  EXPECT_EQ(given, "x\ty\nz");
  EXPECT_EQ(row(3), std::string(21, ' ') + "Colado 1 2 3");
  EXPECT_EQ(row(4), std::string(23, ' ') + "Dado x y z");
  EXPECT_EQ(row(5), "");
  EXPECT_EQ(transcript().find("beep"), std::string::npos);
}

TEST_F(FormTest, AFieldBeyondThe200thIsRefused) {
  buildForm(1, kFormMaxFields);
  std::string extra = "fica";
  EXPECT_FALSE(formAddField("K_X", "Extra", extra, 5));
  user("<Ctrl+Down>zz<Down><Down><Esc>");
  EXPECT_EQ(formRun(true), 27);
  EXPECT_EQ(values_.back(), "zz");
  EXPECT_EQ(extra, "fica");
}

TEST_F(FormTest, ExplorationFromAFieldOrOutsideComesBackToTheSamePlace) {
  buildForm(1, 2);
  user("<Ctrl+F9><Esc><Up><Ctrl+F9><Esc><Down><Esc>");
  EXPECT_EQ(formRun(true), 27);
  const std::vector<std::string> h = heard();
  // Field 1, exploring (click, then two clicks), field 1 again, the click above the
  // form, exploring, the click above the form again, and field 1 once more.
  EXPECT_EQ(std::count(h.begin(), h.end(), "click"), 8);
  EXPECT_EQ(std::count(h.begin(), h.end(), "say: Campo 1"), 3);
}

TEST_F(FormTest, TheHeadlessKeyScriptDrivesAFormThroughClicksAndAChoiceList) {
  std::string pen = "0-NORMAL", width = "1";
  conGoto(1, 10);
  formBegin();
  formAddChoiceField("K_P", "Caneta", pen, 12, "0-NORMAL|1-PONTILHADA|2-TRACEJADA");
  formAddField("K_L", "Largura", width, 3);
  // No key of the script is lost to a click or to the flush when the form starts.
  keys("<Up><Down><F9><End><Enter><Tab>3<Enter><Enter><PgDn>");
  EXPECT_EQ(formRun(true), 81);
  EXPECT_EQ(pen, "2-TRACEJADA");
  EXPECT_EQ(width, "3");
  const std::vector<std::string> h = heard();
  EXPECT_EQ(std::count(h.begin(), h.end(), "click"), 3);
}

TEST_F(FormTest, AFieldsRecordingIsPlayedInsteadOfItsLabel) {
  startSpeechWithRecordings({"K_1"});
  std::string first, second = "7";
  formBegin();
  formAddField("K_1", "Campo 1", first, 5);
  formAddField("K_2", "Campo 2", second, 5);
  user("<Down><Esc>");
  formRun(true);
  EXPECT_EQ(heard(), (std::vector<std::string>{"play: K_1.wav", "say: Campo 2", "say: 7"}));
}

}  // namespace
