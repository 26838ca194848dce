#include "widgets/editing/paragraph_text.h"

#include <ostream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/text/utf8.h"

using ::testing::ElementsAre;

namespace {

}  // namespace

void PrintTo(const EditorLine& line, std::ostream* out) {
  *out << (line.continuation ? "cont(\"" : "start(\"") << line.text << "\")";
}

namespace {

EditorLine start(std::string text) { return {std::move(text), false}; }
EditorLine cont(std::string text) { return {std::move(text), true}; }

std::string repeated(const std::string& word, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += (i ? " " : "") + word;
  return text;
}

}  // namespace

TEST(ParagraphWrap, PiecesEndBeforeTheLastBlankThatFitsAndJoinBackExactly) {
  const std::string text = "PT 1 2 3 4 5 6";
  EXPECT_THAT(wrapParagraph(text, 7), ElementsAre(start("PT 1 2"), cont(" 3 4 5"), cont(" 6")));
  EXPECT_THAT(wrapParagraph("abcdefghij", 4), ElementsAre(start("abcd"), cont("efg"), cont("hij")));
  EXPECT_THAT(wrapParagraph("", 10), ElementsAre(start("")));
  // A continuation's leading blank is no place to cut: that would make no progress.
  EXPECT_THAT(wrapParagraph(" abcdef", 4, true), ElementsAre(cont(" ab"), cont("cde"), cont("f")));
  EXPECT_THAT(wrapParagraph("abc", 0), ElementsAre(start("ab"), cont("c")));  // width at least 2

  for (int width : {2, 3, 7, 80}) {
    const std::string long200 = repeated("PO 12,5", 25) + std::string(30, 'x');
    const EditorLines pieces = wrapParagraph(long200, width);
    for (size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_EQ(pieces[i].continuation, i > 0);
      EXPECT_LE(characterCount(shownText(pieces[i])), static_cast<size_t>(width));
    }
    EXPECT_THAT(joinParagraphs(pieces), ElementsAre(long200));
  }
}

TEST(ParagraphWrap, ATwoHundredCharacterLineShowsAsThreeLinesOf80) {
  const std::string line = repeated("CI 10 10 5", 18) + "  x";  // 200 characters
  ASSERT_EQ(line.size(), 200u);
  const EditorLines lines = wrapParagraphs({line}, 80);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(shownText(lines[1]).starts_with(utf8Of(kContinuationMarker)));
  EXPECT_TRUE(shownText(lines[2]).starts_with(utf8Of(kContinuationMarker)));
  EXPECT_THAT(joinParagraphs(lines), ElementsAre(line));
  // The width counts characters, not the bytes of their UTF-8.
  const std::string accented = repeated("ação ", 30);
  const EditorLines wrapped = wrapParagraphs({accented}, 80);
  EXPECT_EQ(characterCount(wrapped[0].text), 77u);  // 13 words of six characters, less a blank
  EXPECT_THAT(joinParagraphs(wrapped), ElementsAre(accented));
  EXPECT_THAT(wrapParagraphs({}, 80), ElementsAre(start("")));
}

TEST(ParagraphWrap, TabsGatheringAndAMarkerThatIsText) {
  EXPECT_EQ(expandLeadingTabs("\t \tPT\t1"), std::string(17, ' ') + "PT\t1");
  EXPECT_THAT(gatherParagraphs({"um", "dois", "", "tres", " quatro", "\tcinco", "seis"}),
              ElementsAre("um dois", "", "tres", " quatro", "\tcinco seis"));
  // A paragraph that begins with the marker character stays a paragraph of its own.
  const std::string dotted = utf8Of(kContinuationMarker) + "TB 0 0 ponto";
  EXPECT_THAT(joinParagraphs(wrapParagraphs({"PT 1 1", dotted}, 80)), ElementsAre("PT 1 1", dotted));
}

TEST(ParagraphLines, RewrapKeepsTheRoleAndFollowsTheCursor) {
  EditorLines lines{start("PT 1 2 3 4 5 6 7"), start("CI 0 0 5")};
  const TextPlace place = rewrapFrom(lines, 0, 7, 15);  // on the "7"
  EXPECT_THAT(lines, ElementsAre(start("PT 1 2"), cont(" 3 4 5"), cont(" 6 7"), start("CI 0 0 5")));
  EXPECT_EQ(place.line, 2u);
  EXPECT_EQ(place.column, 4);
  EXPECT_EQ(rewrapFrom(lines, 0, 7, 16).column, 5);  // the end of the text

  EditorLines shrunk{start("PT"), cont(" 3"), cont(" 4"), start("")};
  rewrapFrom(shrunk, 0, 8);
  EXPECT_THAT(shrunk, ElementsAre(start("PT 3 4"), start("")));
  EditorLines empty{start(""), cont(" x")};
  EXPECT_EQ(rewrapFrom(empty, 0, 8).line, 0u);
  EXPECT_THAT(empty, ElementsAre(start(""), cont(" x")));  // an empty line is left alone
}

TEST(ParagraphLines, InsertingSplittingAndDeleting) {
  EditorLines lines{start("PT 1 2"), cont("  3 4"), start("CI")};
  insertLineAt(lines, 1);  // a continuation becomes a paragraph of its own instead
  EXPECT_THAT(lines, ElementsAre(start("PT 1 2"), start("3 4"), start("CI")));
  insertLineAt(lines, 3);
  EXPECT_THAT(lines, ElementsAre(start("PT 1 2"), start("3 4"), start("CI"), start("")));

  EditorLines split{start("PT 1 2"), cont(" 3 4")};
  splitLineAt(split, 0, 4, 80);
  EXPECT_THAT(split, ElementsAre(start("PT "), start("1 2 3 4")));
  EditorLines atEnd{start("PT 1 2"), cont(" 3 4")};
  splitLineAt(atEnd, 0, 7, 80);
  EXPECT_THAT(atEnd, ElementsAre(start("PT 1 2"), start(" 3 4")));

  EditorLines del{start("PT"), cont(" 1"), start("CI"), start("")};
  EXPECT_EQ(deleteLineAt(del, 0), DeleteResult::Removed);
  EXPECT_THAT(del, ElementsAre(start("1"), start("CI"), start("")));
  EXPECT_EQ(deleteLineAt(del, 2), DeleteResult::NothingToDelete);
  EXPECT_EQ(deleteLineAt(del, 1), DeleteResult::Removed);
  EXPECT_EQ(deleteLineAt(del, 1), DeleteResult::NothingToDelete);
  EXPECT_EQ(deleteLineAt(del, 0), DeleteResult::Removed);
  EXPECT_EQ(deleteLineAt(del, 0), DeleteResult::NothingToDelete);
  EditorLines last{start("x")};
  EXPECT_EQ(deleteLineAt(last, 0), DeleteResult::Emptied);
  EXPECT_THAT(last, ElementsAre(start("")));
}

TEST(ParagraphLines, JoiningParagraphs) {
  EditorLines lines{start("PT 1"), start("2 3 4 5"), cont(" 6"), start(""), start("CI")};
  size_t k = 0;
  EXPECT_FALSE(joinWithPrevious(lines, k, 8));  // the first paragraph
  k = 3;
  EXPECT_FALSE(joinWithPrevious(lines, k, 8));  // an empty paragraph
  k = 2;  // from a continuation: its paragraph joins the one before
  EXPECT_TRUE(joinWithPrevious(lines, k, 8));
  EXPECT_EQ(k, 0u);
  EXPECT_THAT(lines, ElementsAre(start("PT 1 2 3"), cont(" 4 5 6"), start(""), start("CI")));
  k = 3;  // after an empty paragraph: the empty line goes
  EXPECT_TRUE(joinWithPrevious(lines, k, 8));
  EXPECT_EQ(k, 2u);
  EXPECT_THAT(lines, ElementsAre(start("PT 1 2 3"), cont(" 4 5 6"), start("CI")));
}

TEST(ParagraphLines, BlockCopyAndMove) {
  const EditorLines text{start("a"), start("b"), start("c"), start("d")};
  EditorLines lines = text;
  Block block{1, 2};
  EXPECT_FALSE(copyBlockTo(lines, block, 2));  // into itself
  Block invalid{2, 1};
  EXPECT_FALSE(copyBlockTo(lines, invalid, 0));
  EXPECT_FALSE(moveBlockTo(lines, invalid, 0));
  EXPECT_EQ(lines, text);

  EXPECT_TRUE(copyBlockTo(lines, block, 0));  // before the block: the marks follow it
  EXPECT_THAT(lines, ElementsAre(start("b"), start("c"), start("a"), start("b"), start("c"), start("d")));
  EXPECT_EQ(block.start, 3);
  EXPECT_EQ(block.end, 4);

  lines = text;
  block = {0, 1};
  EXPECT_TRUE(moveBlockTo(lines, block, 3));  // after the block
  EXPECT_THAT(lines, ElementsAre(start("c"), start("a"), start("b"), start("d")));
  EXPECT_EQ(block.start, 1);
  EXPECT_EQ(block.end, 2);
  block = {2, 3};
  EXPECT_TRUE(moveBlockTo(lines, block, 0));  // before it
  EXPECT_THAT(lines, ElementsAre(start("b"), start("d"), start("c"), start("a")));
  EXPECT_EQ(block.start, 0);
  EXPECT_EQ(block.end, 1);
}

TEST(ParagraphLines, ClipboardTextPasteAndSearch) {
  EditorLines lines{start(""), start("PT 1"), cont(" 2"), start("CI"), start("")};
  EXPECT_EQ(blockClipboardText(lines, {0, 4}), "\r\nPT 1 2\r\nCI\r\n\r\n");
  EXPECT_EQ(blockClipboardText(lines, {2, 3}), " 2\r\nCI\r\n");
  EXPECT_EQ(blockClipboardText(lines, {}), "");

  size_t at = 2;  // a continuation: the new paragraphs go in front of its paragraph
  EXPECT_EQ(insertParagraphsAt(lines, at, {"X", "Y Z"}, 3), 2u);
  EXPECT_EQ(at, 1u);
  EXPECT_THAT(joinParagraphs(lines), ElementsAre("", "X", "Y Z", "PT 1 2", "CI", ""));

  EXPECT_EQ(findAfter(lines, 0, "1 2"), -1);  // split over two lines
  EXPECT_EQ(findAfter(lines, 0, "CI"), static_cast<long>(lines.size()) - 2);
  EXPECT_EQ(findAfter(lines, lines.size() - 2, "CI"), -1);  // no wrapping round
}
