// Tests of the key/value file reader: syntax, sections, numbers and write-back.
#include <gtest/gtest.h>

#include "numtext.h"
#include "parser.h"
#include "headless.h"
#include "platform.h"
#include "test_support.h"

namespace {

ParserPtr parse(const std::string& bytes) {
  write_file("t.txt", bytes);
  return Parser::create("t.txt", 0, ":", "//");
}

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override { platform_init(PlatformMode::Headless); }
  TempDir dir;
};

TEST_F(ParserTest, LinesCommentsKeysAndValues) {
  auto p = parse("  Speed :   12   // fast\r\nNAME: a:b\nPATH: a//b\nHELLO\n\n   \n:lonely\nKEY:\nA: 1\nA: 2");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->get("speed", "x"), "12");
  EXPECT_EQ(p->getint(" SPEED ", 5), 12);
  EXPECT_EQ(p->get("name", ""), "a:b");
  EXPECT_EQ(p->get("path", ""), "a");
  EXPECT_EQ(p->get("hello", ""), "HELLO");
  EXPECT_EQ(p->get("", "none"), "lonely");
  EXPECT_EQ(p->get("key", "dflt"), "");
  EXPECT_EQ(p->getint("key", 7), 0);
  EXPECT_EQ(p->getint("missing", 7), 7);
  EXPECT_FLOAT_EQ(p->getfloat("missing", 2.5f), 2.5f);
  EXPECT_EQ(p->get("a", ""), "1");
  EXPECT_EQ(p->size, 8);
  EXPECT_TRUE(p->areas.empty());
}

TEST_F(ParserTest, ZeroByteEndsALineAndCarriageReturnsVanish) {
  using namespace std::string_literals;
  auto p = parse("A: 1\0B: 2\nC:\r3\r"s);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->get("a", ""), "1");
  EXPECT_EQ(p->get("b", ""), "2");
  EXPECT_EQ(p->get("c", ""), "3");
  EXPECT_EQ(p->size, 3);
}

TEST_F(ParserTest, LfCrlfAndMissingFinalLineEndReadTheSame) {
  auto a = parse("X: 1\nY: 2\n");
  auto b = parse("X: 1\r\nY: 2\r\n");
  auto c = parse("X: 1\nY: 2");
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(a->whole_content, b->whole_content);
  EXPECT_EQ(a->whole_content, c->whole_content);
}

TEST_F(ParserTest, NumbersByTheFilesRules) {
  struct Case {
    const char* text;
    int i;
    float f;
  } cases[] = {{"12abc", 12, 12.0f}, {"$1F", 31, 0.0f}, {"%101", 5, 0.0f}, {"-4", -4, -4.0f},
               {"abc", 0, 0.0f},     {"  +7", 7, 7.0f},  {"2.5e2x", 2, 250.0f}, {".5", 0, 0.5f},
               {"99999999999999", 2147483647, 1e14f}, {"-99999999999999", -2147483647 - 1, -1e14f}};
  for (const auto& c : cases) {
    EXPECT_EQ(text_to_int(c.text), c.i) << c.text;
    EXPECT_FLOAT_EQ(text_to_float(c.text), c.f) << c.text;
  }
  EXPECT_EQ(float_text(2.0f), "2.00000000");
  EXPECT_EQ(float_text(0.5f), "0.500000000");
}

TEST_F(ParserTest, SectionsByNameAndPosition) {
  auto p = parse("top: 0\n[X]\nv: 1\nfoo [A] bar\nv: 2\n[Y]\nNAME: [x]\nv: 3\n[X]\nv: 4\n[LEVEL_10]\nv: 10\n[]\nv: e\n[open\nv: o");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->areas, (std::vector<std::string>{"X", "A", "Y", "x", "X", "LEVEL_10", "", "open"}));
  // "ALL" keeps header lines as rows too.
  EXPECT_EQ(p->get("[x]", ""), "[X]");
  EXPECT_EQ(p->get("top", ""), "0");

  struct Case {
    const char* tag;
    int min;
    const char* v;
  } cases[] = {{"X", 0, "1"}, {"x", 0, "1"}, {"A", 0, "2"}, {"Y", 0, "-"}, {"x", 3, "3"},
               {"X", 2, "3"}, {"X", 4, "4"}, {"LEVEL_1", 0, "-"}, {"LEVEL_10", 0, "10"},
               {"", 0, "e"},  {"nothing", 0, "-"}};
  for (const auto& c : cases) {
    p->set_content(c.tag, c.min);
    EXPECT_EQ(p->get("v", "-"), c.v) << c.tag << " " << c.min;
  }
  // The section headed "[Y]" holds no entries: its only line turned into a header itself.
  p->set_content("Y", 0);
  EXPECT_EQ(p->size, 0);
  // Header lines never become entries of a section.
  p->set_content("X", 0);
  EXPECT_EQ(p->size, 1);
  // Positions select among sections of the same name.
  p->set_content(p->areas[4], 4);
  EXPECT_EQ(p->get("v", ""), "4");
}

TEST_F(ParserTest, ChangeAndSaveRoundTrip) {
  auto p = parse("// profile\nFirst_Start: 1\nA: 1\nA: 2\n");
  ASSERT_TRUE(p);
  p->changeEntry("FIRST_START", " 0 ");
  p->changeEntry("A", "9");
  p->changeEntry("new_key", "5");  // not in the file: never added
  ASSERT_TRUE(p->saveList("out.txt"));
  EXPECT_EQ(read_file("out.txt"), "first_start: 0 \r\na:9\r\na:2\r\n");
  auto q = Parser::create("out.txt", 0, ":", "//");
  ASSERT_TRUE(q);
  EXPECT_EQ(q->get("first_start", ""), "0");
  EXPECT_EQ(q->get("new_key", "none"), "none");
  // A new selection discards in-memory changes.
  p->set_content("ALL", 0);
  EXPECT_EQ(p->get("a", ""), "1");
}

TEST_F(ParserTest, MissingFiles) {
  EXPECT_EQ(Parser::create("nope.txt", 0, ":", "//"), nullptr);
  EXPECT_TRUE(headless_messages().empty());
  headless_set_confirm_answer(true);
  auto p = Parser::create("nope.txt", 1, ":", "//");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->size, 0);
  ASSERT_EQ(headless_messages().size(), 1u);
  EXPECT_EQ(headless_messages()[0], "File For Parsing 'nope.txt' does not exist. Continue?");
  // Saving into a folder that does not exist fails quietly and leaves nothing behind.
  EXPECT_FALSE(p->saveList("no/such/dir/out.txt"));
  EXPECT_EQ(file_type("no"), 0);
}

TEST_F(ParserTest, SavingNeverLeavesATruncatedFile) {
  write_file("keep.txt", "a:1\r\n");
  auto p = parse("a: 2\nb: 3\n");
  ASSERT_TRUE(p);
  // Until the write is complete the old file stays as it was.
  StreamPtr s = open_write("keep.txt");
  ASSERT_TRUE(s);
  write_line(s, "a:");
  EXPECT_EQ(read_file("keep.txt"), "a:1\r\n");
  close_stream(s);
  EXPECT_EQ(read_file("keep.txt"), "a:\r\n");
  ASSERT_TRUE(p->saveList("keep.txt"));
  EXPECT_EQ(read_file("keep.txt"), "a:2\r\nb:3\r\n");
}

}  // namespace
