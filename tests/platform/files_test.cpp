// File streams: the line rules, atomic saves, directories and banks, all inside a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "headless.h"

namespace fs = std::filesystem;

namespace {

struct FilesTest : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "pellaron-files-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string path(const std::string& name) const { return (dir / name).string(); }
  void put(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string get(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> lines_of(const std::string& bytes) {
    put("lines.txt", bytes);
    const auto s = open_read(path("lines.txt"));
    std::vector<std::string> out;
    if (!s) return {"<not opened>"};
    while (!at_eof(s)) out.push_back(read_line(s));
    close_stream(s);
    return out;
  }
};

TEST_F(FilesTest, ReadLineFollowsTheByteRules) {
  using std::string;
  struct Case {
    string bytes;
    std::vector<string> lines;
  };
  const Case cases[] = {
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"last without end", {"last without end"}},
      {"x\n\n\ny", {"x", "", "", "y"}},
      {string("a\0b\n", 4), {"a", "b"}},
      {"c\ra\rt\n\r\r\n", {"cat", ""}},
      {"\xe9t\xe9\n", {"\xe9t\xe9"}},  // bytes above 127 pass unchanged
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(lines_of(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

TEST_F(FilesTest, ReadByteAndMissingFiles) {
  put("b.bin", std::string("\x00\xff", 2));
  const auto s = open_read(path("b.bin"));
  ASSERT_TRUE(s);
  EXPECT_EQ(read_byte(s), 0);
  EXPECT_EQ(read_byte(s), 255);
  EXPECT_TRUE(at_eof(s));
  EXPECT_EQ(read_byte(s), -1);
  EXPECT_FALSE(write_line(s, "read streams do not write"));
  EXPECT_TRUE(close_stream(s));
  EXPECT_FALSE(open_read(path("missing.txt")));
  EXPECT_FALSE(open_read(dir.string())) << "a folder is not a readable file";
  EXPECT_EQ(read_line(nullptr), "");
  EXPECT_TRUE(at_eof(nullptr));
}

TEST_F(FilesTest, SaveReplacesTheFileOnlyWhenClosedAndLeavesNoTemporaryFile) {
  put("save.txt", "old\r\n");
  {
    const auto w = open_write(path("save.txt"));
    ASSERT_TRUE(w);
    EXPECT_TRUE(write_line(w, "new"));
    EXPECT_TRUE(write_bytes(w, std::string(100000, 'x')));
    EXPECT_EQ(get("save.txt"), "old\r\n") << "the old content stays until the save is complete";
    EXPECT_TRUE(close_stream(w));
    EXPECT_FALSE(close_stream(w)) << "a second close does nothing";
  }
  EXPECT_EQ(get("save.txt"), "new\r\n" + std::string(100000, 'x'));

  {
    const auto abandoned = open_write(path("save.txt"));
    ASSERT_TRUE(abandoned);
    write_line(abandoned, "half written");
  }
  EXPECT_EQ(get("save.txt").substr(0, 5), "new\r\n") << "a save never closed does not replace the file";

  const auto fresh = open_write(path("fresh.txt"));
  ASSERT_TRUE(fresh);
  EXPECT_TRUE(close_stream(fresh));
  EXPECT_EQ(file_type(path("fresh.txt")), 1);
  EXPECT_EQ(get("fresh.txt"), "");

  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"fresh.txt", "save.txt"}));

  EXPECT_FALSE(open_write(path("no/such/folder.txt")));
  EXPECT_FALSE(open_write(dir.string()));
}

TEST_F(FilesTest, FileTypesFoldersAndDeletion) {
  put("f.txt", "1");
  ASSERT_TRUE(make_dir(path("sub")));
  EXPECT_FALSE(make_dir(path("sub")));
  EXPECT_EQ(file_type(path("f.txt")), 1);
  EXPECT_EQ(file_type(path("sub")), 2);
  EXPECT_EQ(file_type(path("none")), 0);
  EXPECT_EQ(file_type(""), 0);

  const Dir d = read_dir(dir.string());
  ASSERT_TRUE(d);
  std::vector<std::string> names;
  for (std::string n; !(n = next_file(d)).empty();) names.push_back(n);
  EXPECT_EQ(next_file(d), "");
  close_dir(d);
  EXPECT_EQ(next_file(d), "") << "a closed folder lists nothing";
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "f.txt", "sub"}));
  EXPECT_FALSE(read_dir(path("none")));

  EXPECT_FALSE(delete_file(path("sub"))) << "folders are not deleted as files";
  EXPECT_TRUE(delete_file(path("f.txt")));
  EXPECT_EQ(file_type(path("f.txt")), 0);
  EXPECT_FALSE(delete_file(path("f.txt")));
}

TEST_F(FilesTest, BankHoldsTheWholeFile) {
  put("bank.bin", std::string("\x01\xff\x00z", 4));
  const Bank b = load_bank(path("bank.bin"));
  ASSERT_TRUE(b);
  EXPECT_EQ(bank_size(b), 4);
  EXPECT_EQ(peek_byte(b, 1), 255);
  EXPECT_EQ(peek_byte(b, 2), 0);
  EXPECT_EQ(peek_byte(b, 3), 'z');
  EXPECT_EQ(peek_byte(b, 4), 0);
  EXPECT_EQ(peek_byte(b, -1), 0);
  EXPECT_FALSE(load_bank(path("missing")));
  EXPECT_EQ(bank_size(nullptr), 0);
}

// Running programs: a script is made executable in the temporary folder and started directly.
TEST_F(FilesTest, RunProgramReportsExitStatusOrMinusOneWhenItCannotStart) {
  put("ok.sh", "#!/bin/sh\nexit 3\n");
  put("plain.txt", "not a program");
  fs::permissions(path("ok.sh"), fs::perms::owner_all);
  EXPECT_EQ(run_program(path("ok.sh")), 3);
  EXPECT_EQ(run_program(path("plain.txt")), -1) << "not executable";
  EXPECT_EQ(run_program(path("missing")), -1);
  EXPECT_EQ(run_program(""), -1);
}

TEST(ProgramPlace, OwnPathIsThisExecutableAndEnteringItsFolderChangesTheWorkingDirectory) {
  const std::string exe = own_executable_path();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(fs::path(exe), fs::canonical("/proc/self/exe"));
  const fs::path before = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  enter_program_dir();
  EXPECT_EQ(fs::current_path(), fs::path(exe).parent_path());
  fs::current_path(before);
}

TEST(Dialogs, HeadlessBoxesAreRecordedAndConfirmGivesTheScriptedAnswer) {
  platform_init(PlatformMode::Headless);
  notify("Airplane not found: X");
  EXPECT_TRUE(confirm("Continue?"));
  headless_set_confirm_answer(false);
  EXPECT_FALSE(confirm("Really?"));
  EXPECT_EQ(headless_messages(), (std::vector<std::string>{"Airplane not found: X", "Continue?", "Really?"}));
  platform_init(PlatformMode::Headless);
  EXPECT_TRUE(headless_messages().empty());
  EXPECT_TRUE(confirm("again")) << "the answer is yes again after a reset";
}

}  // namespace
