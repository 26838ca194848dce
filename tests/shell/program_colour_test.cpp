// The main prompt's colours, on an in-process console.
#include "platform/config/options.h"
#include "platform/console.h"
#include "platform/console_fixture.h"
#include "platform/speech.h"
#include "project/project.h"
#include "shell/mainmenu.h"

namespace {

class MainPrompt : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    conSetOptions({UiChoice::Headless, SpeechChoice::None});
    spkStart(0, dir_);
    resetProject();
  }
  void TearDown() override {
    spkFinish();
    ConsoleTest::TearDown();
  }
};

TEST_F(MainPrompt, StandsOnRowNineOnBlueAndLeavesTheBackgroundBlack) {
  keys("<Esc>");
  mainMenu();
  const std::string prompt = "Pontelix - Que deseja? ";
  EXPECT_EQ(row(9), "Pontelix - Que deseja?");
  for (int column = 1; column <= static_cast<int>(prompt.size()); ++column) {
    EXPECT_EQ(conScreenCell(column, 9).attr >> 4, 1) << column;
  }
  EXPECT_EQ(conScreenCell(static_cast<int>(prompt.size()) + 1, 9).attr >> 4, 0);
  EXPECT_EQ(conTextAttr() >> 4, 0);
  // Esc leaves two line ends below the prompt's line.
  EXPECT_EQ(conRow(), 12);
}

}  // namespace
