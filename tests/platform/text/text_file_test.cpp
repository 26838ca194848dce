#include "platform/text/text_file.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scratch.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::vector<std::string> linesOf(std::string_view bytes) { return decodeProjectText(bytes).lines; }

TEST(ProjectText, EveryLineEndGivesTheSameLines) {
  const auto expected = ElementsAre("DM -5 5 -5 5", "", "  PT 1 2  ", "CI 0 0 3");
  EXPECT_THAT(linesOf("DM -5 5 -5 5\r\n\r\n  PT 1 2  \r\nCI 0 0 3\r\n"), expected);
  EXPECT_THAT(linesOf("DM -5 5 -5 5\n\n  PT 1 2  \nCI 0 0 3\n"), expected);
  EXPECT_THAT(linesOf("DM -5 5 -5 5\r\r  PT 1 2  \rCI 0 0 3\r"), expected);
  EXPECT_THAT(linesOf("DM -5 5 -5 5\r\n\n  PT 1 2  \rCI 0 0 3"), expected);
}

TEST(ProjectText, TextSplitsAsAFileDoesWithoutDecoding) {
  EXPECT_THAT(splitTextLines("a\r\nb\rc\n\xc3\xa7"), ElementsAre("a", "b", "c", "\xc3\xa7"));
}

TEST(ProjectText, LineEndEdges) {
  EXPECT_THAT(linesOf(""), IsEmpty());
  EXPECT_THAT(linesOf("\r\n"), ElementsAre(""));
  EXPECT_THAT(linesOf("PT 1 1"), ElementsAre("PT 1 1"));
  // LF then CR: the CR starts a new, empty line.
  EXPECT_THAT(linesOf("a\n\rb"), ElementsAre("a", "", "b"));
  EXPECT_THAT(linesOf("a\r\r\nb"), ElementsAre("a", "", "b"));
  EXPECT_THAT(linesOf("a\tb\x01"), ElementsAre("a\tb\x01"));
}

TEST(ProjectText, NulEndsTheText) {
  using namespace std::string_view_literals;
  EXPECT_THAT(linesOf("PT 1 1\r\nRT 0\0 0 1 1\r\nCI 0 0 1\r\n"sv), ElementsAre("PT 1 1", "RT 0"));
  EXPECT_THAT(linesOf("\0PT 1 1"sv), IsEmpty());
  EXPECT_TRUE(decodeProjectText("PT 1 1\r\n\0"sv).cutAtNul);
  EXPECT_FALSE(decodeProjectText("PT 1 1\r\n").cutAtNul);
}

TEST(ProjectText, Windows1252UnlessUtf8) {
  // Lines are UTF-8 whatever the file's encoding.
  ProjectText ansi = decodeProjectText("TB 0 0 a\xe7\xe3o \x80\r\n");
  EXPECT_EQ(ansi.encoding, ProjectEncoding::Windows1252);
  EXPECT_THAT(ansi.lines, ElementsAre("TB 0 0 ação €"));

  ProjectText utf8 = decodeProjectText("TB 0 0 ação\nTX 1 1 €\n");
  EXPECT_EQ(utf8.encoding, ProjectEncoding::Utf8);
  EXPECT_THAT(utf8.lines, ElementsAre("TB 0 0 ação", "TX 1 1 €"));

  ProjectText math = decodeProjectText("TX 0 0 x ≤ 2\n");
  EXPECT_EQ(math.encoding, ProjectEncoding::Utf8);
  EXPECT_THAT(math.lines, ElementsAre("TX 0 0 x ≤ 2"));

  // Pure ASCII is UTF-8 too, so that an accented label added to it is saved as UTF-8.
  EXPECT_EQ(decodeProjectText("PT 1 1\n").encoding, ProjectEncoding::Utf8);
  // A Windows-1252 text that happens to hold a valid two-byte sequence stays one: only
  // a whole valid file is taken as UTF-8.
  EXPECT_EQ(decodeProjectText("\xc3\xa7 \xe7").encoding, ProjectEncoding::Windows1252);
}

TEST(ProjectText, AByteOrderMarkIsNoTextAndIsWrittenBack) {
  // As a Windows editor writes UTF-8: the mark, then the lines, ASCII or not.
  for (std::string_view body : {"PT 1 1\r\nTB 0 0 ação\r\n", "PT 1 1\r\nCI 0 0 5\r\n"}) {
    const std::string bytes = "\xef\xbb\xbf" + std::string(body);
    const ProjectText text = decodeProjectText(bytes);
    EXPECT_EQ(text.lines.front(), "PT 1 1") << body;
    EXPECT_EQ(encodeProjectText(text.lines, text.encoding), bytes) << body;
  }
  EXPECT_THAT(linesOf("\xef\xbb\xbf"), IsEmpty());
  // Only at the start is it a mark.
  EXPECT_THAT(linesOf("PT 1 1\n\xef\xbb\xbf" "CI 0 0 5\n"), ElementsAre("PT 1 1", "\ufeffCI 0 0 5"));
}

TEST(ProjectText, WritesCrLfAfterEveryLineInItsEncoding) {
  const std::vector<std::string> lines{"PT 1 1", "", "TB 0 0 pão"};
  EXPECT_EQ(encodeProjectText(lines, ProjectEncoding::Windows1252),
            "PT 1 1\r\n\r\nTB 0 0 p\xe3o\r\n");
  EXPECT_EQ(encodeProjectText(lines, ProjectEncoding::Utf8), "PT 1 1\r\n\r\nTB 0 0 pão\r\n");
  EXPECT_EQ(encodeProjectText({}, ProjectEncoding::Windows1252), "");
}

TEST(ProjectText, AnEncodingThatLacksACharacterGivesWayToUtf8) {
  const std::vector<std::string> latin{"TB 0 0 pão €"}, greek{"PT 1 1", "TX 0 0 área π ≤ ∞"};
  EXPECT_EQ(encodingThatHolds(latin, ProjectEncoding::Windows1252), ProjectEncoding::Windows1252);
  EXPECT_EQ(encodingThatHolds(greek, ProjectEncoding::Windows1252), ProjectEncoding::Utf8);
  EXPECT_EQ(encodingThatHolds(greek, ProjectEncoding::Utf8WithMark), ProjectEncoding::Utf8WithMark);
  // Byte for byte: what was read is what is written.
  const std::string bytes = "PT 1 1\r\nTX 0 0 área π ≤ ∞\r\n";
  const ProjectText text = decodeProjectText(bytes);
  EXPECT_EQ(encodeProjectText(text.lines, encodingThatHolds(text.lines, text.encoding)), bytes);
}

TEST(ProjectText, UnusualLinesSurviveARoundTrip) {
  const std::vector<std::string> lines{"", " ", "TX 0 0 €\u0081\u008dÿ", "a;b"};
  for (ProjectEncoding encoding :
       {ProjectEncoding::Windows1252, ProjectEncoding::Utf8, ProjectEncoding::Utf8WithMark}) {
    EXPECT_EQ(decodeProjectText(encodeProjectText(lines, encoding)).lines, lines);
  }
}

TEST(ProjectFile, ReadsAndRefusesWhatIsNoProject) {
  ScratchDir dir;
  ProjectText text;
  writeBytes(dir.file("a.pxg"), "PT 1 1\rRT 0 0 1 1");
  EXPECT_EQ(readProjectFile(dir.file("a.pxg"), text), 0);
  EXPECT_THAT(text.lines, ElementsAre("PT 1 1", "RT 0 0 1 1"));

  text.lines = {"kept"};
  EXPECT_EQ(readProjectFile(dir.file("missing.pxg"), text), ENOENT);
  EXPECT_EQ(readProjectFile(dir.path(), text), EISDIR);
  // A pipe without a writer would block a plain open for ever.
  ASSERT_EQ(::mkfifo(dir.file("fifo.pxg").c_str(), 0644), 0);
  EXPECT_EQ(readProjectFile(dir.file("fifo.pxg"), text), EINVAL);
  {
    std::ofstream big(dir.file("big.pxg"), std::ios::binary);
    big.seekp(kMaxProjectFileBytes);
    big.put('x');
  }
  EXPECT_EQ(readProjectFile(dir.file("big.pxg"), text), EFBIG);
  // Small, but as lines it would take hundreds of times its size.
  writeBytes(dir.file("ends.pxg"), std::string(kMaxTextFileLines + 1, '\n'));
  EXPECT_EQ(readProjectFile(dir.file("ends.pxg"), text), EFBIG);
  EXPECT_THAT(text.lines, ElementsAre("kept"));
  std::string crlf;
  for (long i = 0; i < kMaxTextFileLines; ++i) crlf += "\r\n";
  writeBytes(dir.file("crlf.pxg"), crlf);
  EXPECT_EQ(readProjectFile(dir.file("crlf.pxg"), text), 0);
  EXPECT_EQ(text.lines.size(), static_cast<size_t>(kMaxTextFileLines));
}

TEST(ProjectFile, TempFileNamesAreNewEmptyAndUnique) {
  ScratchDir dir;
  ::setenv("TMPDIR", dir.path().c_str(), 1);
  const std::string a = makeTempFileName("BMPX");
  const std::string b = makeTempFileName("BMP");
  const std::string c = makeTempFileName("a/b");
  ::unsetenv("TMPDIR");
  ASSERT_FALSE(a.empty());
  EXPECT_NE(a, b);
  EXPECT_EQ(a.rfind(dir.path() + "/BMP", 0), 0u);
  EXPECT_EQ(a.size(), dir.path().size() + 1 + 3 + 6);
  EXPECT_TRUE(std::filesystem::is_regular_file(a));
  EXPECT_EQ(std::filesystem::file_size(b), 0u);
  EXPECT_EQ(std::filesystem::path(c).parent_path(), dir.path());

  ::setenv("TMPDIR", dir.file("missing").c_str(), 1);
  EXPECT_EQ(makeTempFileName("BMP"), "");
  ::unsetenv("TMPDIR");
}

}  // namespace
