#include "base/errorlog.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>
#include <stdexcept>

#include "base/errors.h"
#include "base/files.h"
#include "base/ioresult.h"
#include "base/text.h"

namespace dornavik {

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// Everything a signal handler needs is prepared at installation, so that the
// handler itself only calls async-signal-safe functions.
char g_log_path[4096];
long g_utc_offset = 0;
volatile sig_atomic_t g_logged = 0;
std::terminate_handler g_previous_terminate = nullptr;
struct sigaction g_previous_actions[sizeof kSignals / sizeof kSignals[0]];

char* Append(char* p, const char* end, const char* text) {
  while (*text && p < end) *p++ = *text++;
  return p;
}

char* AppendNumber(char* p, const char* end, unsigned long v, int width, int base, char pad) {
  char digits[32];
  int n = 0;
  do {
    digits[n++] = "0123456789ABCDEF"[v % base];
    v /= base;
  } while (v && n < 31);
  for (int i = n; i < width && p < end; ++i) *p++ = pad;
  while (n > 0 && p < end) *p++ = digits[--n];
  return p;
}

// Civil date of a day count since 1970-01-01 (H. Hinnant's algorithm).
void CivilDate(long days, int& y, int& m, int& d) {
  days += 719468;
  long era = (days >= 0 ? days : days - 146096) / 146097;
  long doe = days - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const char* SignalMessage(int code) {
  switch (code) {
    case 200: return "Devision by zero";
    case 216: return "General Protection fault";
    default: return "";
  }
}

int SignalCode(int sig) {
  switch (sig) {
    case SIGFPE: return 200;
    case SIGABRT: return 217;
    default: return 216;
  }
}

// Builds the report and the log line without allocating, and writes both.
void WriteFatal(int code, uint32_t address, const char* message) {
  if (g_logged) return;
  g_logged = 1;
  char report[160] = {};
  char* end = report + sizeof report - 1;
  char* p = Append(report, end, "\nRuntime error ");
  p = AppendNumber(p, end, code % 1000, 3, 10, ' ');
  p = Append(p, end, " ");
  p = Append(p, end, message);
  p = Append(p, end, "\n");
  ssize_t ignored = write(STDOUT_FILENO, report, p - report);

  char line[160] = {};
  end = line + sizeof line - 3;
  int y, m, d;
  CivilDate((static_cast<long>(time(nullptr)) + g_utc_offset) / 86400, y, m, d);
  p = AppendNumber(line, end, d, 2, 10, '0');
  p = Append(p, end, ".");
  p = AppendNumber(p, end, m, 2, 10, '0');
  p = Append(p, end, ".");
  p = AppendNumber(p, end, y, 0, 10, '0');
  p = Append(p, end, " \xE3. at ");
  p = AppendNumber(p, end, address >> 16, 4, 16, '0');
  p = Append(p, end, ":");
  p = AppendNumber(p, end, address & 0xFFFF, 4, 16, '0');
  p = Append(p, end, " ");
  char* code_text = p;
  p = AppendNumber(p, end, code % 1000, 3, 10, ' ');
  p = Append(p, end, " ");
  p = Append(p, end, message);
  if (p - code_text > 34) p = code_text + 34;
  *p++ = '\r';
  *p++ = '\n';
  int fd = open(g_log_path, O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd >= 0) {
    ignored = write(fd, line, p - line);
    close(fd);
  }
  (void)ignored;
}

void OnSignal(int sig, siginfo_t* info, void*) {
  int code = SignalCode(sig);
  uintptr_t address = info ? reinterpret_cast<uintptr_t>(info->si_addr) : 0;
  WriteFatal(code, static_cast<uint32_t>(address), SignalMessage(code));
  // Put the previous handler back and let the signal end the program as it would
  // have: a crash is never turned into a successful exit.
  for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
    if (kSignals[i] == sig) sigaction(sig, &g_previous_actions[i], nullptr);
  raise(sig);
}

void OnTerminate() {
  int code = RuntimeErrorCode(std::current_exception());
  std::string text = RuntimeErrorText(code);
  WriteFatal(code, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(__builtin_return_address(0))),
             text.c_str());
  if (g_previous_terminate) g_previous_terminate();
  std::abort();
}

}  // namespace

int RuntimeErrorCode(std::exception_ptr error) {
  if (!error) return 217;
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return 203;
  } catch (const tcollectionerror&) {
    return 213;
  } catch (const std::out_of_range&) {
    return 201;
  } catch (const std::overflow_error&) {
    return 215;
  } catch (...) {
    return 217;
  }
}

std::string ErrorLogLine(const std::string& date, uint32_t address, int code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04X:%04X", address >> 16, address & 0xFFFF);
  std::string code_text = RuntimeErrorCodeText(code) + " " + RuntimeErrorText(code);
  return date + " at " + hex + " " + code_text.substr(0, 34);
}

std::string ErrorLogPath() { return FindFileNoCase(WritableFolder(), "kora.err"); }

void AppendErrorLog(int code, uint32_t address) {
  std::string line = ErrorLogLine(DateText(), address, code) + "\r\n";
  if (FILE* f = std::fopen(ErrorLogPath().c_str(), "ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
  }
}

void InstallErrorLog() {
  std::string path = ErrorLogPath();
  std::snprintf(g_log_path, sizeof g_log_path, "%s", path.c_str());
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  g_utc_offset = tm.tm_gmtoff;
  g_logged = 0;
  g_previous_terminate = std::set_terminate(OnTerminate);
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_sigaction = OnSignal;
  action.sa_flags = SA_SIGINFO | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
    sigaction(kSignals[i], &action, &g_previous_actions[i]);
}

}  // namespace dornavik
