#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/ioresult.h"
#include "base/textfile.h"

namespace dornavik {
namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("dornavik-files-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(Files, CaseInsensitiveLookup) {
  std::ofstream(Path("07PO.DBF")) << "x";
  EXPECT_EQ(FindFileNoCase(dir_.string(), "07po.dbf"), Path("07PO.DBF"));
  EXPECT_EQ(ResolveNoCase(Path("07Po.Dbf")), Path("07PO.DBF"));
  // A file that does not exist keeps the spelling asked for.
  EXPECT_EQ(FindFileNoCase(dir_.string(), "new.DBF"), Path("new.DBF"));
  EXPECT_TRUE(FileFound(dir_.string()));
  DeleteIfFound(Path("07PO.DBF"));
  EXPECT_FALSE(FileFound(Path("07PO.DBF")));
  DeleteIfFound(Path("missing"));
}

TEST_F(Files, AtomicWriteKeepsTheOldFileOnFailure) {
  std::string path = Path("map.A");
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  std::string data;
  ASSERT_TRUE(ReadWholeFile(path, data));
  EXPECT_EQ(data, "first");
  // A write into a folder that does not exist fails and reports it.
  ttextwriter w;
  w.WriteLine("x");
  EXPECT_FALSE(w.Commit(Path("no/such/folder/map.A")));
  EXPECT_TRUE(CheckIo());
  EXPECT_FALSE(CheckIo());
  if (getuid() != 0) {
    chmod(dir_.c_str(), 0555);
    EXPECT_FALSE(WriteFileAtomically(path, "second"));
    chmod(dir_.c_str(), 0755);
    ASSERT_TRUE(ReadWholeFile(path, data));
    EXPECT_EQ(data, "first");
  }
}

TEST_F(Files, TextReaderLineEnds) {
  std::string path = Path("lines.txt");
  std::string big(3 << 20, 'a');  // a line longer than the reader's buffer
  WriteFileAtomically(path, "one\r\ntwo\nthree\r\n\r\n" + big + "\nlast");
  ttextreader r;
  ASSERT_TRUE(r.Open(path));
  std::string line;
  const char* expected[] = {"one", "two", "three", ""};
  for (const char* e : expected) {
    ASSERT_TRUE(r.ReadLine(line));
    EXPECT_EQ(line, e);
  }
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line.size(), big.size());
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(r.ReadLine(line));
  EXPECT_EQ(r.LineNumber(), 6);
  EXPECT_EQ(r.Consumed(), r.Size());

  ttextreader missing;
  EXPECT_FALSE(missing.Open(Path("none.txt")));
  EXPECT_TRUE(CheckIo());
}

TEST_F(Files, WriterUsesCrLf) {
  ttextwriter w;
  w.WriteLine("a");
  w.WriteLine("b");
  ASSERT_TRUE(w.Commit(Path("out.txt")));
  std::string data;
  ReadWholeFile(Path("out.txt"), data);
  EXPECT_EQ(data, "a\r\nb\r\n");
}

TEST_F(Files, ProgramFolderFromEnvironment) {
  const char* old = std::getenv("DORNAVIK_HOME");
  std::string saved = old ? old : "";
  setenv("DORNAVIK_HOME", dir_.c_str(), 1);
  ResetFolders();
  EXPECT_EQ(ProgramFolder(), dir_.string() + "/");
  EXPECT_EQ(WritableFolder(), dir_.string() + "/");
  if (old) setenv("DORNAVIK_HOME", saved.c_str(), 1); else unsetenv("DORNAVIK_HOME");
  ResetFolders();
}

}  // namespace
}  // namespace dornavik
