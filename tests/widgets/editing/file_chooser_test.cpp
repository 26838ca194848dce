#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "platform/keys.h"
#include "platform/console_fixture.h"

namespace {

class FileChooserTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    files_ = dir_ + "/files";
    for (const char* name : {"b.pxg", "A.PXG", "c.txt", "d\xc3\xa7.pxg"}) writeFile(files_ + "/" + name, "x");
    std::filesystem::create_directories(files_ + "/sub.pxg");
  }
  std::string files_;
};

}  // namespace

TEST_F(FileChooserTest, EnterAndEscGiveEmptyTextsWithTheirLastKeys) {
  keys("<Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "");
  EXPECT_EQ(fileChooserLastKey(), key::kEnter);
  keys("nome<Esc>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "");
  EXPECT_EQ(fileChooserLastKey(), key::kEsc);
  keys("desenho.pxg<Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "desenho.pxg");
  keys("x<Tab>y<F5>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "y");  // Tab starts again; another key returns the text
  EXPECT_EQ(fileChooserLastKey(), key::kF5);
}

TEST_F(FileChooserTest, BrowsingADirectoryListsTheFilterSortedAndSpeaksEachName) {
  keys(files_ + "<Down><Down><Down><Down><Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), files_ + "/dç.pxg");
  EXPECT_EQ(fileChooserLastKey(), key::kDown);
  const std::string heard = transcript();
  const size_t a = heard.find("say: A.PXG"), b = heard.find("say: b.pxg"), d = heard.find("say: dç.pxg");
  ASSERT_NE(a, std::string::npos);
  EXPECT_LT(a, b);
  EXPECT_LT(b, d);
  EXPECT_EQ(heard.find("c.txt"), std::string::npos);
  EXPECT_EQ(heard.find("sub.pxg"), std::string::npos);  // directories are not files
  EXPECT_NE(heard.find("click"), std::string::npos);    // the fourth Down passed the end
}

TEST_F(FileChooserTest, TypedPatternAndTabBackToTheLine) {
  keys(files_ + "/*.txt<Up><Tab>outro<Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "outro");
  keys(files_ + "/*.txt<Up><Esc>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "");
  keys(files_ + "/*.txt<Up><Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), files_ + "/c.txt");
}

TEST_F(FileChooserTest, ListDrawsInsideItsRectangleAndAnEmptyListReturnsAtOnce) {
  EXPECT_EQ(chooseFromFileList(1, 1, 80, 25, files_ + "/*.none"), "");
  keys("<End><Enter>");
  EXPECT_EQ(chooseFromFileList(3, 2, 10, 3, files_ + "/*.*"), files_ + "/dç.pxg");
  // The screen as the list shows it while it waits for a key.
  keys("<End>");
  EXPECT_THROW(chooseFromFileList(3, 2, 10, 3, files_ + "/*.*"), ProgramEnded);
  EXPECT_EQ(row(1), "");
  // End scrolled the two-row list to its last names.
  EXPECT_EQ(row(2), "  c.txt");
  EXPECT_EQ(row(3), "  dç.pxg");
  EXPECT_EQ(row(4), "");
}

TEST_F(FileChooserTest, TabStartsAgainWhereTheNameBegan) {
  conWrite("Nome: ");
  keys("abcdef<Tab>xy<Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "xy");
  EXPECT_EQ(row(1), "Nome: xy");

  conReset();
  conWrite("Nome: ");
  keys(files_ + "/<Down><Tab>z<Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "z");
  EXPECT_EQ(row(1), "Nome: z");
}

TEST_F(FileChooserTest, EscInTheListIsEscForTheCaller) {
  // Callers tell a cancelled question from Enter on an empty line by the last key: a
  // list left with Esc must not read as a request for the default name.
  keys(files_ + "<Down><Esc>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "");
  EXPECT_EQ(fileChooserLastKey(), key::kEsc);
}

TEST_F(FileChooserTest, TheListLeavesTheScreenAsItFoundIt) {
  for (int r = 2; r <= 8; ++r) {
    conGoto(1, r);
    conWrite("linha " + std::to_string(r));
  }
  for (const char* ending : {"<Enter>", "<Esc>", "<Tab>x<Enter>"}) {
    conGoto(7, 1);
    keys(files_ + "/<Down>" + ending);
    askFileName(5, "*.pxg");
    for (int r = 2; r <= 8; ++r) EXPECT_EQ(row(r), "linha " + std::to_string(r)) << ending;
  }
}

TEST_F(FileChooserTest, AnEmptyListClicksAndGoesBackToTheLine) {
  keys(files_ + "/*.none<Down>outro<Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), "outro");
  EXPECT_NE(transcript().find("click"), std::string::npos);
  EXPECT_EQ(row(1), "outro");
}

TEST_F(FileChooserTest, AnyOtherKeyInTheListSaysTheCurrentNameAgain) {
  keys(files_ + "<Down>x<Right><F2><Enter>");
  EXPECT_EQ(askFileName(5, "*.pxg"), files_ + "/A.PXG");
  const std::string heard = transcript();
  size_t times = 0;
  for (size_t at = heard.find("say: A.PXG\n"); at != std::string::npos; at = heard.find("say: A.PXG\n", at + 1))
    ++times;
  EXPECT_EQ(times, 4u);
}
