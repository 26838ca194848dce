#include "language/datafile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/temp_dir.h"
#include "platform/transcript.h"
#include "language/data_points.h"

namespace {

using namespace std::string_literals;

class DataFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = makeTempDir("datafile");
    setenv("LC_ALL", "C", 1);
    transcriptOpen(dir_ + "/transcript.txt");
  }
  void TearDown() override {
    transcriptClose();
    unsetenv("LC_ALL");
    std::filesystem::remove_all(dir_);
  }

  std::string file(const std::string& name, const std::string& content) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  // What was heard since the last call, one event a line.
  std::vector<std::string> heard() {
    std::ifstream in(dir_ + "/transcript.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    transcriptOpen(dir_ + "/transcript.txt");
    return lines;
  }

  static std::vector<std::pair<double, double>> points() {
    std::vector<std::pair<double, double>> list;
    for (int i = 0; i < dataPoints().count; ++i) list.emplace_back(dataPoints().x[i], dataPoints().y[i]);
    return list;
  }

  using Points = std::vector<std::pair<double, double>>;
  using Lines = std::vector<std::string>;
  std::string dir_;
};

TEST_F(DataFileTest, CommentsHeadingsAndEmptyLinesAreSkipped) {
  loadDataFile(file("a.txt", "\xEF\xBB\xBF" "1 2\r\n; comment\r\n\r\n* x y\r\n  3\t 4  \r\n-1.5e1 +2"));
  EXPECT_EQ(points(), (Points{{1, 2}, {3, 4}, {-15, 2}}));
  EXPECT_TRUE(heard().empty());
}

TEST_F(DataFileTest, BadLinesAreToldAndTakeAPlace) {
  loadDataFile(file("a.txt", "1 2 3\n5\n7 8\nx 1\n"));
  EXPECT_EQ(points(), (Points{{0, 0}, {0, 0}, {7, 8}, {0, 0}}));
  const DataPointList& d = dataPoints();
  EXPECT_EQ(std::vector<bool>(d.bad, d.bad + d.count), (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(heard(), (Lines{"click", "click", "say: Erro no dado: 1 2 3",  //
                            "click", "click", "say: Erro no dado:  5",     //
                            "click", "click", "say: Erro no dado: x 1"}));
}

// As spreadsheets export: a tab, or ";" with the decimal comma, stands for the blank.
TEST_F(DataFileTest, ATabOrASemicolonSeparatesXFromY) {
  loadDataFile(file("a.txt", "1\t2\n1,5;2,5\n3 ; 4\n-1;\t-2\n"));
  EXPECT_EQ(points(), (Points{{1, 2}, {1.5, 2.5}, {3, 4}, {-1, -2}}));
  EXPECT_TRUE(heard().empty());
}

TEST_F(DataFileTest, MissingFileEmptiesTheList) {
  loadDataFile(file("a.txt", "1 2\n"));
  ASSERT_EQ(dataPoints().count, 1);
  loadDataFile(dir_ + "/nada.txt");
  EXPECT_EQ(dataPoints().count, 0);
  EXPECT_EQ(heard(), Lines{"say: Arquivo não existe: " + dir_ + "/nada.txt"});
  loadDataFile(file("a.txt", "1 2\n"));
  loadDataFile("");
  EXPECT_EQ(dataPoints().count, 0);
  EXPECT_EQ(heard(), Lines{"say: Arquivo não existe: "});
}

// Either decimal mark, whatever the system's, as in the command lines; both in one
// number is no number.
TEST_F(DataFileTest, EitherDecimalMarkIsAcceptedWhateverTheLocale) {
  for (const char* locale : {"C.UTF-8", "pt_BR.UTF-8"}) {
    setenv("LC_ALL", locale, 1);
    loadDataFile(file("a.txt", "1.5 2\n1,5 2\n-2,5e1 0.25\n1,5.0 3\n"));
    EXPECT_EQ(points(), (Points{{1.5, 2}, {1.5, 2}, {-25, 0.25}, {0, 0}})) << locale;
    EXPECT_EQ(heard().back(), "say: Erro no dado: 1,5.0 3") << locale;
  }
}

TEST_F(DataFileTest, AFullListKeepsTheFirstPoints) {
  std::string text;
  for (int i = 0; i < kDataPointCapacity + 3; ++i) text += std::to_string(i) + " " + std::to_string(-i) + "\n";
  loadDataFile(file("a.txt", text));
  ASSERT_EQ(dataPoints().count, kDataPointCapacity);
  EXPECT_EQ(dataPoints().x[1024], 1024);
  EXPECT_EQ(dataPoints().y[1024], -1024);
  const Lines h = heard();
  ASSERT_EQ(h.size(), 9u);
  EXPECT_EQ(h[2], "say: Erro no dado: 1025 -1025");
  EXPECT_EQ(h[8], "say: Erro no dado: 1027 -1027");
}

TEST_F(DataFileTest, ManyBadLinesAreToldOnlyUpToALimitThenCounted) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "a b\n";
  loadDataFile(file("a.txt", text));
  EXPECT_EQ(dataPoints().count, kDataPointCapacity);
  const Lines h = heard();
  EXPECT_EQ(h.size(), 5u * 3 + 1);
  EXPECT_EQ(h.back(), "say: Erro no dado em mais 1995 linhas");

  text.clear();
  for (int i = 0; i < 6; ++i) text += "a b\n";
  loadDataFile(file("a.txt", text));
  EXPECT_EQ(heard().back(), "say: Erro no dado em mais 1 linha");
}

TEST_F(DataFileTest, EnormousLineIsABadLineToldShortened) {
  loadDataFile(file("a.txt", "1 2\n" + std::string(1000000, '9') + " 1\n3 4\n"));
  EXPECT_EQ(points(), (Points{{1, 2}, {0, 0}, {3, 4}}));
  EXPECT_EQ(heard(), (Lines{"click", "click", "say: Erro no dado: " + std::string(60, '9') + "..."}));
}

TEST_F(DataFileTest, BlanksAroundALineNeverMakeItTooLong) {
  // Blanks and tabs at either end are trimmed away, however many there are: the points
  // of padded lines are read, and a line of blanks alone is still an empty line.
  const std::string pad(10000, ' ');
  const std::string tabs(10000, '\t');
  loadDataFile(file("a.txt", pad + "5 6\n" + "7 8" + tabs + "\r\n" + pad + "\n" + tabs + "; nota\n"));
  EXPECT_EQ(points(), (Points{{5, 6}, {7, 8}}));
  EXPECT_TRUE(heard().empty());

  // Content beyond the limit still makes the line a bad one, blanks before it or not.
  loadDataFile(file("a.txt", "1" + pad + "2\n" + pad + std::string(5000, '3') + " 4\n"));
  EXPECT_EQ(points(), (Points{{0, 0}, {0, 0}}));
  EXPECT_EQ(heard().size(), 6u);
}

TEST_F(DataFileTest, BinaryFileStopsWhereTheTextEnds) {
  loadDataFile(file("a.bin", "1 2\n3 4\n5\0\x01\x02\n7 8\n"s));
  EXPECT_EQ(points(), (Points{{1, 2}, {3, 4}}));
  EXPECT_EQ(heard(), Lines{"say: Arquivo não é de texto: " + dir_ + "/a.bin"});
}

TEST_F(DataFileTest, WhatIsNoReadableFileIsRefused) {
  loadDataFile(file("a.txt", "1 2\n"));
  loadDataFile(dir_);
  EXPECT_EQ(dataPoints().count, 0);
  EXPECT_EQ(heard(), Lines{"say: Arquivo não pode ser lido: " + dir_});

  const std::string fifo = dir_ + "/fila";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  loadDataFile(fifo);  // a pipe might never end: never opened
  EXPECT_EQ(heard(), Lines{"say: Arquivo não pode ser lido: " + fifo});

  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string locked = file("b.txt", "1 2\n");
  chmod(locked.c_str(), 0);
  loadDataFile(locked);
  EXPECT_EQ(dataPoints().count, 0);
  EXPECT_EQ(heard(), Lines{"say: Arquivo não pode ser lido: " + locked});
}

}  // namespace
