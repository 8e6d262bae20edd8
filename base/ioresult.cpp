#include "base/ioresult.h"

#include <cerrno>
#include <cstdio>
#include <map>

namespace dornavik {

namespace {

thread_local int g_io_result = 0;

const std::map<int, const char*>& MessageTable() {
  static const std::map<int, const char*> table = {
      {2, "File not found"},
      {3, "Path not found"},
      {4, "Too many open files"},
      {5, "File access denied"},
      {6, "Invalid file handle"},
      {12, "Invalid files access code"},
      {15, "invalid drive number"},
      {16, "Cannot remove current director"},
      {17, "Cannot rename across drivers"},
      {18, "No more files"},
      {100, "Disk read error"},
      {101, "Disk write error"},
      {102, "File not assigned"},
      {103, "File not open"},
      {104, "File not open for input"},
      {105, "file not open for output"},
      {106, "Invalid numerical format"},
      {150, "Disk is write-protected"},
      {151, "Unknown unit"},
      {152, "Drive not ready"},
      {153, "Unknown command"},
      {154, "CRC error in data"},
      {155, "Bat drive request structure le"},
      {156, "Disk seek error"},
      {157, "Unknown media type"},
      {158, "Sector not found"},
      {159, "Printer out of paper"},
      {160, "Device drive fault"},
      {161, "Device read fault"},
      {162, "Hardware failure"},
      {200, "Devision by zero"},
      {201, "Range check error"},
      {202, "Stack overflow error"},
      {203, "Heap overflow error"},
      {204, "Invalid poiter operation"},
      {205, "Floating point overflow"},
      {206, "Floating point underflow"},
      {207, "Invalid floating point operati"},
      {208, "Overlay manager not instaled"},
      {209, "Overlay file read error"},
      {210, "Object not initialed"},
      {211, "Call to abstract metod"},
      {212, "Stream registration error"},
      {213, "Collection index out of range"},
      {214, "Collection overflow error"},
      {215, "Arithmetic overflow error"},
      {216, "General Protection fault"},
  };
  return table;
}

}  // namespace

void SetIoResult(int code) { g_io_result = code; }

int IoCodeFromErrno(int error_number, bool writing) {
  switch (error_number) {
    case 0: return 0;
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR: return 5;
    case EBADF: return 6;
    case EROFS: return 150;
    case EXDEV: return 17;
    default: return writing ? 101 : 100;
  }
}

std::string RuntimeErrorText(int code) {
  auto it = MessageTable().find(code);
  return it == MessageTable().end() ? std::string() : std::string(it->second);
}

std::string RuntimeErrorCodeText(int code) {
  std::string s = std::to_string(code);
  if (s.size() > 3) return s.substr(0, 3);
  return std::string(3 - s.size(), ' ') + s;
}

bool CheckIo() {
  int code = g_io_result;
  g_io_result = 0;
  if (code == 0) return false;
  ReportRuntimeError(" ioerror ", code);
  return true;
}

void ReportRuntimeError(const std::string& head, int code) {
  std::string text;
  if (code == 102) text = "Files not assigned";
  else if (code == 103) text = "Files not open";
  else if (code != 18 && (code < 210 || code > 216)) text = RuntimeErrorText(code);
  std::printf("\n%s%s %s\n", head.c_str(), RuntimeErrorCodeText(code).c_str(), text.c_str());
  std::fflush(stdout);
}

}  // namespace dornavik
