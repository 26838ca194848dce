// The command references can not drift from the program: every example in them is drawn
// by the real `pontelix render`, in the reference's language, every command of the
// dispatcher has its section, and every Tramel.ini key the sources read is documented.
// The English reference has the Portuguese one's sections and examples, in the same order.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "language/commands.h"
#include "scratch.h"

namespace {

const std::string kSource = PONTELIX_SOURCE_DIR;

struct Example {
  std::string where;   // file and line, for failure messages
  std::string kind;    // "pxg": draws without a word; "pxg-erro": stops at a line
  std::string figure;  // the picture's name, when the reference shows one
  std::string script;
};

// The ```pxg and ```pxg-erro blocks of a Markdown file, with the "<!-- figura: NAME -->"
// (in English, "<!-- figure: NAME -->") line that may stand just before a block.
std::vector<Example> markdownExamples(const std::string& path) {
  std::vector<Example> examples;
  std::ifstream in(path);
  std::string line, figure;
  const std::regex figureLine("^<!-- figur[ae]: ([a-z0-9_-]+) -->$");
  Example* open = nullptr;
  for (int number = 1; std::getline(in, line); ++number) {
    std::smatch m;
    if (open) {
      if (line == "```") open = nullptr;
      else open->script += line + "\n";
    } else if (std::regex_match(line, m, figureLine)) {
      figure = m[1];
    } else if (line == "```pxg" || line == "```pxg-erro") {
      examples.push_back({path + ":" + std::to_string(number), line.substr(3), figure, ""});
      open = &examples.back();
      figure.clear();
    }
  }
  return examples;
}

// The .EX blocks of a manual page that follow the comment line .\" pxg, with the
// page's \- read as the minus it stands for.
std::vector<Example> manualExamples(const std::string& path) {
  std::vector<Example> examples;
  std::ifstream in(path);
  std::string line;
  bool marked = false;
  Example* open = nullptr;
  for (int number = 1; std::getline(in, line); ++number) {
    if (open) {
      if (line == ".EE") {
        open = nullptr;
        continue;
      }
      for (size_t at = line.find("\\-"); at != std::string::npos; at = line.find("\\-", at)) line.erase(at, 1);
      open->script += line + "\n";
    } else if (line == ".\\\" pxg") {
      marked = true;
    } else if (line == ".EX" && marked) {
      examples.push_back({path + ":" + std::to_string(number), "pxg", "", ""});
      open = &examples.back();
      marked = false;
    }
  }
  return examples;
}

// The levels of a Markdown file's headings, in order ("#", "##", "###"...), outside its
// code blocks.
std::vector<std::string> headingLevels(const std::string& path) {
  std::vector<std::string> levels;
  std::ifstream in(path);
  std::string line;
  bool inCode = false;
  while (std::getline(in, line)) {
    if (line.starts_with("```")) inCode = !inCode;
    else if (!inCode && line.starts_with("#")) levels.push_back(line.substr(0, line.find(' ')));
  }
  return levels;
}

const char* const kManualPages[] = {"/man/pontelix.1", "/man/pt_BR/pontelix.1"};

// Each reference and the language its examples are drawn in, so that what they say on
// standard error is in the reference's language.
struct ReferenceFile {
  const char* path;
  const char* language;
};
const ReferenceFile kReferences[] = {{"/doc/comandos.md", "pt"}, {"/doc/commands.md", "en"}};

// A script without its comment lines: what the two references' examples share.
std::string withoutComments(const std::string& script) {
  std::istringstream lines(script);
  std::string line, kept;
  while (std::getline(lines, line))
    if (!line.starts_with(";")) kept += line + "\n";
  return kept;
}

// The last line of a script that is neither empty nor a comment.
std::string lastCommandLine(const std::string& script) {
  std::istringstream lines(script);
  std::string line, last;
  while (std::getline(lines, line))
    if (!line.empty() && !line.starts_with(";")) last = line;
  return last;
}

std::string readText(const std::string& path) { return readBytes(path); }

class Reference : public ::testing::Test {
 protected:
  struct Drawn {
    int status = -1;
    std::string said;
    std::string picture;
  };

  // Draws the script as the build draws the reference's pictures: in the examples
  // folder, where the data files of LD lie.
  Drawn draw(const std::string& script, const std::string& language = "pt") {
    writeBytes(dir_.file("e.pxg"), script);
    const std::string command = "cd '" + kSource + "/examples' && '" PONTELIX_EXE "' render --language=" + language +
                                " --size=480x360 '" +
                                dir_.file("e.pxg") + "' -o '" + dir_.file("e.png") + "' 2>'" + dir_.file("err") +
                                "'";
    const int raw = std::system(command.c_str());
    Drawn drawn;
    drawn.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    drawn.said = readBytes(dir_.file("err"));
    drawn.picture = readBytes(dir_.file("e.png"));
    return drawn;
  }

  ScratchDir dir_;
};

}  // namespace

TEST_F(Reference, EveryExampleDrawsAsTheReferenceSays) {
  const std::string blank = draw("").picture;
  ASSERT_FALSE(blank.empty());
  for (const ReferenceFile& reference : kReferences) {
    const std::vector<Example> examples = markdownExamples(kSource + reference.path);
    ASSERT_GE(examples.size(), 20u) << reference.path;
    int figures = 0;
    for (const Example& example : examples) {
      const Drawn drawn = draw(example.script, reference.language);
      if (example.kind == "pxg-erro") {
        // The drawing stops at the example's last line, and the one report quotes it.
        EXPECT_EQ(drawn.status, 1) << example.where;
        EXPECT_NE(drawn.said.find(lastCommandLine(example.script) + "\n"), std::string::npos)
            << example.where << ": " << drawn.said;
        EXPECT_EQ(std::count(drawn.said.begin(), drawn.said.end(), '\n'), 1) << example.where << ": " << drawn.said;
        continue;
      }
      EXPECT_EQ(drawn.status, 0) << example.where << ": " << drawn.said;
      EXPECT_EQ(drawn.said, "") << example.where;
      if (!example.figure.empty()) {
        ++figures;
        EXPECT_NE(drawn.picture, blank) << example.where << ": the figure " << example.figure << " is empty";
      }
    }
    EXPECT_GE(figures, 20) << reference.path;
  }
  // The Portuguese reference quotes the line error's words.
  EXPECT_TRUE(draw("XX 1 2\n").said.starts_with("Erro na linha "));
}

TEST_F(Reference, TheEnglishReferenceFollowsThePortugueseOne) {
  // Section for section: a section added to one reference alone moves every later heading.
  EXPECT_EQ(headingLevels(kSource + "/doc/commands.md"), headingLevels(kSource + "/doc/comandos.md"));
  const std::vector<Example> portuguese = markdownExamples(kSource + "/doc/comandos.md");
  const std::vector<Example> english = markdownExamples(kSource + "/doc/commands.md");
  ASSERT_EQ(english.size(), portuguese.size());
  for (size_t i = 0; i < english.size(); ++i) {
    EXPECT_EQ(english[i].kind, portuguese[i].kind) << english[i].where;
    EXPECT_EQ(english[i].figure, portuguese[i].figure) << english[i].where;
    EXPECT_EQ(withoutComments(english[i].script), withoutComments(portuguese[i].script)) << english[i].where;
  }
}

TEST_F(Reference, TheManualsExamplesDrawWithoutAWord) {
  const std::vector<Example> examples = manualExamples(kSource + "/man/pt_BR/pontelix.1");
  ASSERT_GE(examples.size(), 3u);
  const std::string blank = draw("").picture;
  for (const Example& example : examples) {
    const Drawn drawn = draw(example.script);
    EXPECT_EQ(drawn.status, 0) << example.where << ": " << drawn.said;
    EXPECT_EQ(drawn.said, "") << example.where;
    EXPECT_NE(drawn.picture, blank) << example.where;
  }
}

TEST_F(Reference, TheManualPagesNameEveryCommandAndRenderWithoutWarnings) {
  for (const char* page : kManualPages) {
    const std::string text = readText(kSource + page);
    for (const CommandEntry& command : commandTable()) {
      const std::string mnemonic(command.mnemonic);
      // A row of the table: "XX<tab>" or, for commands that share a row, "XX, YY<tab>".
      const bool listed = text.find("\n" + mnemonic + "\t") != std::string::npos ||
                          text.find("\n" + mnemonic + ", ") != std::string::npos ||
                          text.find(", " + mnemonic + "\t") != std::string::npos;
      EXPECT_TRUE(listed) << page << ": " << mnemonic;
    }
    // man-db and groff come with scripts/install-deps.sh; the page must format cleanly
    // at the width of a terminal.
    const std::string command = "MANWIDTH=80 man --warnings -l '" + kSource + page + "' 2>'" + dir_.file("warnings") +
                                "' >'" + dir_.file("page") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << page;
    EXPECT_EQ(readBytes(dir_.file("warnings")), "") << page;
    EXPECT_NE(readBytes(dir_.file("page")).find("PONTELIX(1)"), std::string::npos) << page;
  }
}

TEST_F(Reference, EveryCommandHasItsSection) {
  for (const ReferenceFile& file : kReferences) {
    const std::string reference = readText(kSource + file.path);
    for (const CommandEntry& command : commandTable()) {
      const std::string mnemonic(command.mnemonic);
      const bool ownSection = reference.find("\n### " + mnemonic + ":") != std::string::npos;
      EXPECT_TRUE(ownSection || reference.find("\n### " + mnemonic + "\n") != std::string::npos)
          << file.path << ": " << mnemonic;
      EXPECT_NE(reference.find("| `" + mnemonic + "` |"), std::string::npos)
          << file.path << ": " << mnemonic << " is missing from the summary";
    }
  }
}

TEST_F(Reference, EveryConfigurationKeyTheProgramReadsIsDocumented) {
  std::vector<std::pair<std::string, std::string>> references;  // path, text
  for (const ReferenceFile& file : kReferences) references.emplace_back(file.path, readText(kSource + file.path));
  const std::regex read("cfgReadValue\\(\"([A-Z]+)\", \"([A-Z]+)\"\\)");
  int keys = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/src")) {
    if (entry.path().extension() != ".cpp") continue;
    const std::string code = readText(entry.path().string());
    for (std::sregex_iterator m(code.begin(), code.end(), read), end; m != end; ++m) {
      ++keys;
      const std::string section = (*m)[1], key = (*m)[2];
      for (const auto& [path, reference] : references) {
        const size_t at = reference.find("### [" + section + "]");
        ASSERT_NE(at, std::string::npos) << path << ": " << section;
        const size_t next = reference.find("\n### ", at + 1);
        EXPECT_NE(reference.substr(at, next - at).find("| " + key + " |"), std::string::npos)
            << path << ": " << section << "/" << key << " (" << entry.path().string() << ")";
      }
    }
  }
  EXPECT_GE(keys, 15);
}
