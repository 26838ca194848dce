#include "output/checking/page_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "platform/text/text.h"
#include "language/interpreter.h"
#include "output/device/device_page.h"
#include "output/embosser/embosser_page.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

namespace fs = std::filesystem;

// The lines as the program reads a project: UTF-8, or Windows-1252 made UTF-8.
std::vector<std::string> scriptLines(const fs::path& file) {
  std::ifstream bytes(file, std::ios::binary);
  std::istringstream in(textOfFile(std::string(std::istreambuf_iterator<char>(bytes), {})));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Runs the check in the script's folder, where its data files are.
PageCheck checkIn(const fs::path& script) {
  const fs::path before = fs::current_path();
  fs::current_path(script.parent_path());
  PageCheck check = checkPage(scriptLines(script), EmbosserSheet{});
  fs::current_path(before);
  return check;
}

// Each script of the corpus says in its first line what the check must find ("; espera:
// " and the finding's start, or "nada"): one planted fault of every kind, found once
// with its line, and clean scripts that give nothing.
TEST(PageCheck, FindsEachPlantedFaultOnceAndNothingOnCleanScripts) {
  int scripts = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(PONTELIX_SOURCE_DIR) / "tests/output/checking/corpus")) {
    if (entry.path().extension() != ".pxg") continue;
    ++scripts;
    const std::string expected = scriptLines(entry.path())[0].substr(std::string("; espera: ").size());
    const PageCheck check = checkIn(entry.path());
    ASSERT_TRUE(check.ran);
    const std::string name = entry.path().filename();
    if (expected == "nada") {
      EXPECT_TRUE(check.findings.empty()) << name << ": " << check.findings[0];
      continue;
    }
    ASSERT_EQ(check.findings.size(), 1u) << name;
    EXPECT_EQ(check.findings[0].substr(0, expected.size()), expected) << name;
  }
  EXPECT_GE(scripts, 11);
}

// The page the embosser gets, dot by dot (the run's reports all dropped).
std::vector<bool> embossedDots(const fs::path& script) {
  const fs::path before = fs::current_path();
  fs::current_path(script.parent_path());
  std::optional<Page> drawn = preparePage(embosserPageSpec({}));
  EXPECT_TRUE(drawn);
  if (!drawn) return {};
  ScriptReports quiet;
  quiet.dataMessage = [](const std::string&) {};
  runScript(*drawn, scriptLines(script), quiet);
  const EmbosserPage page = embosserPage(pagePixels(*drawn));
  fs::current_path(before);
  std::vector<bool> dots;
  for (int y = 0; y < 3 * page.lines; ++y)
    for (int x = 0; x < 2 * page.cellsPerLine; ++x) dots.push_back((page.cell(y / 3, x / 2) >> (x % 2 * 3 + y % 3)) & 1u);
  return dots;
}

// The examples are clean but for the histogram, whose bars stand one dot above the axis;
// and the check's page, drawn inside its margin, has the embosser's very dots.
TEST(PageCheck, TheExamplesAreCleanButForTheHistogramsAxis) {
  const std::map<std::string, std::string> expected = {
      {"histograma.pxg", "Linha 3: encosta na linha 5 (HI 0 0 2 1 3 7 5 2) sem cruzar"}};
  for (const auto& entry : fs::directory_iterator(fs::path(PONTELIX_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".pxg") continue;
    const PageCheck check = checkIn(entry.path());
    const auto found = expected.find(entry.path().filename());
    ASSERT_EQ(check.findings.size(), found == expected.end() ? 0u : 1u) << entry.path();
    if (found != expected.end()) {
      EXPECT_EQ(check.findings[0].substr(0, found->second.size()), found->second);
    }
    EXPECT_NE(check.summary.find(" desenharam; o desenho ocupa as fileiras "), std::string::npos) << check.summary;
    std::vector<bool> checked;
    for (const int line : check.dotLines) checked.push_back(line >= 0);
    EXPECT_EQ(checked, embossedDots(entry.path())) << entry.path();
  }
}

}  // namespace
