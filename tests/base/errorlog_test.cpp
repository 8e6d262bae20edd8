#include "base/errorlog.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "base/errors.h"
#include "base/files.h"
#include "base/ioresult.h"
#include "base/text.h"

namespace dornavik {
namespace {

namespace fs = std::filesystem;

TEST(ErrorLog, MessageTable) {
  EXPECT_EQ(RuntimeErrorText(216), "General Protection fault");
  EXPECT_EQ(RuntimeErrorText(155), "Bat drive request structure le");
  EXPECT_EQ(RuntimeErrorText(999), "");
  EXPECT_EQ(RuntimeErrorCodeText(5), "  5");
  EXPECT_EQ(RuntimeErrorCodeText(12345), "123");
}

TEST(ErrorLog, LineShape) {
  EXPECT_EQ(ErrorLogLine(DateText(2005, 3, 7), 0x0047A1C2, 216),
            "07.03.2005 \xE3. at 0047:A1C2 216 General Protection fault");
  // The code text is cut to 34 characters.
  std::string line = ErrorLogLine("d", 0, 155);
  EXPECT_EQ(line, "d at 0000:0000 155 Bat drive request structure le");
  EXPECT_EQ(line.substr(line.find(" 155") + 1).size(), 34u);
}

TEST(ErrorLog, ExceptionCodes) {
  EXPECT_EQ(RuntimeErrorCode(std::make_exception_ptr(std::bad_alloc())), 203);
  EXPECT_EQ(RuntimeErrorCode(std::make_exception_ptr(tcollectionerror())), 213);
  EXPECT_EQ(RuntimeErrorCode(std::make_exception_ptr(terror("x"))), 217);
}

TEST(CheckIo, ReportsOnStandardOutput) {
  SetIoResult(103);
  testing::internal::CaptureStdout();
  EXPECT_TRUE(CheckIo());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n ioerror 103 Files not open\n");
  EXPECT_FALSE(CheckIo());
}

// Runs body in a child process whose program folder is dir, after the error log
// was installed; returns how the child ended.
template <typename F>
int RunChild(const fs::path& dir, F body) {
  pid_t pid = fork();
  if (pid == 0) {
    setenv("DORNAVIK_HOME", dir.c_str(), 1);
    ResetFolders();
    InstallErrorLog();
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

std::string ReadLog(const fs::path& dir) {
  std::string data;
  ReadWholeFile((dir / "kora.err").string(), data);
  return data;
}

TEST(ErrorLog, FatalErrorsAppendOneLineEach) {
  fs::path dir = fs::temp_directory_path() / ("dornavik-log-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);

  int status = RunChild(dir, [] { raise(SIGSEGV); });
  EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::string log = ReadLog(dir);
  EXPECT_NE(log.find(" at "), std::string::npos);
  EXPECT_TRUE(log.ends_with(" 216 General Protection fault\r\n")) << log;

  RunChild(dir, [] { raise(SIGSEGV); });
  log = ReadLog(dir);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);

  // An exception nobody handles ends in std::terminate with it current.
  status = RunChild(dir, [] {
    try {
      throw std::bad_alloc();
    } catch (...) {
      std::terminate();
    }
  });
  EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  log = ReadLog(dir);
  EXPECT_TRUE(log.ends_with(" 203 Heap overflow error\r\n")) << log;
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);

  // A normal end writes nothing.
  RunChild(dir, [] {});
  EXPECT_EQ(ReadLog(dir), log);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace dornavik
